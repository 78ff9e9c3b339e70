// The analysis commands: a document's molecular properties, its vibrational levels, and the
// thermodynamics of the reaction it draws, as JSON on standard output.
#include "cli/analysis_commands.h"

#include "cli/cli_session.h"
#include "cli/normal_modes_command.h"
#include "cli/strict_numbers.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/molecular_data.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"
#include "model/atom.h"
#include "thermo/reference_table.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>

namespace trelvix {

namespace {

constexpr int userError = 1;
constexpr int usageError = 2;
// Amounts beyond a million moles are no chemistry; they would only overflow the sums and texts.
constexpr double maxMoles = 1.0e6;

using Json = nlohmann::ordered_json;

void print(const Json& json)
{
  std::cout << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

// Trailing blanks are the window's spacing, not part of the value.
std::string trimmed(std::string text)
{
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  return first == std::string::npos ? std::string{} : text.substr(first, last - first + 1);
}

Json numberOrNull(double x)
{
  return std::isfinite(x) ? Json(x) : Json(nullptr);
}

int runProperties(tDrawing& drawing)
{
  // Symbol points and text labels are no molecule.
  const bool hasElementAtom =
    std::any_of(drawing.Atoms.begin(), drawing.Atoms.end(), [](const tXY* a) {
      return a->element > 0 && !a->textFlag;
    });
  if (!hasElementAtom) {
    std::cerr << "No Molecule\n";
    return userError;
  }
  drawing.GetCharges();
  const std::array<double, 3> moments = drawing.principalmoments();
  Json json;
  json["formula"] = trimmed(formulaText(drawing));
  json["weight"] = numberOrNull(drawing.getmw());
  json["composition"] = trimmed(compositionText(drawing));
  json["dipole"] = numberOrNull(drawing.DipoleMoment());
  json["moments"] = { numberOrNull(moments[0]),
                      numberOrNull(moments[1]),
                      numberOrNull(moments[2]) };
  json["strain_kcal"] = numberOrNull(totalStrainEnergy(drawing) * 0.001);
  print(json);
  return 0;
}

int runFrequencies(tDrawing& drawing)
{
  ReactionThermo thermo(drawing);
  prepareThermochemistry(thermo);
  Json groups = Json::array();
  for (const ReactionSpecies& sp : thermo.species()) {
    Json levels = Json::array();
    for (const tNu& level : sp.pf->levels())
      levels.push_back({ { "nu", level.nu }, { "g", level.g }, { "w", level.w } });
    groups.push_back({ { "group", drawing.Groups.IndexOf(sp.structure) }, { "levels", levels } });
  }
  print(Json{ { "groups", groups } });
  return 0;
}

// "GROUP=N" into the group's amount; false (message printed) when it does not name a group and
// an amount from 0 to a million moles written in full.
bool applyMoles(CommandLayer& layer, const std::string& item)
{
  const auto eq = item.find('=');
  const std::string_view text(item);
  const std::optional<std::uint64_t> group =
    eq == std::string::npos ? std::nullopt
                            : parseUnsigned(text.substr(0, eq), std::numeric_limits<int>::max());
  const std::optional<double> moles =
    eq == std::string::npos ? std::nullopt : parseNumber(text.substr(eq + 1));
  const tDrawing& drawing = layer.drawing();
  tStructure* s = group && moles && *moles >= 0 && *moles <= maxMoles
                    ? drawing.Groups.At(static_cast<int>(*group))
                    : nullptr;
  if (!s) {
    std::cerr << "--moles takes GROUP=N with GROUP a group's position (0.."
              << drawing.Groups.Count() - 1
              << ") and N an amount in moles from 0 to a million: " << item << '\n';
    return false;
  }
  return layer.SetAmount(s, *moles).acted();
}

// Per species: its group, the source its numbers came from at T, the reference species it was
// recognised as (null when none), and how its numbers were had.
Json speciesSources(const tDrawing& drawing, const ReactionThermo& thermo, double T)
{
  Json sources = Json::array();
  for (const ReactionSpecies& sp : thermo.species()) {
    const ReferenceSpecies* identity = sp.condensedReference ? sp.condensedReference : sp.reference;
    sources.push_back({ { "group", drawing.Groups.IndexOf(sp.structure) },
                        { "source", sourceText(sp.sourceAt(T)) },
                        { "species", identity ? Json(identity->name) : Json(nullptr) },
                        { "how", speciesSourceText(sp, T) } });
  }
  return sources;
}

int runReaction(CliSession& session, CommandLayer& layer, const AnalysisOptions& options)
{
  const tDrawing& drawing = layer.drawing();
  if (!std::isfinite(options.T) || !std::isfinite(options.P)) {
    std::cerr << "--T and --P take numbers\n";
    return usageError;
  }
  for (const std::string& item : options.moles) {
    if (!applyMoles(layer, item))
      return usageError;
  }
  for (const std::string& item : options.phases) {
    if (!applyPhase(drawing, item, [&layer](tStructure& s, std::uint8_t phase) {
          layer.SetPhase(&s, phase);
        }))
      return usageError;
  }
  const tArrow* arrow = reactionArrow(drawing);
  if (!arrow) {
    std::cerr << "Arrow Required!\n";
    return userError;
  }
  const ThermoModel model = options.model == "estimate" ? ThermoModel::Estimate : ThermoModel::Best;
  const std::unique_ptr<ReactionThermo> prepared = layer.PrepareReaction(model);
  ReactionThermo& thermo = *prepared;
  const ReactionResult r = analyseReaction(*arrow, thermo, options.T, options.P);
  Json json;
  json["balanced"] = r.balanced;
  json["imbalance"] = trimmed(r.imbalance);
  // An unbalanced reaction shows its imbalance instead of thermochemical values, a reaction
  // with a species no source serves its no-data text.
  const bool shown = r.balanced && r.noData.empty();
  json["dH_kcal"] = shown ? numberOrNull(r.dH * 0.001) : Json(nullptr);
  json["dS"] = shown ? numberOrNull(r.dS) : Json(nullptr);
  json["dG_kcal"] = shown ? numberOrNull(r.dG * 0.001) : Json(nullptr);
  json["logK"] = shown && r.logK ? numberOrNull(*r.logK) : Json(nullptr);
  json["verdict"] = r.balanced ? r.message : r.status;
  json["model"] = options.model;
  json["sources"] = speciesSources(drawing, thermo, options.T);
  json["sources_text"] = r.sources;
  json["no_data"] = r.noData.empty() ? Json(nullptr) : Json(r.noData);
  print(json);
  if (options.reportOutput.empty())
    return 0;
  installReactionReport(model);
  // The document is saved while the report stands under the drawing.
  bool saved = false;
  layer.Report(options.T, options.P, [&](tDrawing& reported) {
    saved = session.save(reported, options.reportOutput);
  });
  return saved ? 0 : userError;
}

} // namespace

void addAnalysisCommands(CLI::App& app, AnalysisOptions& options)
{
  options.properties = app.add_subcommand(
    "properties", "Formula, weight, composition, dipole, principal moments and strain as JSON");
  options.frequencies =
    app.add_subcommand("frequencies", "The vibrational levels of each group as JSON");
  options.reaction =
    app.add_subcommand("reaction", "The drawn reaction's balance, ΔH, ΔS, ΔG, log K and verdict");
  for (CLI::App* command : { options.properties, options.frequencies, options.reaction })
    command->add_option("FILE", options.file, "The .tvx document")->required();
  options.frequencies
    ->add_option("--method",
                 options.method,
                 "levels: the classic vibrational levels (default); normal-modes: the normal modes "
                 "of a force field with IR intensities")
    ->check(CLI::IsMember({ "levels", "normal-modes" }));
  options.frequencies
    ->add_option("--ff",
                 options.forceField,
                 "With normal-modes: mmff94 (default), uff, auto (UFF where MMFF94 cannot type an "
                 "atom) or classic")
    ->check(CLI::IsMember({ "mmff94", "uff", "auto", "classic" }));
  options.frequencies->add_option(
    "--spectrum", options.spectrum, "With normal-modes: write the IR spectrum to OUT.svg|png|csv");
  options.reaction->add_option("--T", options.T, "Temperature in kelvin (default 293)")
    ->check(CLI::Range(0.0, 1.0e6));
  options.reaction
    ->add_option("--P",
                 options.P,
                 "Pressure in atmospheres (default 1.0; converted to the standard state of 1 bar)")
    ->check(CLI::Range(0.0, 1.0e6));
  options.reaction->add_option(
    "--moles", options.moles, "GROUP=N: the amount of the group at position GROUP (0-based)");
  options.reaction->add_option(
    "-o,--output", options.reportOutput, "Save the document with the reaction report under it");
  options.reaction
    ->add_option("--model",
                 options.model,
                 "best: each species from reference data, else group additivity, else the "
                 "force-field estimate (default); estimate: the force-field estimate alone")
    ->check(CLI::IsMember({ "best", "estimate" }));
  options.reaction->add_option("--phase",
                               options.phases,
                               "GROUP=gas|liquid|solid: the phase of the group at position GROUP, "
                               "whose reference data then serve");
  addThermoCommand(app, options.thermo);
}

std::optional<int> runAnalysisCommand(CliSession& session, const AnalysisOptions& options)
{
  const bool any = options.properties->parsed() || options.frequencies->parsed() ||
                   options.reaction->parsed() || options.thermo.command->parsed();
  if (!any)
    return std::nullopt;
  const std::string& file = options.thermo.command->parsed() ? options.thermo.file : options.file;
  std::unique_ptr<tDrawing> drawing = session.load(file);
  if (!drawing)
    return userError;
  if (options.thermo.command->parsed())
    return runThermoCommand(*drawing, options.thermo);
  if (options.properties->parsed())
    return runProperties(*drawing);
  if (options.frequencies->parsed() && options.method == "normal-modes")
    return runNormalModes(*drawing, options.forceField, options.spectrum);
  if (options.frequencies->parsed())
    return runFrequencies(*drawing);
  CommandLayer layer(std::move(drawing));
  // Nothing undoes the amounts and phases set from the options.
  layer.setUndoCopies(false);
  return runReaction(session, layer, options);
}

} // namespace trelvix
