#pragma once

#include "platform/font_record.h"

#include <cstdint>

namespace trelvix {

/// A font with the given height, width, orientation and face and a distinct value in every other
/// field (escapement 900, weight 700, italic .. pitch and family 1 .. 8), so a field that travels
/// to the wrong place in a record shows.
inline FontRecord sampleFont(std::int16_t height,
                             std::int16_t width,
                             std::int16_t orientation,
                             const char* face)
{
  FontRecord f;
  f.height = height;
  f.width = width;
  f.escapement = 900;
  f.orientation = orientation;
  f.weight = 700;
  f.italic = 1;
  f.underline = 2;
  f.strikeOut = 3;
  f.charSet = 4;
  f.outPrecision = 5;
  f.clipPrecision = 6;
  f.quality = 7;
  f.pitchAndFamily = 8;
  f.setFace(face);
  return f;
}

} // namespace trelvix
