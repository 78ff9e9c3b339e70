#include "rdkit_oracle.h"

#include <GraphMol/Chirality.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/RWMol.h>
#include <GraphMol/SmilesParse/SmilesParse.h>
#include <GraphMol/SmilesParse/SmilesWrite.h>
#include <memory>

namespace trelvix {

namespace {

// The same stereo perception the exchange library uses.
std::unique_ptr<RDKit::RWMol> parse(const std::string& smiles)
{
  RDKit::Chirality::setUseLegacyStereoPerception(false);
  return std::unique_ptr<RDKit::RWMol>(RDKit::SmilesToMol(smiles));
}

} // namespace

std::string rdkitCanonical(const std::string& smiles)
{
  std::unique_ptr<RDKit::RWMol> mol = parse(smiles);
  return mol ? RDKit::MolToSmiles(*mol) : std::string();
}

std::map<std::string, int> rdkitFormula(const std::string& smiles)
{
  std::map<std::string, int> counts;
  std::unique_ptr<RDKit::RWMol> mol = parse(smiles);
  if (!mol)
    return counts;
  for (const RDKit::Atom* atom : mol->atoms()) {
    ++counts[atom->getSymbol()];
    if (atom->getTotalNumHs() > 0)
      counts["H"] += static_cast<int>(atom->getTotalNumHs());
  }
  return counts;
}

} // namespace trelvix
