// Writing the document file.
#include "document/drawing.h"
#include "document/file_format.h"
#include "document/symbol.h"
#include "model/atom.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "platform/checked.h"
#include "platform/shell.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>

namespace trelvix {

namespace {

constexpr const char* tooLargeText = "The drawing is too large to be saved";
// The file's screen positions are signed 16-bit words.
constexpr std::int64_t farthestPosition = 32767;
constexpr const char* invalidNameText = "Invalid FileName";
constexpr const char* pathNotFoundText = "Path not found";
constexpr const char* writeFailedText = "Cannot write the file";

/// Positions of the document's atoms and bonds, the words every reference in the file is.
struct Positions
{
  std::unordered_map<const tXY*, std::uint16_t> atoms;
  std::unordered_map<const tLink*, std::uint16_t> bonds;
};

/// A drawing the format cannot hold; the save is refused before anything is written.
struct TooLarge
{};

std::uint16_t word(std::size_t n)
{
  if (n > tvx::maxCount)
    throw TooLarge{};
  return static_cast<std::uint16_t>(n);
}

// Which limit of the file the drawing passes, in the user's words: a count beyond the 16-bit
// counts, else the farthest of the atoms outside the 16-bit positions, else a
// coordinate beyond the 6-byte reals.
std::string tooLargeReason(const tDrawing& d)
{
  const struct
  {
    const char* what;
    int count;
  } counts[] = { { "atoms", d.Atoms.Count() },
                 { "bonds", d.Bonds.Count() },
                 { "structures", d.Groups.Count() },
                 { "symbols", d.Symbols->Count() } };
  for (const auto& c : counts) {
    if (static_cast<std::size_t>(c.count) > tvx::maxCount)
      return "it holds " + std::to_string(c.count) + " " + c.what + ", and a .tvx file holds " +
             std::to_string(tvx::maxCount) + " at most";
  }
  std::int64_t reach = 0;
  for (const tXY* a : d.Atoms) {
    for (const std::int64_t p : { a->screenX, a->screenY }) {
      if (p > farthestPosition || p < -farthestPosition - 1)
        reach = std::max(reach, p < 0 ? -p : p);
    }
  }
  if (reach > 0)
    return "an atom lies " + std::to_string(reach) +
           " pixels from the top left corner, and a .tvx file holds positions up to " +
           std::to_string(farthestPosition) + " pixels (a shorter bond length draws it smaller)";
  return "a coordinate lies beyond the range a .tvx file holds";
}

void writeText(BinaryWriter& out, const std::string& text, std::size_t size)
{
  std::vector<std::uint8_t> field(size, 0);
  std::memcpy(field.data(), text.data(), std::min(text.size(), size - 1));
  out.bytes(field.data(), field.size());
}

void writeHeader(BinaryWriter& out, const tDrawing& d)
{
  out.u16(tDrawing::programVersion);
  out.u8(1);
  out.u16(modelDefaults().BondScalePixels);
  out.u8(0);
  const auto font = d.font.pack();
  out.bytes(font.data(), font.size());
  writeText(out, d.title, tvx::titleSize);
  writeText(out, d.author, tvx::authorSize);
  writeText(out, d.notes, tvx::notesSize);
}

// The fragment record and the member positions of a structure section. Members not in the
// document have no position and are left out.
void writeSection(BinaryWriter& out, const tStructure& s, const Positions& at)
{
  std::vector<std::uint16_t> atoms;
  std::vector<std::uint16_t> bonds;
  for (const tXY* a : s.Atoms) {
    if (const auto it = at.atoms.find(a); it != at.atoms.end())
      atoms.push_back(it->second);
  }
  for (const tLink* b : s.Bonds) {
    if (const auto it = at.bonds.find(b); it != at.bonds.end())
      bonds.push_back(it->second);
  }
  FragmentDataRecord record;
  s.getdata(record, word(atoms.size()), word(bonds.size()));
  out.bytes(record.data(), record.size());
  out.u16(word(atoms.size()));
  for (std::uint16_t p : atoms)
    out.u16(p);
  out.u16(word(bonds.size()));
  for (std::uint16_t p : bonds)
    out.u16(p);
}

// The order that makes loading, which puts every reaction arrow after the first in front, give
// back the list as it is: the last of the leading arrows first, then the rest, then the other
// leading arrows from back to front.
std::vector<const tSymbol*> symbolWriteOrder(const tSymbols& symbols)
{
  const auto isReactionArrow = [](const tSymbol* s) {
    return s->symbolKind >= 102 && s->symbolKind <= 105;
  };
  std::vector<const tSymbol*> list(symbols.begin(), symbols.end());
  std::size_t leading = 0;
  while (leading < list.size() && isReactionArrow(list[leading]))
    ++leading;
  if (leading == 0)
    return list;
  std::vector<const tSymbol*> order;
  order.push_back(list[leading - 1]);
  order.insert(order.end(), list.begin() + static_cast<std::ptrdiff_t>(leading), list.end());
  for (std::size_t i = leading - 1; i-- > 0;)
    order.push_back(list[i]);
  return order;
}

std::vector<std::uint8_t> writeAll(tDrawing& d)
{
  Positions at;
  word(d.Atoms.Count());
  word(d.Bonds.Count());
  for (int i = 0; i < d.Atoms.Count(); ++i)
    at.atoms.emplace(d.Atoms.At(i), static_cast<std::uint16_t>(i));
  for (int i = 0; i < d.Bonds.Count(); ++i)
    at.bonds.emplace(d.Bonds.At(i), static_cast<std::uint16_t>(i));

  d.viewMode = static_cast<std::uint8_t>(d.viewMode % 100);
  BinaryWriter out;
  writeHeader(out, d);

  out.u16(word(d.Atoms.Count()));
  for (const tXY* a : d.Atoms) {
    AtomDataRecord r;
    try {
      a->getdata(r);
    } catch (const OverflowError&) {
      throw TooLarge{}; // a screen position beyond the file's 16-bit words
    }
    out.bytes(r.data(), r.size());
  }
  out.u16(word(d.Bonds.Count()));
  const tAtoms noAtoms;
  for (const tLink* b : d.Bonds) {
    BondDataRecord r;
    b->getdata(r, noAtoms);
    // Positions are unsigned words, taken from the index rather than searched for.
    const auto first = at.atoms.find(b->Atm1);
    const auto second = at.atoms.find(b->Atm2);
    if (first == at.atoms.end() || second == at.atoms.end())
      throw TooLarge{}; // a bond to an atom outside the document cannot be stored
    r[18] = static_cast<std::uint8_t>(first->second & 0xFF);
    r[19] = static_cast<std::uint8_t>(first->second >> 8);
    r[20] = static_cast<std::uint8_t>(second->second & 0xFF);
    r[21] = static_cast<std::uint8_t>(second->second >> 8);
    out.bytes(r.data(), r.size());
  }
  out.u16(word(d.Groups.Count()));
  for (const tStructure* g : d.Groups)
    writeSection(out, *g, at);
  out.u16(0); // rings
  out.u16(word(d.Symbols->Count()));
  for (const tSymbol* s : symbolWriteOrder(*d.Symbols)) {
    out.u16(s->symbolKind);
    writeSection(out, *s, at);
  }
  for (const tXY* a : d.Atoms)
    a->WriteXYZ(out);
  out.u8(d.view3d);
  out.u8(d.viewMode);
  out.u16(word(d.Groups.Count()));
  for (const tStructure* g : d.Groups) {
    const SoluteData data = g->GetSoluteData();
    out.u8(data.phase);
    out.u8(data.parameterFlag);
    out.f64(data.amount);
    static constexpr int fileOrder[13] = { 0, 1, 2, 3, 4, 5, 8, 9, 10, 6, 7, 11, 12 };
    for (int index : fileOrder)
      out.f64(data.p[static_cast<std::size_t>(index)]);
    out.zeros(12);
  }
  out.u16(d.bondLength);
  if (!out.ok())
    throw TooLarge{}; // a coordinate beyond the 6-byte real's range
  return out.data();
}

} // namespace

std::vector<std::uint8_t> writeDrawing(tDrawing& drawing)
{
  const std::uint8_t viewMode = drawing.viewMode;
  try {
    std::vector<std::uint8_t> bytes = writeAll(drawing);
    drawing.savedFlag = 1;
    return bytes;
  } catch (const TooLarge&) {
  } catch (const OverflowError&) {
    // a frame or a line offset beyond the file's 16-bit words
  }
  drawing.viewMode = viewMode;
  showMessage(std::string(tooLargeText) + ": " + tooLargeReason(drawing), "", MessageIcon::Error);
  return {};
}

bool saveDrawing(tDrawing& drawing, const std::string& path, std::string* reason)
{
  if (drawing.Atoms.empty())
    return false;
  const std::uint8_t savedFlag = drawing.savedFlag;
  const std::vector<std::uint8_t> bytes = writeDrawing(drawing);
  if (bytes.empty())
    return false;
  const IoResult result = saveFile(path, bytes, reason);
  if (result != IoResult::Ok) {
    drawing.savedFlag = savedFlag;
    // A folder that is not there, a disk that refuses the bytes, and otherwise a name the
    // system will not let the program write.
    const char* text = result == IoResult::PathNotFound  ? pathNotFoundText
                       : result == IoResult::WriteFailed ? writeFailedText
                                                         : invalidNameText;
    showMessage(text, "", MessageIcon::None);
    return false;
  }
  drawing.fileName.assign(bareFileName(path));
  return true;
}

} // namespace trelvix
