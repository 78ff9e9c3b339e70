// Reading other programs' files: RDKit parses SMILES, molfiles and PDB files, the XYZ reader
// its own format; every molecule then becomes a record and the records a new document, so a
// fault anywhere leaves no trace in any document.
#include "document/drawing.h"
#include "document/file_format.h"
#include "exchange/embedding_cleanup.h"
#include "exchange/large_stack.h"
#include "exchange/molecule_import.h"
#include "exchange/rdkit_bridge.h"
#include "exchange/record_builder.h"
#include "exchange/tree_layout.h"
#include "exchange/xyz_reader.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "platform/binary_io.h"
#include "platform/checked.h"

#include <GraphMol/Depictor/RDDepictor.h>
#include <GraphMol/DistGeomHelpers/Embedder.h>
#include <GraphMol/FileParsers/FileParsers.h>
#include <GraphMol/FileParsers/MolFileStereochem.h>
#include <GraphMol/ForceFieldHelpers/MMFF/MMFF.h>
#include <GraphMol/ForceFieldHelpers/UFF/UFF.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/SanitException.h>
#include <GraphMol/SmilesParse/SmilesParse.h>
#include <RDGeneral/FileParseException.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <typeinfo>

namespace trelvix {

namespace {

/// A fault of the input: where it is and what is wrong.
struct InputError
{
  int line = 0; ///< 0 when not known
  std::string what;
};

std::string firstLine(std::string_view text)
{
  std::string s(text.substr(0, text.find('\n')));
  while (!s.empty() && (s.back() == '\r' || s.back() == ' '))
    s.pop_back();
  return s;
}

bool finiteCoordinates(const RDKit::ROMol& mol)
{
  if (mol.getNumConformers() == 0)
    return false;
  for (const RDGeom::Point3D& p : mol.getConformer().getPositions()) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
      return false;
  }
  return true;
}

// Atoms in a row 1.5 Å apart: the place of last resort for what no layout places.
void layInARow(RDKit::RWMol& mol)
{
  auto* conformer = new RDKit::Conformer(mol.getNumAtoms());
  for (unsigned int i = 0; i < mol.getNumAtoms(); ++i)
    conformer->setAtomPos(i, RDGeom::Point3D(1.5 * i, 0, 0));
  conformer->set3D(false);
  mol.clearConformers();
  mol.addConformer(conformer, true);
}

// CoordGen lays out a macrocycle by searching shapes of hexagons, in time growing steeply with
// the ring (a ring of 30 atoms 0.5 s, of 34 atoms 5 s); a molecule with a ring beyond 20 atoms
// takes RDKit's own layout, which draws a macrocycle of 80 in a quarter of a second.
constexpr std::size_t coordGenRingLimit = 20;
// CoordGen's division of a molecule into pieces doubles its time and memory with every ring in a
// row beyond about 28 (a para-polyphenylene of 28 rings 0.1 s, of 32 rings 3.9 s and 580 MB):
// a molecule of more rings takes RDKit's own layout.
constexpr unsigned int coordGenRingCount = 24;

bool suitsCoordGen(const RDKit::ROMol& mol)
{
  const RDKit::RingInfo* rings = mol.getRingInfo();
  if (!rings->isInitialized())
    RDKit::MolOps::findSSSR(mol);
  if (mol.getRingInfo()->numRings() > coordGenRingCount)
    return false;
  for (const std::vector<int>& ring : mol.getRingInfo()->atomRings()) {
    if (ring.size() > coordGenRingLimit)
      return false;
  }
  return true;
}

// Both depictions clean up by comparing every bond with every other (a chain of 1 000 carbons
// 2.8 s in CoordGen, 7.7 s in RDKit's own; polystyrene of 100 units 4 s, of 200 units 26 s in
// RDKit's collision search): a larger molecule whose rings share no atoms gets the tree layout.
constexpr unsigned int treeLayoutAtoms = 200;

// 2D coordinates from RDKit's depiction, with CoordGen's layout where it suits the molecule;
// where CoordGen places no coordinates that are numbers (molecules of hydrogen only: H2, H+),
// RDKit's own layout, and failing that a row. A large molecule whose rings stand apart is laid
// out as a tree of chains and rings.
void depict(RDKit::RWMol& mol)
{
  if (mol.getNumAtoms() > treeLayoutAtoms && layOutTree(mol)) {
    RDKit::WedgeMolBonds(mol, &mol.getConformer());
    return;
  }
  const bool previous = RDDepict::preferCoordGen;
  RDDepict::preferCoordGen = suitsCoordGen(mol);
  RDDepict::compute2DCoords(mol);
  if (!finiteCoordinates(mol)) {
    RDDepict::preferCoordGen = false;
    RDDepict::compute2DCoords(mol);
  }
  RDDepict::preferCoordGen = previous;
  if (!finiteCoordinates(mol))
    layInARow(mol);
  // Stereo centres show as wedges, as a chemist would draw them.
  RDKit::WedgeMolBonds(mol, &mol.getConformer());
}

// A file whose atoms all sit at one point (a molfile without coordinates) gets a depiction.
void depictWhenFlat(RDKit::RWMol& mol)
{
  if (mol.getNumAtoms() < 2)
    return;
  if (mol.getNumConformers() > 0) {
    const RDKit::Conformer& c = mol.getConformer();
    const RDGeom::Point3D first = c.getAtomPos(0);
    for (unsigned int i = 1; i < mol.getNumAtoms(); ++i) {
      if ((c.getAtomPos(i) - first).lengthSq() > 1e-8)
        return;
    }
  }
  depict(mol);
}

MoleculeRecord recordOf(RDKit::RWMol& mol, int line, const ImportOptions& options)
{
  depictWhenFlat(mol);
  std::string error;
  MoleculeRecord m = fromRDKit(mol, options.aromaticBonds, error);
  if (!error.empty())
    throw InputError{ line, error };
  return m;
}

// Beyond this many atoms (hydrogens included) a molecule is large: its embedding starts from
// random coordinates (the eigenvectors of a long chain's distance bounds give a start that fails
// every attempt), its heavy atoms are embedded first without the hydrogens (the embedding's
// minimisers take time growing with the cube of the atom count), and its clean-up is short (each
// iteration costs the square of the atom count).
constexpr unsigned int largeMoleculeAtoms = 100;
// Attempts of each embedding before the molecule is refused in 3D.
constexpr unsigned int embedAttempts = 10;
// Iterations of the force-field clean-up after the embedding, of a small and of a large molecule.
constexpr int cleanUpIterations = 200;
constexpr int largeCleanUpIterations = 30;

EmbeddingCleanUp g_cleanUp;

// The embedded model relaxed with MMFF94, or UFF where MMFF94 cannot type an atom: by the
// installed clean-up, else by RDKit's minimisers.
void cleanUp(RDKit::RWMol& mol, int iterations)
{
  if (g_cleanUp) {
    g_cleanUp(mol, iterations);
    return;
  }
  try {
    if (RDKit::MMFF::MMFFOptimizeMolecule(mol, iterations).first < 0)
      RDKit::UFF::UFFOptimizeMolecule(mol, iterations);
  } catch (const std::exception&) {
    // No force field for this molecule: the embedding stands as it is.
  }
}

// 2D coordinates from RDKit's depiction (CoordGen), or a 3D embedding (ETKDG, seeded, a bounded
// number of attempts; large molecules as said above) cleaned up with a force field with every
// hydrogen present, and kept for the heavy atoms. A molecule that does not embed is refused: a
// flat layout is never passed off as a 3D model.
void giveCoordinates(RDKit::RWMol& mol, const ImportOptions& options)
{
  if (!options.embed3D) {
    depict(mol);
    return;
  }
  RDKit::RWMol withHydrogens(mol);
  RDKit::MolOps::addHs(withHydrogens);
  const bool large = withHydrogens.getNumAtoms() > largeMoleculeAtoms;
  RDKit::DGeomHelpers::EmbedParameters parameters = RDKit::DGeomHelpers::ETKDGv3;
  parameters.randomSeed = static_cast<int>(options.seed & 0x7FFFFFFF);
  parameters.useRandomCoords = large;
  parameters.maxIterations = embedAttempts;
  // A large molecule's heavy atoms alone, their hydrogens placed on them afterwards; where that
  // fails (stereo centres checked without their hydrogens), the whole molecule.
  RDKit::RWMol model(mol);
  bool embedded = false;
  if (large && RDKit::DGeomHelpers::EmbedMolecule(model, parameters) >= 0) {
    RDKit::MolOps::addHs(model, false, true);
    embedded = true;
  }
  if (!embedded) {
    model = withHydrogens;
    embedded = RDKit::DGeomHelpers::EmbedMolecule(model, parameters) >= 0;
  }
  if (!embedded)
    throw InputError{ 0,
                      "No 3D model could be built for this molecule (" +
                        std::to_string(embedAttempts) + " embedding attempts failed)" };
  cleanUp(model, large ? largeCleanUpIterations : cleanUpIterations);
  RDKit::MolOps::removeHs(model);
  auto* conformer = new RDKit::Conformer(model.getConformer());
  conformer->set3D(true);
  mol.addConformer(conformer, true);
}

// A sanitisation failure in a chemist's words, atoms counted from 1.
std::string chemistryText(const RDKit::MolSanitizeException& e, const RDKit::ROMol* mol)
{
  const auto atomName = [mol](unsigned int index) {
    std::string name = "atom " + std::to_string(index + 1);
    if (mol && index < mol->getNumAtoms())
      name += " (" + mol->getAtomWithIdx(index)->getSymbol() + ")";
    return name;
  };
  if (const auto* valence = dynamic_cast<const RDKit::AtomValenceException*>(&e))
    return atomName(valence->getAtomIdx()) + ": more bonds than its valence allows";
  if (const auto* aromatic = dynamic_cast<const RDKit::AtomKekulizeException*>(&e))
    return atomName(aromatic->getAtomIdx()) + ": marked aromatic outside an aromatic ring";
  if (const auto* ring = dynamic_cast<const RDKit::KekulizeException*>(&e)) {
    std::string atoms;
    for (const unsigned int index : ring->getAtomIndices())
      atoms += (atoms.empty() ? "" : ", ") + std::to_string(index + 1);
    return "atoms " + atoms + ": an aromatic ring that no single and double bonds can make";
  }
  return e.what();
}

// SMILES is plain ASCII text: a byte beyond it or a NUL would end RDKit's reading early and cut
// the molecule short without a word.
void checkSmilesBytes(const std::string& smiles, int line)
{
  for (std::size_t i = 0; i < smiles.size(); ++i) {
    const auto byte = static_cast<unsigned char>(smiles[i]);
    if (byte >= 0x80 || byte == 0) {
      char code[8];
      std::snprintf(code, sizeof code, "0x%02X", byte);
      throw InputError{ line,
                        "not a valid SMILES: character " + std::to_string(i + 1) + " (byte " +
                          code + ") is not one SMILES holds" };
    }
  }
}

MoleculeRecord smilesRecord(const std::string& smiles, int line, const ImportOptions& options)
{
  checkSmilesBytes(smiles, line);
  RDKit::SmilesParserParams parameters;
  parameters.parseName = false;
  parameters.allowCXSMILES = false;
  // RDKit's stereo perception after parsing ranks the atoms, in time growing with the square of
  // a long chain: a SMILES that marks no stereo is checked without it.
  const bool marksStereo = smiles.find_first_of("@/\\") != std::string::npos;
  parameters.sanitize = marksStereo;
  parameters.removeHs = marksStereo;
  std::unique_ptr<RDKit::RWMol> mol;
  try {
    mol.reset(RDKit::SmilesToMol(smiles, parameters));
    if (mol && !marksStereo)
      RDKit::MolOps::removeHs(*mol, false, true, true);
  } catch (const RDKit::MolSanitizeException& e) {
    throw InputError{ line, "SMILES \"" + smiles + "\": " + chemistryText(e, nullptr) };
  }
  if (!mol || mol->getNumAtoms() == 0)
    throw InputError{ line, "not a valid SMILES: \"" + smiles + "\"" };
  giveCoordinates(*mol, options);
  MoleculeRecord m = recordOf(*mol, line, options);
  return m;
}

// One molecule per line: the SMILES, then an optional name; blank lines and lines starting
// with '#' are skipped.
std::vector<MoleculeRecord> readSmilesLines(std::string_view text, const ImportOptions& options)
{
  std::vector<MoleculeRecord> molecules;
  std::istringstream in{ std::string(text) };
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::istringstream words(line);
    std::string smiles;
    if (!(words >> smiles) || smiles.front() == '#')
      continue;
    std::string name;
    std::getline(words >> std::ws, name);
    while (!name.empty() && (name.back() == '\r' || name.back() == ' '))
      name.pop_back();
    MoleculeRecord m = smilesRecord(smiles, number, options);
    m.name = name;
    molecules.push_back(std::move(m));
  }
  if (molecules.empty())
    throw InputError{ 0, "no SMILES in the input" };
  return molecules;
}

// The chemistry checks of a file's molecule, without RDKit's stereo perception: the program
// keeps only the wedges as drawn, and the perception's atom ranking takes time growing with the
// square of a long chain.
void sanitize(RDKit::RWMol& mol, int line)
{
  try {
    RDKit::MolOps::sanitizeMol(mol);
  } catch (const RDKit::MolSanitizeException& e) {
    throw InputError{ line, chemistryText(e, &mol) };
  }
}

bool isBlank(const std::string& line)
{
  return line.find_first_not_of(" \t\r") == std::string::npos;
}

// The name of a data item's header line ("> <NAME>", also "> 25 <NAME> (REG-1)"); nothing
// for a line that is no header.
std::optional<std::string> dataItemName(const std::string& header)
{
  if (header.empty() || header.front() != '>')
    return std::nullopt;
  const std::size_t open = header.find('<');
  const std::size_t close = open == std::string::npos ? open : header.find('>', open);
  if (close == std::string::npos)
    return std::nullopt;
  return header.substr(open + 1, close - open - 1);
}

// The data items after a record's "M  END", up to and with its "$$$$" line (or the end of the
// input): each a header line, its value lines, then a blank line.
DataItems readDataItems(std::istream& in, unsigned int& line)
{
  DataItems items;
  std::string text;
  bool inValue = false;
  while (std::getline(in, text)) {
    ++line;
    if (!text.empty() && text.back() == '\r')
      text.pop_back();
    if (text.rfind("$$$$", 0) == 0)
      break;
    if (inValue) {
      if (text.empty()) {
        inValue = false;
        continue;
      }
      std::string& value = items.back().second;
      value += (value.empty() ? "" : "\n") + text;
      continue;
    }
    if (std::optional<std::string> name = dataItemName(text)) {
      items.emplace_back(std::move(*name), std::string());
      inValue = true;
    }
  }
  return items;
}

// RDKit's parse messages end with " on line N" or " at line N"; the program puts the line first.
std::string withoutLineSuffix(std::string text)
{
  for (const std::string_view suffix : { " on line ", " at line " }) {
    const std::size_t at = text.rfind(suffix);
    if (at != std::string::npos &&
        text.find_first_not_of("0123456789", at + suffix.size()) == std::string::npos)
      text.erase(at);
  }
  return text;
}

// The whole number of a fixed-width field; nothing when it holds no number.
std::optional<int> fieldNumber(const std::string& line, std::size_t from, std::size_t width)
{
  if (line.size() < from + 1)
    return std::nullopt;
  std::istringstream field(line.substr(from, width));
  int value = 0;
  if (!(field >> value))
    return std::nullopt;
  return value;
}

// Every atom number a V2000 record's bonds and charge, isotope and radical lines name is one of
// its atoms: RDKit checks this only by an internal assertion. A record whose counts cannot be
// read is left to RDKit's own messages.
void checkV2000References(std::istream& in, unsigned int startLine)
{
  std::string text;
  unsigned int line = startLine;
  const auto next = [&] {
    ++line;
    return static_cast<bool>(std::getline(in, text));
  };
  for (int header = 0; header < 3; ++header) {
    if (!next())
      return;
  }
  if (!next() || text.find("V3000") != std::string::npos)
    return;
  const std::optional<int> atoms = fieldNumber(text, 0, 3);
  const std::optional<int> bonds = fieldNumber(text, 3, 3);
  if (!atoms || !bonds || *atoms < 0 || *bonds < 0)
    return;
  const auto check = [&](int atom, const std::string& what) {
    if (atom < 1 || atom > *atoms)
      throw InputError{ static_cast<int>(line),
                        what + " names atom " + std::to_string(atom) + ", but the record has " +
                          std::to_string(*atoms) + " atoms" };
  };
  for (int i = 0; i < *atoms; ++i) {
    if (!next())
      return;
  }
  for (int i = 0; i < *bonds; ++i) {
    if (!next())
      return;
    const std::string what = "bond " + std::to_string(i + 1);
    for (const std::size_t from : { 0, 3 }) {
      if (const std::optional<int> atom = fieldNumber(text, from, 3))
        check(*atom, what);
    }
  }
  while (next() && text.rfind("M  END", 0) != 0) {
    const std::string kind = text.substr(0, 6);
    if (kind != "M  CHG" && kind != "M  ISO" && kind != "M  RAD")
      continue;
    std::istringstream fields(text.substr(6));
    int entries = 0;
    fields >> entries;
    for (int k = 0, atom = 0, value = 0; k < entries && fields >> atom >> value; ++k)
      check(atom, "\"" + kind + "\"");
  }
}

// A molfile, or an SDF whose records end at "$$$$" lines, each with its data items.
std::vector<MoleculeRecord> readMolRecords(std::string_view text, const ImportOptions& options)
{
  std::vector<MoleculeRecord> molecules;
  std::istringstream in{ std::string(text) };
  unsigned int line = 0;
  while (true) {
    // A record starts right here (its first line, the name, may be blank); only blank lines
    // up to the end of the input make no record.
    const std::streampos start = in.tellg();
    const unsigned int startLine = line;
    std::string probe;
    bool more = false;
    while (!more && std::getline(in, probe))
      more = !isBlank(probe);
    if (!more)
      break;
    in.clear();
    in.seekg(start);
    checkV2000References(in, startLine);
    in.clear();
    in.seekg(start);
    std::unique_ptr<RDKit::RWMol> mol;
    try {
      mol.reset(RDKit::MolDataStreamToMol(in, line, false, false, true));
    } catch (const RDKit::FileParseException& e) {
      throw InputError{ static_cast<int>(line), withoutLineSuffix(e.what()) };
    } catch (const std::bad_cast&) {
      throw InputError{ static_cast<int>(line), "a field that should be a number is not one" };
    } catch (const std::exception&) {
      // RDKit's internal checks (an index past a list) on input it did not expect.
      throw InputError{ static_cast<int>(startLine + 1), "the molfile record is malformed" };
    }
    if (!mol)
      throw InputError{ static_cast<int>(line), "the molfile record ends early" };
    sanitize(*mol, static_cast<int>(startLine + 1));
    MoleculeRecord m = recordOf(*mol, static_cast<int>(startLine + 1), options);
    mol->getPropIfPresent(RDKit::common_properties::_Name, m.name);
    m.data = readDataItems(in, line);
    molecules.push_back(std::move(m));
  }
  if (molecules.empty())
    throw InputError{ 0, "no molecule in the input" };
  return molecules;
}

std::vector<MoleculeRecord> readPdb(std::string_view text, const ImportOptions& options)
{
  std::unique_ptr<RDKit::RWMol> mol;
  try {
    mol.reset(RDKit::PDBBlockToMol(std::string(text), false, false));
  } catch (const std::exception& e) {
    throw InputError{ 0, e.what() };
  }
  if (!mol || mol->getNumAtoms() == 0)
    throw InputError{ 0, "no ATOM or HETATM records" };
  sanitize(*mol, 0);
  std::vector<MoleculeRecord> molecules;
  molecules.push_back(recordOf(*mol, 0, options));
  return molecules;
}

std::vector<MoleculeRecord> readRecords(std::string_view text,
                                        ExchangeFormat format,
                                        const ImportOptions& options)
{
  switch (format) {
    case ExchangeFormat::Smiles:
      return readSmilesLines(text, options);
    case ExchangeFormat::Mol:
    case ExchangeFormat::Sdf:
      return readMolRecords(text, options);
    case ExchangeFormat::Pdb:
      return readPdb(text, options);
    case ExchangeFormat::Xyz: {
      std::string error;
      std::vector<MoleculeRecord> molecules = readXyz(text, error);
      if (!error.empty())
        throw InputError{ 0, error };
      return molecules;
    }
    case ExchangeFormat::Tvx:
      break;
  }
  throw InputError{ 0, "not a molecule text format" };
}

// Coordinates that are no numbers (a molfile's "nan") never reach a document.
void checkCoordinates(const std::vector<MoleculeRecord>& molecules)
{
  for (std::size_t m = 0; m < molecules.size(); ++m) {
    const std::vector<AtomRecord>& atoms = molecules[m].atoms;
    for (std::size_t i = 0; i < atoms.size(); ++i) {
      if (std::isfinite(atoms[i].x) && std::isfinite(atoms[i].y) && std::isfinite(atoms[i].z))
        continue;
      const std::string where =
        molecules.size() > 1 ? "molecule " + std::to_string(m + 1) + ", " : "";
      throw InputError{
        0, where + "atom " + std::to_string(i + 1) + ": its coordinates are not numbers"
      };
    }
  }
}

// What an overflow of the drawing's 16-bit fields means for molecules being placed.
std::string tooLargeText()
{
  return "the molecules are too large for a drawing at a bond length of " +
         std::to_string(static_cast<int>(bondScale())) + " pixels";
}

std::string message(const std::string& source, const InputError& e, int lineOffset)
{
  std::string text = source + ": ";
  if (e.line > 0)
    text += "line " + std::to_string(e.line + lineOffset) + ": ";
  text += firstLine(e.what);
  return text;
}

/// The one-line reason work failed; empty when it did not.
std::string failureOf(const std::function<void()>& work)
{
  try {
    work();
  } catch (const InputError& e) {
    return firstLine(e.what);
  } catch (const OverflowError&) {
    return tooLargeText();
  } catch (const std::exception& e) {
    return firstLine(e.what());
  }
  return {};
}

// The most the program reads of a file in each format: far beyond any molecule or library a
// chemist keeps in one file, short of what would take the machine's memory.
std::size_t readLimit(ExchangeFormat format)
{
  constexpr std::size_t mebibyte = std::size_t{ 1 } << 20;
  switch (format) {
    case ExchangeFormat::Sdf:
      return 512 * mebibyte;
    case ExchangeFormat::Xyz:
    case ExchangeFormat::Pdb:
      return 256 * mebibyte;
    default:
      return 64 * mebibyte;
  }
}

std::string formatTitle(ExchangeFormat format)
{
  switch (format) {
    case ExchangeFormat::Smiles:
      return "SMILES";
    case ExchangeFormat::Mol:
      return "MOL";
    case ExchangeFormat::Sdf:
      return "SDF";
    case ExchangeFormat::Xyz:
      return "XYZ";
    case ExchangeFormat::Pdb:
      return "PDB";
    case ExchangeFormat::Tvx:
      break;
  }
  return "TVX";
}

} // namespace

ImportResult readMolecules(std::string_view text,
                           ExchangeFormat format,
                           const std::string& sourceName,
                           const ImportOptions& options)
{
  silenceRDKit();
  ImportResult result;
  try {
    std::vector<MoleculeRecord> molecules;
    runWithLargeStack([&] { molecules = readRecords(text, format, options); });
    checkCoordinates(molecules);
    for (MoleculeRecord& m : molecules)
      toDrawingUnits(m);
    result.drawing = buildDrawing(molecules, options.placeOnPage);
    if (!molecules.front().name.empty())
      result.drawing->title = molecules.front().name.substr(0, tvx::titleSize - 1);
  } catch (const InputError& e) {
    result.message = message(sourceName, e, options.lineOffset);
  } catch (const OverflowError&) {
    result.message = sourceName + ": " + tooLargeText();
  } catch (const std::exception& e) {
    result.message = sourceName + ": " + firstLine(e.what());
  }
  return result;
}

std::string readInputText(const std::string& path, ExchangeFormat format, std::string& text)
{
  const std::string name = path == "-" ? "standard input" : path;
  const std::size_t limit = readLimit(format);
  const std::string tooLong = name + ": longer than the " + std::to_string(limit >> 20) +
                              " MiB the program reads of a " + formatTitle(format) + " file";
  text.clear();
  if (path == "-") {
    // Read in pieces, one byte past the bound at most, so an endless input is refused.
    char buffer[65536];
    while (text.size() <= limit && std::cin.read(buffer, sizeof buffer).gcount() > 0)
      text.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
    if (text.size() > limit)
      return tooLong;
    if (std::cin.bad())
      return name + ": cannot be read";
    return {};
  }
  // Regular files only, opened without waiting: a folder, a pipe or a device is refused at once.
  IoResult result = IoResult::Ok;
  std::string reason;
  BinaryReader file =
    BinaryReader::fromFile(path, result, limit, BinaryReader::Source::RegularOnly, &reason);
  if (result == IoResult::TooLarge)
    return tooLong;
  if (result != IoResult::Ok)
    return name + ": " + reason;
  text.resize(file.size());
  file.bytes(text.data(), text.size());
  return {};
}

ImportResult importFile(const std::string& path,
                        ExchangeFormat format,
                        const ImportOptions& options)
{
  std::string text;
  if (std::string failure = readInputText(path, format, text); !failure.empty()) {
    ImportResult failed;
    failed.message = std::move(failure);
    return failed;
  }
  ImportResult result = readMolecules(text, format, path == "-" ? "standard input" : path, options);
  if (result.drawing) {
    const std::string stem = path == "-" ? "untitled" : std::filesystem::path(path).stem().string();
    result.drawing->fileName.assign(bareFileName(stem + ".tvx"));
  }
  return result;
}

std::string checkSmiles(std::string_view smiles, const ImportOptions& options)
{
  silenceRDKit();
  return failureOf([&] { smilesRecord(std::string(smiles), 0, options); });
}

std::string placeSmiles(std::string_view smiles, double x, double y, const ImportOptions& options)
{
  silenceRDKit();
  tDrawing* target = CurrentDrawing;
  if (!target)
    return "No document";
  return failureOf([&] {
    MoleculeRecord m = smilesRecord(std::string(smiles), 0, options);
    toDrawingUnits(m);
    double cx = 0, cy = 0, cz = 0;
    for (const AtomRecord& a : m.atoms) {
      cx += a.x;
      cy += a.y;
      cz += a.z;
    }
    const auto n = static_cast<double>(m.atoms.size());
    for (AtomRecord& a : m.atoms) {
      a.x += x - cx / n;
      a.y += y - cy / n;
      a.z -= cz / n;
    }
    std::unique_ptr<tDrawing> built = buildDrawing({ m }, false);
    for (tXY* a : built->Atoms)
      a->SetFont(messageFont()); // the font new atoms of the current document take
    mergeDrawing(*target, *built);
  });
}

void setEmbeddingCleanUp(EmbeddingCleanUp cleanUp)
{
  g_cleanUp = std::move(cleanUp);
}

} // namespace trelvix
