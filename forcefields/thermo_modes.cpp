#include "forcefields/thermo_modes.h"

#include "forcefields/vibrations.h"
#include "mechanics/harmonic_modes_source.h"

#include <optional>

namespace trelvix {

namespace {

std::optional<HarmonicModes> forceFieldModes(tStructure& structure)
{
  const StructureVibrations v = minimumModesOf(structure, VibrationField::Automatic);
  if (!v.failure.empty())
    return std::nullopt;
  HarmonicModes modes;
  modes.origin = v.forceField + " normal modes";
  modes.masses = v.masses;
  for (std::size_t i = 0; i < v.masses.size(); ++i)
    modes.positions.push_back(
      { v.coordinates[3 * i], v.coordinates[3 * i + 1], v.coordinates[3 * i + 2] });
  // A mode left imaginary is no minimum to count on: the classic levels serve instead.
  constexpr double imaginary = -1;
  for (const NormalMode& mode : v.analysis.modes) {
    if (mode.wavenumber <= imaginary)
      return std::nullopt;
    modes.wavenumbers.push_back(mode.wavenumber);
  }
  return modes;
}

} // namespace

void installForceFieldModes()
{
  setHarmonicModesSource(forceFieldModes);
}

} // namespace trelvix
