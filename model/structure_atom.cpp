#include "model/structure_atom.h"

#include "model/bond_list.h"
#include "model/font_io.h"

namespace trelvix {

namespace {

// Bytes of the font record that each of the five 4-byte transfers of the 3D atom record starts
// at: every 16-bit integer of the font, carrying the two bytes after it.
constexpr std::size_t fontTransferCount = 5;

} // namespace

tAtm::tAtm(int z, double x, double y, std::uint8_t style)
  : tXY(z, x, y, style)
  , bonds(std::make_unique<tbonds>())
{
}

tAtm::~tAtm() = default;

void tAtm::write3ddata(BinaryWriter& out) const
{
  out.u8(textFlag);
  writeStateFields(out);
  const auto packed = font.pack();
  for (std::size_t i = 0; i < fontTransferCount; ++i)
    out.bytes(packed.data() + 2 * i, 4);
  out.bytes(packed.data() + 10, 8);
  writeFaceName(out, font);
}

void tAtm::Read3ddata(BinaryReader& in)
{
  textFlag = in.u8();
  readStateFields(in);
  // Each transfer overwrites the two bytes the next one starts with; the eight font bytes that
  // follow restore the tail, so a write followed by a read gives back every field.
  auto packed = font.pack();
  for (std::size_t i = 0; i < fontTransferCount; ++i)
    in.bytes(packed.data() + 2 * i, 4);
  in.bytes(packed.data() + 10, 8);
  if (in.ok())
    font = FontRecord::unpack(packed);
  readFaceName(in, font);
}

tSXY::tSXY(double x, double y)
  : tAtm(0, x, y, 0)
{
  textFlag = symbolPointKind;
}

std::uint8_t tSXY::ChangeStyle(std::uint8_t, bool)
{
  return style;
}

} // namespace trelvix
