#pragma once

#include "thermo/molecule_thermo.h"

#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

/// The phase a reference species' numbers belong to.
enum class SpeciesPhase
{
  Gas,
  Liquid,
  Solid,
};

/// "gas", "liquid" or "solid".
const char* phaseText(SpeciesPhase phase);

/// One species of the reference table: its identity, its values at 298.15 K and its polynomials.
struct ReferenceSpecies
{
  /// Canonical SMILES, hydrogens implicit.
  std::string smiles;
  std::string name;
  /// Hill-order formula.
  std::string formula;
  /// The key of its source in the table's header.
  std::string source;
  /// Standard formation enthalpy at 298.15 K, cal/mol.
  double dHf298 = 0;
  /// Standard entropy at 298.15 K, cal/(mol K).
  double S298 = 0;
  NasaPolynomial nasa;
  SpeciesPhase phase = SpeciesPhase::Gas;

  /// Its numbers: a gas also below its polynomials down to 200 K, a liquid or solid only within
  /// its range (a range that starts at 300 K taking in 298.15 K).
  NasaThermo thermo() const;
};

/// The species of a table and, when it could not be read, what was wrong and on which line.
struct SpeciesTableResult
{
  std::vector<ReferenceSpecies> species;
  std::string error;
};

/// Reads a table in the format of data/thermo/gas_phase_data.txt (its header describes it): blocks
/// of "key value" lines separated by empty lines, '#' starting a comment line; the optional
/// "phase" line (gas, liquid, solid; gas when absent) and a nasa7 line of two temperatures (one
/// range, no "high" line) as in data/thermo/condensed_phase_data.txt. kJ and J in the file become
/// cal here.
SpeciesTableResult readSpeciesTable(std::string_view text);

/// The reference table of gases built into the program, read once.
const std::vector<ReferenceSpecies>& referenceSpecies();

/// The reference table of liquids and solids built into the program, read once.
const std::vector<ReferenceSpecies>& condensedSpecies();

} // namespace trelvix
