#pragma once

// The normal modes of a structure of the document with a chosen force field: MMFF94 or UFF
// (their analytic gradients differenced) or the program's classic force field (its energy
// differenced twice).
#include "forcefields/hessian.h"
#include "forcefields/normal_modes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trelvix {

class tStructure;
class tXY;

enum class VibrationField : std::uint8_t
{
  Classic,
  MMFF94,
  UFF,
  /// MMFF94, else UFF where MMFF94 cannot type an atom.
  Automatic
};

/// The normal modes of a structure, keyed to its atoms.
struct StructureVibrations
{
  /// Why there are no modes, in the user's words; empty when analysed.
  std::string failure;
  /// "MMFF94", "UFF" or "classic".
  std::string forceField;
  /// The structure's element atoms in the modes' order (atom i has coordinates 3i .. 3i + 2).
  std::vector<tXY*> atoms;
  /// Masses (u), and coordinates in Å with x right, y up and z towards the viewer: the drawing's
  /// x3, −y3, −z3 times angstromsPerUnit(). The modes' displacements are in the same frame.
  std::vector<double> masses;
  std::vector<double> coordinates;
  NormalModeAnalysis analysis;
};

/// The modes of target at its present geometry (no optimisation first: an imaginary mode shows
/// a geometry off its minimum). MMFF94 and UFF need every hydrogen drawn as an atom; the classic
/// field takes the structure as it stands. IR intensities come from MMFF94's partial charges, or
/// Gasteiger's for UFF and the classic field. progress may stop the Hessian (failure says so).
StructureVibrations normalModesOf(tStructure& target,
                                  VibrationField field,
                                  const HessianProgress& progress = {});

/// The modes of target at the minimum of MMFF94 or UFF (field) next to its present geometry:
/// the coordinates are minimised apart from the atoms, which do not move. For the statistical
/// mechanics of a species, whose drawn geometry need not be a minimum.
StructureVibrations minimumModesOf(tStructure& target, VibrationField field);

/// Moves the atoms of vibrations along mode by amplitude Å (a signed swing from the analysed
/// geometry); amplitude 0 puts them back where they were analysed.
void displaceAlongMode(const StructureVibrations& vibrations, std::size_t mode, double amplitude);

} // namespace trelvix
