#include "platform/font_record.h"

#include <algorithm>
#include <cstring>

namespace trelvix {

namespace {

void put16(std::array<std::uint8_t, FontRecord::packedSize>& b, std::size_t at, std::int16_t v)
{
  const auto u = static_cast<std::uint16_t>(v);
  b[at] = static_cast<std::uint8_t>(u & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

std::int16_t get16(const std::array<std::uint8_t, FontRecord::packedSize>& b, std::size_t at)
{
  return static_cast<std::int16_t>(b[at] | (b[at + 1] << 8));
}

constexpr std::size_t faceOffset = 18;

} // namespace

std::string FontRecord::face() const
{
  return std::string(faceName.data(), strnlen(faceName.data(), faceSize));
}

void FontRecord::setFace(std::string_view name)
{
  faceName.fill(0);
  std::copy_n(name.begin(), std::min(name.size(), faceSize), faceName.begin());
}

std::array<std::uint8_t, FontRecord::packedSize> FontRecord::pack() const
{
  std::array<std::uint8_t, packedSize> b{};
  put16(b, 0, height);
  put16(b, 2, width);
  put16(b, 4, escapement);
  put16(b, 6, orientation);
  put16(b, 8, weight);
  const std::uint8_t flags[8] = { italic,       underline,     strikeOut, charSet,
                                  outPrecision, clipPrecision, quality,   pitchAndFamily };
  std::copy_n(flags, 8, b.begin() + 10);
  std::memcpy(b.data() + faceOffset, faceName.data(), faceSize);
  return b;
}

FontRecord FontRecord::unpack(const std::array<std::uint8_t, packedSize>& b)
{
  FontRecord f;
  f.height = get16(b, 0);
  f.width = get16(b, 2);
  f.escapement = get16(b, 4);
  f.orientation = get16(b, 6);
  f.weight = get16(b, 8);
  f.italic = b[10];
  f.underline = b[11];
  f.strikeOut = b[12];
  f.charSet = b[13];
  f.outPrecision = b[14];
  f.clipPrecision = b[15];
  f.quality = b[16];
  f.pitchAndFamily = b[17];
  std::memcpy(f.faceName.data(), b.data() + faceOffset, faceSize);
  return f;
}

FontRecord defaultFontRecord()
{
  FontRecord f;
  f.height = 13; // a 10-point cell at 96 dots per inch
  f.weight = 400;
  f.quality = 2;
  f.pitchAndFamily = 2;
  f.setFace("MS Sans Serif");
  return f;
}

} // namespace trelvix
