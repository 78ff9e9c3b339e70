// The 23-byte bond data record of tLink.
#include "model/atom_list.h"
#include "model/link.h"

namespace trelvix {

namespace {

constexpr std::size_t offShare = 0;
constexpr std::size_t offType = 1;
constexpr std::size_t offColour = 2;
// Bytes 6..9 are not read back; the program writes zeros there.
constexpr std::size_t offLineStyle = 10;
constexpr std::size_t offCisTrans = 11;
constexpr std::size_t offOffsetX = 12;
constexpr std::size_t offOffsetY = 14;
constexpr std::size_t offFlip = 16;
constexpr std::size_t offWidth = 17;
constexpr std::size_t offIndex1 = 18;
constexpr std::size_t offIndex2 = 20;
constexpr std::size_t offVisible = 22;

void put16(BondDataRecord& r, std::size_t at, std::int16_t v)
{
  const auto u = static_cast<std::uint16_t>(v);
  r[at] = static_cast<std::uint8_t>(u & 0xFF);
  r[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

std::int16_t get16(const BondDataRecord& r, std::size_t at)
{
  return static_cast<std::int16_t>(r[at] | (r[at + 1] << 8));
}

} // namespace

void tLink::getdata(BondDataRecord& r, const tAtoms& atomList) const
{
  r.fill(0);
  r[offShare] = hybShare;
  r[offType] = typeCode;
  for (std::size_t i = 0; i < 4; ++i)
    r[offColour + i] = static_cast<std::uint8_t>(colour >> (8 * i));
  r[offLineStyle] = static_cast<std::uint8_t>(lineStyle);
  r[offCisTrans] = static_cast<std::uint8_t>(cisTrans);
  put16(r, offOffsetX, offsetX);
  put16(r, offOffsetY, offsetY);
  r[offFlip] = flipSide;
  r[offWidth] = penWidth;
  put16(r, offIndex1, atomList.storedIndexOf(Atm1));
  put16(r, offIndex2, atomList.storedIndexOf(Atm2));
  r[offVisible] = visible;
}

void tLink::AssignData(const BondDataRecord& r)
{
  hybShare = r[offShare];
  typeCode = r[offType];
  colour = 0;
  for (std::size_t i = 0; i < 4; ++i)
    colour |= static_cast<Colour>(r[offColour + i]) << (8 * i);
  lineStyle = static_cast<std::int8_t>(r[offLineStyle]);
  cisTrans = static_cast<std::int8_t>(r[offCisTrans]);
  offsetX = get16(r, offOffsetX);
  offsetY = get16(r, offOffsetY);
  flipSide = r[offFlip];
  penWidth = r[offWidth];
  index1 = get16(r, offIndex1);
  index2 = get16(r, offIndex2);
  visible = r[offVisible];
}

bool tLink::ReadData(BinaryReader& in)
{
  BondDataRecord r;
  if (!in.bytes(r.data(), r.size()))
    return false;
  AssignData(r);
  return true;
}

void tLink::WriteData(BinaryWriter& out, const tAtoms& atomList) const
{
  BondDataRecord r;
  getdata(r, atomList);
  out.bytes(r.data(), r.size());
}

} // namespace trelvix
