#include "model/element_colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trelvix {

namespace {

struct ElementColour
{
  int z;
  Colour colour;
};

// Colours are 0xBBGGRR: blue in the high byte.
constexpr std::array elementColours{
  ElementColour{ 1, 0xBFFFFF },  // H
  ElementColour{ 2, 0xFFFFFF },  // He
  ElementColour{ 5, 0x7F7FFF },  // B
  ElementColour{ 6, 0x7F7F7F },  // C
  ElementColour{ 7, 0xFF0000 },  // N
  ElementColour{ 8, 0x0000FF },  // O
  ElementColour{ 9, 0x00FF7F },  // F
  ElementColour{ 10, 0xFFFFFF }, // Ne
  ElementColour{ 14, 0x3F3F7F }, // Si
  ElementColour{ 15, 0x00007F }, // P
  ElementColour{ 16, 0x00BFBF }, // S
  ElementColour{ 17, 0x7FFF00 }, // Cl
  ElementColour{ 18, 0xFFFFFF }, // Ar
  ElementColour{ 24, 0x00BF00 }, // Cr
  ElementColour{ 26, 0x0000BF }, // Fe
  ElementColour{ 27, 0xBF3F3F }, // Co
  ElementColour{ 29, 0xBFBF00 }, // Cu
  ElementColour{ 33, 0x3F3F7F }, // As
  ElementColour{ 34, 0x00007F }, // Se
  ElementColour{ 35, 0x007FFF }, // Br
  ElementColour{ 36, 0xFFFFFF }, // Kr
  ElementColour{ 52, 0x7F5F7F }, // Te
  ElementColour{ 53, 0x7F007F }, // I
  ElementColour{ 54, 0xFFFFFF }, // Xe
  ElementColour{ 79, 0x3FAFAF }, // Au
  ElementColour{ 85, 0x7F3F7F }, // At
  ElementColour{ 86, 0xFFFFFF }, // Rn
};

constexpr Colour otherElementColour = 0xBFBFBF;

} // namespace

Colour elementColour(int z)
{
  const auto* found = std::find_if(
    elementColours.begin(), elementColours.end(), [z](const ElementColour& e) { return e.z == z; });
  return found == elementColours.end() ? otherElementColour : found->colour;
}

Colour elementInk(int z)
{
  if (z == 1 || z == 6)
    return black;
  const Colour c = elementColour(z);
  const double red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
  // Relative luminance (ITU-R BT.601 weights); ink lighter than 0.45 of white is hard to read on
  // a white page, so its channels are scaled down to that, which keeps the hue.
  constexpr double darkest = 0.45;
  const double luminance = (0.299 * red + 0.587 * green + 0.114 * blue) / 255;
  const double f = luminance > darkest ? darkest / luminance : 1.0;
  const auto channel = [f](double v) { return static_cast<Colour>(std::lround(v * f)); };
  return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

} // namespace trelvix
