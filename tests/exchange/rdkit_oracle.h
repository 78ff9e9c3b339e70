#pragma once

#include <map>
#include <string>

namespace trelvix {

/// RDKit's own answers, the reference the exchange tests hold the program to.
/// The canonical SMILES RDKit gives the SMILES.
std::string rdkitCanonical(const std::string& smiles);
/// Element symbol to atom count of the SMILES's molecule, every hydrogen counted.
std::map<std::string, int> rdkitFormula(const std::string& smiles);

} // namespace trelvix
