#include "model/bond.h"

#include "model/atom.h"
#include "model/atom_list.h"

namespace trelvix {

bool tbond::ReadData(BinaryReader& in, const tAtoms& atomList)
{
  if (!tLink::ReadData(in))
    return false;
  Atm1 = atomList.At(index1);
  Atm2 = atomList.At(index2);
  return true;
}

void tbond::Write3ddata(BinaryWriter& out, const tAtoms& atomList)
{
  index1 = atomList.storedIndexOf(Atm1);
  index2 = atomList.storedIndexOf(Atm2);
  out.u8(visible);
  out.u8(typeCode);
  out.u8(hybShare);
  out.u8(penWidth);
  out.i8(lineStyle);
  out.i8(cisTrans);
  out.u32(colour);
  out.u8(flipSide);
  out.i16(offsetX);
  out.i16(offsetY);
  out.i16(index1);
  out.i16(index2);
}

bool tbond::Read3ddata(BinaryReader& in, const tAtoms& atomList)
{
  std::uint8_t raw[19];
  if (!in.bytes(raw, sizeof raw))
    return false;
  BinaryReader record(std::vector<std::uint8_t>(raw, raw + sizeof raw));
  visible = record.u8();
  typeCode = record.u8();
  hybShare = record.u8();
  penWidth = record.u8();
  lineStyle = record.i8();
  cisTrans = record.i8();
  colour = record.u32();
  flipSide = record.u8();
  offsetX = record.i16();
  offsetY = record.i16();
  index1 = record.i16();
  index2 = record.i16();
  Atm1 = atomList.At(index1);
  Atm2 = atomList.At(index2);
  return true;
}

} // namespace trelvix
