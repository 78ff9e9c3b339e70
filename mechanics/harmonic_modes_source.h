#pragma once

// The harmonic modes the force-field estimate's statistical mechanics uses for a species, from a
// force field beside the classic one; the program installs the source at start-up (the core knows
// nothing of how the modes are found). Without a source, or where it cannot serve a species, the
// classic force field's levels serve.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace trelvix {

class tStructure;

/// A species at the minimum of a force field next to its drawn geometry, and its modes there.
struct HarmonicModes
{
  /// "MMFF94 normal modes", for the sources line.
  std::string origin;
  /// Per element atom: mass (u) and position (Å).
  std::vector<double> masses;
  std::vector<std::array<double, 3>> positions;
  /// The vibrations, cm⁻¹ (translation and rotation left out).
  std::vector<double> wavenumbers;
};

/// Nothing when the force field cannot serve the structure (an atom it cannot type, hydrogens not
/// drawn, a mode left imaginary). The structure is not changed.
using HarmonicModesSource = std::function<std::optional<HarmonicModes>(tStructure&)>;

void setHarmonicModesSource(HarmonicModesSource source);
const HarmonicModesSource& harmonicModesSource();

} // namespace trelvix
