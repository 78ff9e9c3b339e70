#include "model/base_atom.h"

#include "model/font_io.h"

#include <bit>

namespace trelvix {

std::uint32_t tbaseatm::partialChargeLowWord() const
{
  return static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(partialCharge));
}

void tbaseatm::setPartialChargeLowWord(std::uint32_t word)
{
  const auto bits = std::bit_cast<std::uint64_t>(partialCharge);
  partialCharge = std::bit_cast<double>((bits & 0xFFFFFFFF00000000ULL) | word);
}

void tbaseatm::writeStateFields(BinaryWriter& out) const
{
  out.i8(pairCount);
  out.i8(freeValence);
  out.i8(charge);
  out.i8(element);
  out.u8(style);
  out.u8(shiftFlag);
  out.f64(x3);
  out.f64(y3);
  out.f64(z3);
  out.u32(partialChargeLowWord());
  out.f32(atomicWeight);
  out.i8(textDirection);
  out.u32(colour);
  out.shortString(symbol);
}

void tbaseatm::readStateFields(BinaryReader& in)
{
  pairCount = in.i8();
  freeValence = in.i8();
  charge = in.i8();
  element = in.i8();
  style = in.u8();
  shiftFlag = in.u8();
  x3 = in.f64();
  y3 = in.f64();
  z3 = in.f64();
  setPartialChargeLowWord(in.u32());
  atomicWeight = in.f32();
  textDirection = in.i8();
  colour = in.u32();
  symbol = in.shortString<64>();
}

void tbaseatm::write3ddata(BinaryWriter& out) const
{
  out.i16(atomNumber);
  out.i16(hybridisation);
  out.u8(textFlag);
  writeStateFields(out);
  writeFontFields(out, font);
  writeFaceName(out, font);
}

void tbaseatm::Read3ddata(BinaryReader& in)
{
  atomNumber = in.i16();
  hybridisation = in.i16();
  textFlag = in.u8();
  readStateFields(in);
  readFontFields(in, font);
  readFaceName(in, font);
}

} // namespace trelvix
