// Writing other programs' files: each structure becomes a record, the record an RDKit molecule,
// and RDKit writes the text.
#include "document/drawing.h"
#include "exchange/canonical_smiles.h"
#include "exchange/large_stack.h"
#include "exchange/molecule_export.h"
#include "exchange/rdkit_bridge.h"
#include "exchange/structure_record.h"
#include "model/atom.h"

#include <GraphMol/FileParsers/FileParsers.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/SmilesParse/SmilesWrite.h>
#include <cmath>
#include <map>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

// Atoms and bonds of a molfile: 999 of either is the most a V2000 file holds.
constexpr unsigned int v2000Limit = 999;

std::string molBlock(const MoleculeRecord& record, const std::string& name)
{
  std::unique_ptr<RDKit::RWMol> mol = toRDKit(record);
  mol->setProp(RDKit::common_properties::_Name, name);
  const bool v3000 = mol->getNumAtoms() > v2000Limit || mol->getNumBonds() > v2000Limit;
  // Stereo (wedges chosen by RDKit) only where toRDKit perceived it.
  return RDKit::MolToMolBlock(*mol, !v3000, -1, true, v3000);
}

// Whether the hydrogens at positions hydrogens (around the atom at centre) stand where RDKit
// could place them: at numbers, apart from each other and from their atom.
bool wellPlaced(const RDKit::Conformer& c,
                const RDGeom::Point3D& centre,
                const std::vector<unsigned int>& hydrogens)
{
  constexpr double apart = 0.5; // Å; RDKit stacks the hydrogens it has no room for
  for (std::size_t k = 0; k < hydrogens.size(); ++k) {
    const RDGeom::Point3D& p = c.getAtomPos(hydrogens[k]);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z) ||
        (p - centre).length() < apart)
      return false;
    for (std::size_t l = 0; l < k; ++l) {
      if ((p - c.getAtomPos(hydrogens[l])).length() < apart)
        return false;
    }
  }
  return true;
}

// Gives coordinates to the hydrogens an atom carries implicitly (atoms from firstAdded on, made
// by addHs). RDKit places as many as an atom's geometry has room for; an atom carrying more (a
// carbon drawn with 13) gets all of its new hydrogens spread evenly over the sphere of a C-H
// bond (1.09 Å) around it, by the golden-angle spiral.
void placeAddedHydrogens(RDKit::RWMol& mol, unsigned int firstAdded)
{
  if (mol.getNumConformers() == 0)
    return;
  RDKit::Conformer& c = mol.getConformer();
  std::map<unsigned int, std::vector<unsigned int>> added;
  for (unsigned int i = firstAdded; i < mol.getNumAtoms(); ++i) {
    for (const RDKit::Atom* n : mol.atomNeighbors(mol.getAtomWithIdx(i)))
      added[n->getIdx()].push_back(i);
  }
  const double golden = std::numbers::pi * (3 - std::sqrt(5.0));
  for (const auto& [atom, hydrogens] : added) {
    const RDGeom::Point3D centre = c.getAtomPos(atom);
    if (wellPlaced(c, centre, hydrogens))
      continue;
    const auto n = static_cast<double>(hydrogens.size());
    for (std::size_t k = 0; k < hydrogens.size(); ++k) {
      const double z = 1 - 2 * (static_cast<double>(k) + 0.5) / n;
      const double r = std::sqrt(1 - z * z);
      const double phi = golden * static_cast<double>(k);
      c.setAtomPos(hydrogens[k],
                   centre + RDGeom::Point3D(r * std::cos(phi), r * std::sin(phi), z) * 1.09);
    }
  }
}

std::string smilesOf(const MoleculeRecord& record)
{
  if (record.atoms.empty())
    return {};
  std::unique_ptr<RDKit::RWMol> mol = toRDKit(record);
  try {
    // Hydrogen atoms drawn as atoms count as the hydrogens of their neighbours.
    RDKit::MolOps::removeHs(*mol);
  } catch (const std::exception&) {
    // Left as they are when the molecule's chemistry does not allow it.
  }
  return RDKit::MolToSmiles(*mol);
}

std::string recordText(const MoleculeRecord& record, ExchangeFormat format, const std::string& name)
{
  switch (format) {
    case ExchangeFormat::Mol:
      return molBlock(record, name);
    case ExchangeFormat::Sdf: {
      std::string text = molBlock(record, name);
      for (const auto& [item, value] : record.data)
        text += "> <" + item + ">\n" + (value.empty() ? "" : value + "\n") + "\n";
      return text + "$$$$\n";
    }
    case ExchangeFormat::Smiles: {
      std::string line = smilesOf(record);
      if (!name.empty())
        line += " " + name;
      return line + "\n";
    }
    case ExchangeFormat::Xyz: {
      std::unique_ptr<RDKit::RWMol> mol = toRDKit(record);
      mol->setProp(RDKit::common_properties::_Name, name);
      // An XYZ file lists every atom: the hydrogens the drawing shows as text get positions.
      const unsigned int drawn = mol->getNumAtoms();
      RDKit::MolOps::addHs(*mol, false, true);
      placeAddedHydrogens(*mol, drawn);
      return RDKit::MolToXYZBlock(*mol);
    }
    case ExchangeFormat::Pdb: {
      std::unique_ptr<RDKit::RWMol> mol = toRDKit(record);
      mol->setProp(RDKit::common_properties::_Name, name);
      return RDKit::MolToPDBBlock(*mol);
    }
    case ExchangeFormat::Tvx:
      break;
  }
  return {};
}

} // namespace

std::string exportStructure(const tStructure& structure,
                            ExchangeFormat format,
                            const std::string& name)
{
  silenceRDKit();
  std::string text;
  runWithLargeStack([&] { text = recordText(structureRecord(structure), format, name); });
  return text;
}

std::string exportDrawing(const tDrawing& drawing, ExchangeFormat format)
{
  silenceRDKit();
  std::string text;
  runWithLargeStack([&] {
    // SDF and SMILES keep one record per molecule; the other formats hold one molecule, so the
    // whole document's element atoms go in it together.
    if (format != ExchangeFormat::Sdf && format != ExchangeFormat::Smiles) {
      text = recordText(structureRecord(drawing), format, drawing.title);
      return;
    }
    for (const MoleculeRecord& record : documentRecords(drawing))
      text += recordText(record, format, drawing.title);
  });
  return text;
}

std::string canonicalSmiles(const tStructure& structure)
{
  silenceRDKit();
  std::string smiles;
  runWithLargeStack([&] { smiles = smilesOf(structureRecord(structure)); });
  return smiles;
}

} // namespace trelvix
