#include "forcefields/rdkit_force_field.h"

#include <ForceField/Contrib.h>
#include <GraphMol/ForceFieldHelpers/MMFF/AtomTyper.h>
#include <GraphMol/ForceFieldHelpers/MMFF/Builder.h>
#include <GraphMol/ForceFieldHelpers/UFF/AtomTyper.h>
#include <GraphMol/ForceFieldHelpers/UFF/Builder.h>
#include <GraphMol/PartialCharges/GasteigerCharges.h>
#include <GraphMol/ROMol.h>
#include <algorithm>

namespace trelvix {

namespace {

std::string atomName(const RDKit::ROMol& mol, unsigned int index)
{
  return "atom " + std::to_string(index + 1) + " (" + mol.getAtomWithIdx(index)->getSymbol() + ")";
}

std::string refusal(const char* field, const RDKit::ROMol& mol, unsigned int index)
{
  return std::string(field) + " has no atom type for " + atomName(mol, index) +
         ": optimize it with UFF or with the automatic choice";
}

// MMFF94's typing of mol, or the failure naming the first atom it cannot type.
std::unique_ptr<RDKit::MMFF::MMFFMolProperties> typeMMFF(RDKit::ROMol& mol, std::string& failure)
{
  auto properties = std::make_unique<RDKit::MMFF::MMFFMolProperties>(mol, "MMFF94");
  if (properties->isValid())
    return properties;
  for (unsigned int i = 0; i < mol.getNumAtoms(); ++i) {
    if (properties->getMMFFAtomType(i) == 0) {
      failure = refusal("MMFF94", mol, i);
      return nullptr;
    }
  }
  failure = "MMFF94 cannot type this structure: optimize it with UFF or with the automatic choice";
  return nullptr;
}

std::string uffFailure(const RDKit::ROMol& mol, const RDKit::UFF::AtomicParamVect& params)
{
  for (unsigned int i = 0; i < params.size(); ++i) {
    if (!params[i])
      return "UFF has no atom type for " + atomName(mol, i);
  }
  return "UFF cannot type this structure";
}

BuiltForceField buildMMFF(RDKit::ROMol& mol)
{
  BuiltForceField built;
  std::unique_ptr<RDKit::MMFF::MMFFMolProperties> properties = typeMMFF(mol, built.failure);
  if (!properties)
    return built;
  // Both kinds of terms in loops of their own, from RDKit's typing and parameters.
  built.bonded = std::make_unique<MmffBonded>(mol, *properties);
  built.nonBonded = std::make_unique<MmffNonBonded>(mol, *properties);
  built.name = "MMFF94";
  for (unsigned int i = 0; i < mol.getNumAtoms(); ++i)
    built.charges.push_back(properties->getMMFFPartialCharge(i));
  return built;
}

BuiltForceField buildUFF(RDKit::ROMol& mol)
{
  BuiltForceField built;
  const auto [params, complete] = RDKit::UFF::getAtomTypes(mol);
  if (!complete) {
    built.failure = uffFailure(mol, params);
    return built;
  }
  built.field.reset(RDKit::UFF::constructForceField(mol, params));
  built.name = "UFF";
  std::vector<double> charges(mol.getNumAtoms());
  RDKit::computeGasteigerCharges(mol, charges);
  built.charges = std::move(charges);
  return built;
}

} // namespace

BuiltForceField buildForceField(RDKit::ROMol& mol, ForceFieldChoice choice)
{
  BuiltForceField built;
  try {
    built = choice == ForceFieldChoice::UFF ? buildUFF(mol) : buildMMFF(mol);
    if (!built.ready() && choice == ForceFieldChoice::Automatic)
      built = buildUFF(mol);
    if (built.field)
      built.field->initialize();
  } catch (const std::exception& e) {
    built = BuiltForceField{};
    built.failure = std::string("The force field cannot be set up for this structure: ") + e.what();
  }
  return built;
}

double energyAndGradient(BuiltForceField& built,
                         std::span<const double> x,
                         std::span<double> gradient)
{
  if (built.bonded) {
    std::fill(gradient.begin(), gradient.end(), 0.0);
    return built.bonded->addEnergyAndGradient(x, gradient) +
           built.nonBonded->addEnergyAndGradient(x, gradient);
  }
  ForceFields::ForceField& field = *built.field;
  std::vector<double> at(x.begin(), x.end());
  // The energy first: it refreshes the distances the terms share. Each term adds its gradient
  // to what the buffer holds.
  const double energy = field.calcEnergy(at.data());
  std::fill(gradient.begin(), gradient.end(), 0.0);
  for (const ForceFields::ContribPtr& term : field.contribs())
    term->getGrad(at.data(), gradient.data());
  return energy;
}

std::string typingFailure(RDKit::ROMol& mol, ForceFieldChoice choice)
{
  std::string failure;
  try {
    if (choice != ForceFieldChoice::UFF && typeMMFF(mol, failure))
      return {};
    if (choice == ForceFieldChoice::MMFF94)
      return failure;
    const auto [params, complete] = RDKit::UFF::getAtomTypes(mol);
    return complete ? std::string() : uffFailure(mol, params);
  } catch (const std::exception& e) {
    return std::string("The force field cannot be set up for this structure: ") + e.what();
  }
}

} // namespace trelvix
