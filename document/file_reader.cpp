// Reading the document file. Nothing in the file is trusted: every count is checked against the
// bytes that remain, every reference against its list, and a file that ends early keeps what it
// held completely.
#include "document/drawing.h"
#include "document/file_format.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"
#include "platform/checked.h"
#include "platform/shell.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace trelvix {

namespace {

constexpr const char* endOfFileText = "end of file";
constexpr const char* invalidFormatText = "Invalid file format";

/// Raised inside the reader for a reference outside its list; the load then fails as a whole.
struct FormatError
{};

std::string fixedText(const std::uint8_t* bytes, std::size_t size)
{
  return std::string(reinterpret_cast<const char*>(bytes),
                     strnlen(reinterpret_cast<const char*>(bytes), size));
}

class Reader
{
public:
  Reader(std::vector<std::uint8_t> bytes, std::string* reason)
    : m_in(std::move(bytes))
    , m_reason(reason)
  {
  }

  std::unique_ptr<tDrawing> read();

private:
  void readHeader();
  void readAtoms();
  void readBonds();
  void readGroups();
  void readRings();
  void readSymbols();
  void readExtended();
  void rescale();

  /// The count word of a section; 0 once the file has ended.
  std::size_t count();
  /// True when n more bytes are there; otherwise the file counts as ended from here.
  bool has(std::size_t n);
  /// A structure section into s: its fragment record and its members. False when cut short.
  bool readSection(tStructure& s, bool checkMembers);

  BinaryReader m_in;
  std::string* m_reason;
  std::unique_ptr<tDrawing> m_doc;
  std::vector<tXY*> m_recordAtoms; ///< per atom record; nullptr for a record of no known kind
  std::uint16_t m_headerScale = 0;
  bool m_ended = false;
  bool m_tailCut = false; ///< the file ends within the sections after the coordinates
};

bool Reader::has(std::size_t n)
{
  if (m_ended)
    return false;
  if (m_in.remaining() < n) {
    m_ended = true;
    return false;
  }
  return true;
}

std::size_t Reader::count()
{
  if (m_ended || m_in.remaining() == 0) {
    m_ended = true;
    return 0;
  }
  if (!has(2))
    return 0;
  return m_in.u16();
}

void Reader::readHeader()
{
  std::uint8_t header[tvx::headerSize];
  m_in.bytes(header, sizeof header);
  m_doc->version = static_cast<std::uint16_t>(header[0] | (header[1] << 8));
  m_headerScale = static_cast<std::uint16_t>(header[3] | (header[4] << 8));
  std::array<std::uint8_t, FontRecord::packedSize> font;
  std::copy_n(header + 6, font.size(), font.begin());
  m_doc->font = FontRecord::unpack(font);
  m_doc->title = fixedText(header + 56, tvx::titleSize);
  m_doc->author = fixedText(header + 152, tvx::authorSize);
  m_doc->notes = fixedText(header + 248, tvx::notesSize);
  m_doc->savedFlag = 1;
}

// A new atom of the record's kind, placed at the record's screen position and depth (the
// coordinate section, when there is one, refines it).
tXY* atomFromRecord(const AtomDataRecord& r)
{
  const std::uint8_t kind = r[2];
  const auto element = static_cast<std::int8_t>(r[335]);
  if (element < 0 || element > maxElement)
    throw FormatError{};
  tXY* atom = nullptr;
  switch (kind) {
    case tSXY::symbolPointKind:
      atom = new tSXY(0, 0);
      break;
    case 0:
      atom = new tAtm(0, 0, 0, 0);
      break;
    case tLAtm::labelKind:
      atom = new tLAtm(0, 0, "");
      break;
    case tFormula::formulaKind:
      atom = new tFormula(0, 0, "");
      break;
    default:
      return nullptr;
  }
  atom->AssignData(r);
  atom->x3 = atom->screenX;
  atom->y3 = atom->screenY;
  atom->z3 = atom->depth;
  atom->updatexyz();
  return atom;
}

void Reader::readAtoms()
{
  const std::size_t n = count();
  m_recordAtoms.reserve(std::min(n, m_in.remaining() / atomDataSize));
  for (std::size_t i = 0; i < n && has(atomDataSize); ++i) {
    AtomDataRecord r;
    m_in.bytes(r.data(), r.size());
    tXY* atom = atomFromRecord(r);
    m_recordAtoms.push_back(atom);
    if (!atom)
      continue;
    m_doc->Atoms.Add(atom);
    if (atom->textFlag == tLAtm::labelKind || atom->textFlag == tFormula::formulaKind)
      m_doc->Labels.Add(atom);
  }
}

void Reader::readBonds()
{
  const std::size_t n = count();
  for (std::size_t i = 0; i < n && has(bondDataSize); ++i) {
    auto* bond = new tbond(nullptr, nullptr);
    m_doc->Bonds.Add(bond); // owned by the document from here, even if the load then fails
    bond->ReadData(m_in, m_doc->Atoms);
    // Positions are unsigned words in the file.
    bond->Atm1 = m_doc->Atoms.At(static_cast<std::uint16_t>(bond->index1));
    bond->Atm2 = m_doc->Atoms.At(static_cast<std::uint16_t>(bond->index2));
    if (!bond->Atm1 || !bond->Atm2)
      throw FormatError{};
    bond->idealLengthSum = bond->Atm1->CovRadius() + bond->Atm2->CovRadius();
  }
}

bool Reader::readSection(tStructure& s, bool checkMembers)
{
  if (!has(fragmentDataSize))
    return false;
  FragmentDataRecord record;
  m_in.bytes(record.data(), record.size());
  s.AssignData(record);
  // A member named twice is listed once; the sets keep that check cheap for large pieces.
  std::unordered_set<const void*> listed;
  for (int list = 0; list < 2; ++list) {
    if (!has(2))
      return false;
    const std::size_t n = m_in.u16();
    for (std::size_t i = 0; i < n; ++i) {
      if (!has(2))
        return false;
      const int position = m_in.u16();
      if (list == 0) {
        tXY* atom = m_doc->Atoms.At(position);
        if (!atom && checkMembers)
          throw FormatError{};
        if (atom && listed.insert(atom).second)
          s.Atoms.Add(atom);
      } else {
        tLink* bond = m_doc->Bonds.At(position);
        if (!bond && checkMembers)
          throw FormatError{};
        if (bond && listed.insert(bond).second)
          s.Bonds.Add(bond);
      }
    }
  }
  return true;
}

void Reader::readGroups()
{
  const std::size_t n = count();
  for (std::size_t i = 0; i < n && !m_ended; ++i) {
    auto group = std::make_unique<tStructure>();
    if (!readSection(*group, true))
      return;
    m_doc->Groups.Add(group.release());
  }
}

void Reader::readRings()
{
  // Ring sections are read past; they carry nothing into the document.
  const std::size_t n = count();
  for (std::size_t i = 0; i < n && !m_ended; ++i) {
    tStructure ring;
    readSection(ring, false);
  }
}

// A symbol frees what its lists hold; members read from the file are the document's objects.
void releaseMembers(tStructure& s)
{
  s.Atoms.deleteall();
  s.Bonds.deleteall();
}

void Reader::readSymbols()
{
  const std::size_t n = count();
  for (std::size_t i = 0; i < n && has(2); ++i) {
    const std::uint16_t kind = m_in.u16();
    std::unique_ptr<tSymbol> symbol = makeSymbol(kind);
    if (!symbol) {
      // A kind the program does not draw: its section is read past and nothing is added.
      tStructure unknown;
      if (!readSection(unknown, false))
        return;
      continue;
    }
    symbol->DisposeAtoms();
    symbol->DisposeBonds();
    bool complete = false;
    try {
      complete = readSection(*symbol, true);
    } catch (const FormatError&) {
      releaseMembers(*symbol);
      throw;
    }
    if (!complete) {
      releaseMembers(*symbol);
      return;
    }
    // The entry's kind word chose the class; the section's own kind byte may not contradict it.
    symbol->symbolKind = kind;
    m_doc->AddSymbol(symbol.release());
  }
}

void Reader::readExtended()
{
  for (tXY* atom : m_recordAtoms) {
    if (!has(tvx::coordinateSize))
      break;
    if (atom)
      atom->Readxyz(m_in);
    else
      m_in.skip(tvx::coordinateSize);
  }
  if (m_ended || m_in.remaining() == 0) {
    m_ended = true;
    return;
  }
  // The sections after the coordinates may be missing too; the drawing is whole without them,
  // but the file is still cut short.
  m_doc->view3d = m_in.u8();
  if (m_in.remaining() == 0) {
    m_tailCut = true;
    return;
  }
  const std::uint8_t view = m_in.u8();
  m_doc->viewMode = view % 100 > 19 ? 0 : view;
  if (m_in.remaining() < 2) {
    m_tailCut = true;
    return;
  }
  if (m_in.u16() != 0) {
    for (tStructure* g : m_doc->Groups) {
      if (m_in.remaining() < tvx::soluteSize) {
        m_tailCut = true;
        g->clearVDWparms();
        continue;
      }
      SoluteData data;
      data.phase = m_in.u8();
      data.parameterFlag = m_in.u8();
      data.amount = m_in.f64();
      std::array<double, 13> fileOrder;
      for (double& p : fileOrder)
        p = m_in.f64();
      m_in.skip(12);
      g->SetVDWparms(data.phase, data.parameterFlag, fileOrder);
      g->amount = data.amount;
      g->valueB = 0;
    }
  }
  if (m_in.remaining() >= 2)
    m_doc->bondLength = m_in.u16();
  else
    m_tailCut = true;
}

void Reader::rescale()
{
  const double target = bondScale();
  double factor = 0;
  if (m_headerScale >= 16 && m_headerScale <= 32) {
    factor = target / m_headerScale;
  } else {
    // Drawn at an unusual scale: measure it from the carbon-carbon single bonds.
    double mean = 0;
    int k = 0;
    for (const tLink* b : m_doc->Bonds) {
      if (b->Atm1->element == 6 && b->Atm2->element == 6 && b->order() == 2) {
        ++k;
        mean = (b->RLength() + (k - 1) * mean) / k;
      }
    }
    if (mean > 0.01)
      factor = target / mean;
  }
  if (factor > 0)
    m_doc->Zoom(factor);
  m_doc->update();
  m_doc->bondLength = modelDefaults().BondScalePixels;
}

std::unique_ptr<tDrawing> Reader::read()
{
  m_doc = std::make_unique<tDrawing>();
  if (m_in.size() < tvx::headerSize) {
    showMessage(invalidFormatText, "", MessageIcon::Error);
    if (m_reason)
      *m_reason = m_in.size() == 0 ? "the file is empty" : "shorter than a document's header";
    return nullptr;
  }
  try {
    readHeader();
    // The format's versions run up to the program's own; two bytes of text (a molfile's name)
    // make a far larger number.
    if (m_doc->version == 0 || m_doc->version > tDrawing::programVersion) {
      showMessage(invalidFormatText, "", MessageIcon::Error);
      if (m_reason)
        *m_reason = "not a Trelvix3D document";
      return nullptr;
    }
    readAtoms();
    readBonds();
    readGroups();
    readRings();
    readSymbols();
    const bool extended = m_doc->version > tvx::lastShortVersion;
    if (extended)
      readExtended();
    if (extended && m_ended)
      showMessage(endOfFileText, "", MessageIcon::None);
    if (extended && (m_ended || m_tailCut) && m_reason)
      *m_reason = "the file ends before its last section";
  } catch (const FormatError&) {
    showMessage(invalidFormatText, "", MessageIcon::Error);
    return nullptr;
  } catch (const OverflowError&) {
    // Coordinates beyond any drawing surface: no document a user made.
    showMessage(invalidFormatText, "", MessageIcon::Error);
    return nullptr;
  }
  try {
    rescale();
  } catch (const OverflowError& e) {
    // A sound file that does not fit the drawing at the bond length in force: the file is not
    // to blame, the scale is.
    showMessage(e.what(), "", MessageIcon::Error);
    if (m_reason)
      *m_reason = "the document does not fit the drawing at a bond length of " +
                  std::to_string(modelDefaults().BondScalePixels) + " pixels";
    return nullptr;
  }
  return std::move(m_doc);
}

} // namespace

std::unique_ptr<tDrawing> readDrawing(std::vector<std::uint8_t> bytes, std::string* reason)
{
  return Reader(std::move(bytes), reason).read();
}

std::string bareFileName(const std::string& path)
{
  const auto slash = path.find_last_of("/\\:");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.substr(0, 79);
}

std::unique_ptr<tDrawing> loadDrawing(const std::string& path, std::string* reason)
{
  IoResult result = IoResult::Ok;
  BinaryReader file =
    BinaryReader::fromFile(path, result, tvx::maxFileSize, BinaryReader::Source::AnyFile, reason);
  if (result == IoResult::TooLarge) {
    showMessage(invalidFormatText, "", MessageIcon::Error);
    return nullptr;
  }
  if (result != IoResult::Ok) {
    char text[32];
    std::snprintf(text, sizeof text, "I/O Error %2d", static_cast<int>(result));
    showMessage(text, "", MessageIcon::Information);
    return nullptr;
  }
  std::vector<std::uint8_t> bytes(file.size());
  file.bytes(bytes.data(), bytes.size());
  std::unique_ptr<tDrawing> doc = readDrawing(std::move(bytes), reason);
  if (doc) {
    doc->fileName.assign(bareFileName(path));
    doc->update();
  }
  return doc;
}

} // namespace trelvix
