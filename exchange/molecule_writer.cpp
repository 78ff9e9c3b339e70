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
      RDKit::MolOps::addHs(*mol, false, true);
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
