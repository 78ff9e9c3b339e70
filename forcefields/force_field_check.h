#pragma once

// A structure's energy and forces as RDKit's own complete force field gives them (every atom pair
// one of RDKit's term objects): the independent check of what the optimiser reports, for the
// tests and the benchmark.
#include "commands/force_field_command.h"

#include <string>

namespace trelvix {

class tStructure;

struct ForceFieldCheck
{
  /// kcal/mol.
  double energy = 0;
  /// The largest component of the gradient, kcal mol⁻¹ Å⁻¹.
  double largestGradient = 0;
  /// Why there are no numbers (the structure does not convert or type); empty otherwise.
  std::string failure;
};

/// target (explicit hydrogens) under the chosen force field, built by RDKit alone with no pair
/// left out, at the atoms' positions.
ForceFieldCheck checkWithRDKit(tStructure& target, ForceFieldChoice choice);

} // namespace trelvix
