// The analysis commands: a document's molecular properties, its vibrational levels, and the
// thermodynamics of the reaction it draws, as JSON on standard output.
#include "cli/analysis_commands.h"

#include "cli/cli_session.h"
#include "document/drawing.h"
#include "document/molecular_data.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"
#include "model/atom.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
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
// a finite amount.
bool applyMoles(tDrawing& drawing, const std::string& item)
{
  const auto eq = item.find('=');
  int group = -1;
  double moles = 0;
  const char* end = item.data() + item.size();
  const bool parsed =
    eq != std::string::npos &&
    std::from_chars(item.data(), item.data() + eq, group).ptr == item.data() + eq &&
    std::from_chars(item.data() + eq + 1, end, moles).ptr == end && std::fabs(moles) <= maxMoles;
  tStructure* s = parsed ? drawing.Groups.At(group) : nullptr;
  if (!s) {
    std::cerr << "--moles takes GROUP=N with GROUP a group's position (0.."
              << drawing.Groups.Count() - 1
              << ") and N an amount in moles (at most a million): " << item << '\n';
    return false;
  }
  s->amount = moles;
  return true;
}

int runReaction(CliSession& session, tDrawing& drawing, const AnalysisOptions& options)
{
  if (!std::isfinite(options.T) || !std::isfinite(options.P)) {
    std::cerr << "--T and --P take numbers\n";
    return usageError;
  }
  for (const std::string& item : options.moles) {
    if (!applyMoles(drawing, item))
      return usageError;
  }
  const tArrow* arrow = reactionArrow(drawing);
  if (!arrow) {
    std::cerr << "Arrow Required!\n";
    return userError;
  }
  ReactionThermo thermo(drawing);
  prepareThermochemistry(thermo);
  const ReactionResult r = analyseReaction(*arrow, thermo, options.T, options.P);
  Json json;
  json["balanced"] = r.balanced;
  json["imbalance"] = trimmed(r.imbalance);
  // An unbalanced reaction shows its imbalance instead of thermochemical values.
  const bool shown = r.balanced;
  json["dH_kcal"] = shown ? numberOrNull(r.dH * 0.001) : Json(nullptr);
  json["dS"] = shown ? numberOrNull(r.dS) : Json(nullptr);
  json["dG_kcal"] = shown ? numberOrNull(r.dG * 0.001) : Json(nullptr);
  json["logK"] = shown && r.logK ? numberOrNull(*r.logK) : Json(nullptr);
  json["verdict"] = r.balanced ? r.message : r.status;
  print(json);
  if (options.reportOutput.empty())
    return 0;
  drawing.CreateReport(options.T, options.P);
  return session.save(drawing, options.reportOutput) ? 0 : userError;
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
  options.reaction->add_option("--T", options.T, "Temperature in kelvin (default 293)")
    ->check(CLI::Range(0.0, 1.0e6));
  options.reaction->add_option("--P", options.P, "Pressure in atmospheres (default 1.0)")
    ->check(CLI::Range(0.0, 1.0e6));
  options.reaction->add_option(
    "--moles", options.moles, "GROUP=N: the amount of the group at position GROUP (0-based)");
  options.reaction->add_option(
    "-o,--output", options.reportOutput, "Save the document with the reaction report under it");
}

std::optional<int> runAnalysisCommand(CliSession& session, const AnalysisOptions& options)
{
  const bool any =
    options.properties->parsed() || options.frequencies->parsed() || options.reaction->parsed();
  if (!any)
    return std::nullopt;
  std::unique_ptr<tDrawing> drawing = session.load(options.file);
  if (!drawing)
    return userError;
  if (options.properties->parsed())
    return runProperties(*drawing);
  if (options.frequencies->parsed())
    return runFrequencies(*drawing);
  return runReaction(session, *drawing, options);
}

} // namespace trelvix
