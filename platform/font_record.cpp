#include "platform/font_record.h"

#include "platform/record_bytes.h"

#include <algorithm>

namespace trelvix {

namespace {

// Offsets in the packed record: five 16-bit fields, eight byte fields, then the face name.
constexpr std::size_t flagsOffset = 10;
constexpr std::size_t faceOffset = 18;

} // namespace

std::string FontRecord::face() const
{
  return std::string(faceName.begin(), std::find(faceName.begin(), faceName.end(), '\0'));
}

void FontRecord::setFace(std::string_view name)
{
  faceName.fill('\0');
  std::copy_n(name.begin(), std::min(name.size(), faceSize), faceName.begin());
}

std::array<std::uint8_t, FontRecord::packedSize> FontRecord::pack() const
{
  std::array<std::uint8_t, packedSize> b{};
  putField(b, 0, height);
  putField(b, 2, width);
  putField(b, 4, escapement);
  putField(b, 6, orientation);
  putField(b, 8, weight);
  const std::uint8_t flags[] = { italic,       underline,     strikeOut, charSet,
                                 outPrecision, clipPrecision, quality,   pitchAndFamily };
  std::copy(std::begin(flags), std::end(flags), b.begin() + flagsOffset);
  std::transform(faceName.begin(), faceName.end(), b.begin() + faceOffset, [](char c) {
    return static_cast<std::uint8_t>(c);
  });
  return b;
}

FontRecord FontRecord::unpack(const std::array<std::uint8_t, packedSize>& b)
{
  FontRecord f;
  f.height = getField<std::int16_t>(b, 0);
  f.width = getField<std::int16_t>(b, 2);
  f.escapement = getField<std::int16_t>(b, 4);
  f.orientation = getField<std::int16_t>(b, 6);
  f.weight = getField<std::int16_t>(b, 8);
  std::uint8_t* const flags[] = {
    &f.italic,       &f.underline,     &f.strikeOut, &f.charSet,
    &f.outPrecision, &f.clipPrecision, &f.quality,   &f.pitchAndFamily
  };
  for (std::size_t i = 0; i < std::size(flags); ++i)
    *flags[i] = b[flagsOffset + i];
  std::transform(b.begin() + faceOffset, b.end(), f.faceName.begin(), [](std::uint8_t c) {
    return static_cast<char>(c);
  });
  return f;
}

FontRecord defaultFontRecord()
{
  FontRecord f;
  f.height = 13; // a 10-point cell at 96 dots per inch: 10 * 96 / 72 rounded
  f.width = 0;   // the face's own aspect
  f.weight = 400;
  f.quality = 2;        // proof quality
  f.pitchAndFamily = 2; // variable pitch
  f.setFace("MS Sans Serif");
  return f;
}

} // namespace trelvix
