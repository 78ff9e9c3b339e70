#pragma once

#include "platform/font_record.h"

#include <cstdint>

namespace trelvix {

/// The user defaults the model reads: the bond-length scale, the line width, the default font and
/// the arrow-key nudge. The program loads them from the defaults file at start; tests set them
/// through ModelDefaultsScope.
struct ModelDefaults
{
  /// Drawn length, in drawing units, of a 1.53 Å bond.
  std::uint16_t BondScalePixels = 28;
  /// Pen width of drawn lines, 0..3.
  std::uint8_t LineWidth = 1;
  FontRecord font = defaultFontRecord();
  std::int16_t JumpX = 16;
  std::int16_t JumpY = 16;
  /// The 3D draw mode: templates are shaped and tidied in 3D as they are built.
  bool DrawMode3D = false;
  /// The 2D styles write element symbols and draw each half of a bond in its element's ink
  /// (elementInk); off, they stay black.
  bool ElementColours = false;
};

ModelDefaults& modelDefaults();

/// The bond-length scales the program works at, drawing units. Drawn depths are 16-bit words: at
/// 1000 a molecule already reaches them 32 bond lengths from its centre, and below 4 rounding to
/// whole pixels folds bonds onto their atoms. A scale outside (a damaged defaults file) is not
/// used.
inline constexpr int minBondScale = 4;
inline constexpr int maxBondScale = 1000;

/// Ångström per drawing unit: 1.53 / bond-length scale. A scale of 0 (a damaged defaults file)
/// is read as the reset value 28 so that lengths stay finite.
double angstromsPerUnit();

/// The bond-length scale as a real, 28 when the stored scale is 0.
double bondScale();

/// The message font of the document being edited: new atoms take it. The document registers its
/// own record; without a document it is the default font.
const FontRecord& messageFont();
void setMessageFontSource(const FontRecord* font);

/// Sets the defaults for the lifetime of a test and restores the previous ones after.
class ModelDefaultsScope
{
public:
  explicit ModelDefaultsScope(const ModelDefaults& defaults = ModelDefaults{});
  ~ModelDefaultsScope();
  ModelDefaultsScope(const ModelDefaultsScope&) = delete;
  ModelDefaultsScope& operator=(const ModelDefaultsScope&) = delete;

private:
  ModelDefaults m_saved;
};

} // namespace trelvix
