// The atom data record (346 bytes) and the coordinate record (three 6-byte reals) of tXY.
#include "model/atom.h"
#include "platform/checked.h"
#include "platform/record_bytes.h"

#include <algorithm>

namespace trelvix {

namespace {

// Offsets in the atom data record. The bytes at 7..10 (a copy of the screen position), 65..66,
// 132..322 and 343 are not read back; the program writes zeros there but for the copy.
constexpr std::size_t offAtomNumber = 0;
constexpr std::size_t offTextFlag = 2;
constexpr std::size_t offScreenX = 3;
constexpr std::size_t offScreenY = 5;
constexpr std::size_t offScreenCopy = 7;
constexpr std::size_t offDepth = 11;
constexpr std::size_t offPrevDepth = 13;
constexpr std::size_t offFont = 15;
constexpr std::size_t offSymbol = 67;
constexpr std::size_t offTextDirection = 323;
constexpr std::size_t offColour = 324;
constexpr std::size_t offSavedColour = 328;
constexpr std::size_t offPairCount = 332;
constexpr std::size_t offFreeValence = 333;
constexpr std::size_t offCharge = 334;
constexpr std::size_t offElement = 335;
constexpr std::size_t offAtomicWeight = 336;
constexpr std::size_t offStyle = 342;
constexpr std::size_t offShiftFlag = 344;

} // namespace

void tXY::getdata(AtomDataRecord& r) const
{
  r.fill(0);
  putField(r, offAtomNumber, atomNumber);
  r[offTextFlag] = textFlag;
  // The record keeps 16-bit screen positions: a position beyond them cannot be stored.
  putField(r, offScreenX, checkedNarrow<std::int16_t>(screenX));
  putField(r, offScreenY, checkedNarrow<std::int16_t>(screenY));
  std::copy_n(r.begin() + offScreenX, 4, r.begin() + offScreenCopy);
  putField(r, offDepth, depth);
  putField(r, offPrevDepth, prevDepth);
  const auto packedFont = font.pack();
  std::copy(packedFont.begin(), packedFont.end(), r.begin() + offFont);
  // The text field holds up to 255 characters in the file; the atom keeps 64, and the bytes past
  // the text are written as zeros.
  r[offSymbol] = static_cast<std::uint8_t>(symbol.size());
  std::copy_n(symbol.chars.begin(), symbol.size(), r.begin() + offSymbol + 1);
  r[offTextDirection] = static_cast<std::uint8_t>(textDirection);
  putField(r, offColour, colour);
  putField(r, offSavedColour, savedColour);
  r[offPairCount] = static_cast<std::uint8_t>(pairCount);
  r[offFreeValence] = static_cast<std::uint8_t>(freeValence);
  r[offCharge] = static_cast<std::uint8_t>(charge);
  r[offElement] = static_cast<std::uint8_t>(element);
  // Only a damaged record holds a weight beyond the 6-byte range; it is written as 0.
  const auto weight = encodeReal48(atomicWeight).value_or(Real48Bytes{});
  std::copy(weight.begin(), weight.end(), r.begin() + offAtomicWeight);
  r[offStyle] = style;
  r[offShiftFlag] = shiftFlag;
}

void tXY::AssignData(const AtomDataRecord& r)
{
  atomNumber = getField<std::int16_t>(r, offAtomNumber);
  textFlag = r[offTextFlag];
  screenX = prevScreenX = getField<std::int16_t>(r, offScreenX);
  screenY = prevScreenY = getField<std::int16_t>(r, offScreenY);
  depth = getField<std::int16_t>(r, offDepth);
  prevDepth = getField<std::int16_t>(r, offPrevDepth);
  std::array<std::uint8_t, FontRecord::packedSize> packedFont;
  std::copy_n(r.begin() + offFont, packedFont.size(), packedFont.begin());
  font = FontRecord::unpack(packedFont);
  symbol.length =
    std::min<std::uint8_t>(r[offSymbol], static_cast<std::uint8_t>(symbol.chars.size()));
  std::copy_n(r.begin() + offSymbol + 1, symbol.chars.size(), symbol.chars.begin());
  textDirection = static_cast<std::int8_t>(r[offTextDirection]);
  colour = getField<std::uint32_t>(r, offColour);
  savedColour = getField<std::uint32_t>(r, offSavedColour);
  pairCount = static_cast<std::int8_t>(r[offPairCount]);
  freeValence = static_cast<std::int8_t>(r[offFreeValence]);
  charge = static_cast<std::int8_t>(r[offCharge]);
  element = static_cast<std::int8_t>(r[offElement]);
  Real48Bytes weight;
  std::copy_n(r.begin() + offAtomicWeight, weight.size(), weight.begin());
  atomicWeight = static_cast<float>(decodeReal48(weight));
  style = r[offStyle];
  shiftFlag = r[offShiftFlag];
}

void tXY::WriteData(BinaryWriter& out) const
{
  AtomDataRecord r;
  getdata(r);
  out.bytes(r.data(), r.size());
}

bool tXY::ReadData(BinaryReader& in)
{
  AtomDataRecord r;
  if (!in.bytes(r.data(), r.size()))
    return false;
  AssignData(r);
  return true;
}

void tXY::WriteXYZ(BinaryWriter& out) const
{
  out.real48(x3);
  out.real48(y3);
  out.real48(z3);
}

bool tXY::Readxyz(BinaryReader& in)
{
  XyzRecord r;
  if (!in.bytes(r.data(), r.size()))
    return false;
  setxyz(r);
  return true;
}

} // namespace trelvix
