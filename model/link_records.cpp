// The 23-byte bond data record of tLink.
#include "model/atom_list.h"
#include "model/link.h"
#include "platform/record_bytes.h"

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

} // namespace

void tLink::getdata(BondDataRecord& r, const tAtoms& atomList) const
{
  r.fill(0);
  r[offShare] = hybShare;
  r[offType] = typeCode;
  putField(r, offColour, colour);
  r[offLineStyle] = static_cast<std::uint8_t>(lineStyle);
  r[offCisTrans] = static_cast<std::uint8_t>(cisTrans);
  putField(r, offOffsetX, offsetX);
  putField(r, offOffsetY, offsetY);
  r[offFlip] = flipSide;
  r[offWidth] = penWidth;
  putField(r, offIndex1, atomList.storedIndexOf(Atm1));
  putField(r, offIndex2, atomList.storedIndexOf(Atm2));
  r[offVisible] = visible;
}

void tLink::AssignData(const BondDataRecord& r)
{
  hybShare = r[offShare];
  typeCode = r[offType];
  colour = getField<std::uint32_t>(r, offColour);
  lineStyle = static_cast<std::int8_t>(r[offLineStyle]);
  cisTrans = static_cast<std::int8_t>(r[offCisTrans]);
  offsetX = getField<std::int16_t>(r, offOffsetX);
  offsetY = getField<std::int16_t>(r, offOffsetY);
  flipSide = r[offFlip];
  penWidth = r[offWidth];
  index1 = getField<std::int16_t>(r, offIndex1);
  index2 = getField<std::int16_t>(r, offIndex2);
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
