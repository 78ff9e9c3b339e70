#pragma once

#include "model/base_object.h"
#include "platform/font_record.h"
#include "platform/short_string.h"

#include <cstdint>
#include <string_view>

namespace trelvix {

/// A short text drawn as a chemical formula: digits become subscripts, a sign and the digits
/// after it superscripts, everything else stays on the base line. Atoms use a temporary label to
/// draw their symbol with its charge; the document keeps its free text labels as labels too.
class tLabel : public tbaseobject
{
public:
  /// How the characters are laid out from the anchor.
  enum Layout : std::uint16_t
  {
    /// Written forwards, the first character centred on the anchor.
    Forwards = 0,
    /// Written backwards from the last character, which starts half a character width past the
    /// anchor.
    Backwards = 2
  };

  /// Stores the fields, makes font the font of canvas, the canvas the label measures and draws on
  /// (previousFont keeps the one it had; canvas is left with the label's font) and measures
  /// textHeight with it. The text keeps its first 64 characters.
  tLabel(Canvas& canvas,
         std::int8_t direction,
         std::uint16_t layout,
         std::int32_t value,
         const FontRecord& font,
         std::string_view text);
  ~tLabel() override;

  /// The font the label draws with.
  FontRecord font;
  /// The canvas's font before the label's font was given to it.
  FontRecord previousFont;
  /// Given at construction and kept for the caller; the label itself does not use it.
  std::int32_t value = 0;
  ShortString<64> text;
  /// +1 writes left to right from the anchor, -1 right to left.
  std::int8_t direction = 1;
  /// A Layout code; other values draw nothing.
  std::uint16_t layout = Forwards;
  /// Height in pixels of the text in the label's font, measured at construction.
  std::int32_t textHeight = 0;

  /// direction := -direction. OverflowError (label unchanged) for a direction of -128.
  virtual void ChangeSign();

  // Drawing (label_drawing.cpp). Points are pixels on canvas; characters are 1-based. Each
  // operation draws in the label's font and the canvas's text colour and leaves the canvas's font
  // and text alignment as they were.
  /// The whole text with its top-left corner at at.
  virtual void Show(Canvas& canvas, Point at);
  /// Character i raised as a superscript: its top at y - textHeight * 5 / 6.
  virtual void ShowLtrHi(Canvas& canvas, int i, Point at);
  /// Character i lowered as a subscript: its top at y - textHeight / 6.
  virtual void ShowLtrLo(Canvas& canvas, int i, Point at);
  /// Character i on the base line: its top at y - textHeight / 2.
  virtual void ShowLtr(Canvas& canvas, int i, Point at);
  /// The text as a chemical formula, character by character, from the anchor by the layout and
  /// direction: a sign is a superscript, a digit after a sign too, a digit after a letter, a
  /// closing bracket or a subscript digit a subscript ("O2"), any other digit a coefficient on
  /// the base line ("2 O2", "2H2O"), every other character on the base line. Character widths are
  /// measured on canvas in the label's font. An empty text or an unknown layout draws nothing.
  virtual void Formula(Canvas& canvas, Point anchor);
  /// The box, in pixels, that Formula(canvas, anchor) covers with the characters on the base
  /// line (from textHeight / 2 above the anchor to as far below it); an empty box (all zero) for
  /// an empty text or an unknown layout. Measured on canvas, whose font is left as it was.
  virtual Rect Extent(Canvas& canvas, Point anchor);
  /// Formula in white (erasing the label on a white page), then the text colour restored.
  virtual void HideFormula(Canvas& canvas, Point anchor);
};

} // namespace trelvix
