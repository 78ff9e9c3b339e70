#include "model/font_io.h"

#include <cstring>

namespace trelvix {

void writeFaceName(BinaryWriter& out, const FontRecord& font)
{
  ShortString<FontRecord::faceSize> face;
  face.chars = font.faceName;
  face.length = static_cast<std::uint8_t>(strnlen(font.faceName.data(), FontRecord::faceSize));
  out.shortString(face);
}

void readFaceName(BinaryReader& in, FontRecord& font)
{
  const auto face = in.shortString<FontRecord::faceSize>();
  if (in.ok())
    font.setFace(face.str());
}

void writeFontFields(BinaryWriter& out, const FontRecord& font)
{
  const auto packed = font.pack();
  out.bytes(packed.data(), 18);
}

void readFontFields(BinaryReader& in, FontRecord& font)
{
  auto packed = font.pack();
  if (in.bytes(packed.data(), 18))
    font = FontRecord::unpack(packed);
}

} // namespace trelvix
