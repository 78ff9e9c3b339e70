// The thermo command: the standard thermochemistry of each structure of a document from the
// best source that knows it, as JSON on standard output.
#include "cli/thermo_command.h"

#include "cli/strict_numbers.h"
#include "document/drawing.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"
#include "thermo/molecule_thermo.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>

namespace trelvix {

namespace {

constexpr int usageError = 2;
constexpr double kJPerCal = 4.184e-3;
constexpr double JPerCal = 4.184;

using Json = nlohmann::ordered_json;

struct PhaseWord
{
  const char* word;
  tbasefragment::Phase phase;
};

// The gas sets the gas state that shows its amount, as the reaction tool's gas button does.
constexpr PhaseWord phaseWords[] = {
  { "gas", tbasefragment::GasAmount },
  { "liquid", tbasefragment::Liquid },
  { "solid", tbasefragment::Solid },
};

bool isGasState(std::uint8_t phase)
{
  return phase == tbasefragment::Gas || phase == tbasefragment::GasAmount;
}

Json rounded(const std::optional<double>& x, double unit)
{
  return x && std::isfinite(*x) ? Json(std::round(*x * unit * 1000) / 1000) : Json(nullptr);
}

// The functions of one structure at one temperature, kJ and J; null where its source does not
// cover T or the elements' reference states are missing.
Json valuesAt(const SpeciesFigures& f, double T)
{
  Json json;
  json["T"] = T;
  json["source"] = f.source;
  json["dHf298_kJ"] = rounded(f.dHf298, kJPerCal);
  json["dHf_kJ"] = rounded(f.dHf, kJPerCal);
  json["S_J"] = rounded(f.S, JPerCal);
  json["Cp_J"] = rounded(f.Cp, JPerCal);
  json["H_minus_H298_kJ"] = rounded(f.heatContent, kJPerCal);
  json["dGf_kJ"] = rounded(f.dGf, kJPerCal);
  if (f.source == sourceText(ThermoSource::None))
    json["message"] = f.how;
  return json;
}

} // namespace

bool applyPhase(const tDrawing& drawing, const std::string& item, const PhaseSetter& set)
{
  const auto eq = item.find('=');
  const std::string_view text(item);
  const std::optional<std::uint64_t> group =
    eq == std::string::npos ? std::nullopt
                            : parseUnsigned(text.substr(0, eq), std::numeric_limits<int>::max());
  const PhaseWord* phase = nullptr;
  for (const PhaseWord& p : phaseWords) {
    if (eq != std::string::npos && text.substr(eq + 1) == p.word)
      phase = &p;
  }
  tStructure* s = group && phase ? drawing.Groups.At(static_cast<int>(*group)) : nullptr;
  if (!s) {
    std::cerr << "--phase takes GROUP=gas, GROUP=liquid or GROUP=solid with GROUP a group's "
                 "position (0.."
              << drawing.Groups.Count() - 1 << "): " << item << '\n';
    return false;
  }
  if (!(isGasState(phase->phase) && isGasState(s->phase)))
    set(*s, phase->phase);
  return true;
}

void addThermoCommand(CLI::App& app, ThermoOptions& options)
{
  options.command = app.add_subcommand(
    "thermo",
    "Each structure's formula, identity, source, ΔfH°, S°, Cp, H − H(298) and ΔfG° as JSON");
  options.command->add_option("FILE", options.file, "The .tvx document")->required();
  options.command
    ->add_option(
      "--T", options.temperatures, "A temperature in kelvin (repeatable; default 298.15)")
    ->check(CLI::Range(1.0, 1.0e4));
  options.command->add_option(
    "--phase", options.phases, "GROUP=gas|liquid|solid: the phase of the group at position GROUP");
}

int runThermoCommand(tDrawing& drawing, const ThermoOptions& options)
{
  for (const std::string& item : options.phases) {
    if (!applyPhase(drawing, item, [](tStructure& s, std::uint8_t phase) { s.setstate(phase); }))
      return usageError;
  }
  const std::vector<double> temperatures =
    options.temperatures.empty() ? std::vector<double>{ referenceT } : options.temperatures;
  // The structures the reaction analysis counts as species: molecules, not symbols or pieces of
  // another molecule.
  const ReactionThermo species(drawing);
  Json structures = Json::array();
  for (const ReactionSpecies& sp : species.species()) {
    Json json;
    json["group"] = drawing.Groups.IndexOf(sp.structure);
    Json values = Json::array();
    for (double T : temperatures) {
      const SpeciesFigures f = speciesFigures(*sp.structure, T);
      if (values.empty()) {
        json["formula"] = f.formula;
        json["identity"] = f.identity.empty() ? Json(nullptr) : Json(f.identity);
        json["how"] = f.how;
      }
      values.push_back(valuesAt(f, T));
    }
    json["values"] = values;
    structures.push_back(json);
  }
  std::cout << Json{ { "structures", structures } }.dump(
                 2, ' ', false, Json::error_handler_t::replace)
            << '\n';
  return 0;
}

} // namespace trelvix
