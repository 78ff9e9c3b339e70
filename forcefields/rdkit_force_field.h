#pragma once

// MMFF94 and UFF on a keyed molecule, through RDKit's force-field builders. Only the force-field
// library's own sources include this header: RDKit stays inside it.
#include "commands/force_field_command.h"
#include "forcefields/mmff_bonded.h"
#include "forcefields/mmff_non_bonded.h"

#include <ForceField/ForceField.h>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace RDKit {
class ROMol;
}

namespace trelvix {

/// A force field built on a molecule's first conformer (its positions point into it).
struct BuiltForceField
{
  /// UFF: RDKit's terms; none with MMFF94.
  std::unique_ptr<ForceFields::ForceField> field;
  /// MMFF94's bonded terms and its van der Waals and electrostatic terms; none with UFF.
  std::unique_ptr<MmffBonded> bonded;
  std::unique_ptr<MmffNonBonded> nonBonded;
  /// "MMFF94" or "UFF".
  std::string name;
  /// Fixed partial charges, e: MMFF94's own, or Gasteiger's with UFF.
  std::vector<double> charges;
  /// Why no field was built, naming the atom it cannot type (1-based among the molecule's
  /// atoms); empty when built.
  std::string failure;

  /// Whether a field was built.
  bool ready() const { return field || bonded; }
};

/// The chosen force field on mol (sanitised, explicit hydrogens), initialised. Automatic takes
/// MMFF94 and falls back on UFF when MMFF94 cannot type an atom.
BuiltForceField buildForceField(RDKit::ROMol& mol, ForceFieldChoice choice);

/// The energy (kcal/mol) of built at x (Å, 3N values) and its gradient (kcal mol⁻¹ Å⁻¹) summed
/// from the terms themselves: ForceField::calcGrad rescales the gradient for RDKit's own
/// minimiser.
double energyAndGradient(BuiltForceField& built,
                         std::span<const double> x,
                         std::span<double> gradient);

/// Whether the choice can be built on mol: the failure buildForceField would give, or empty.
std::string typingFailure(RDKit::ROMol& mol, ForceFieldChoice choice);

} // namespace trelvix
