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

  /// Stores the fields, makes font the main canvas's font (previousFont keeps the one it had; the
  /// main canvas is left with the label's font) and measures textHeight with it. The text keeps
  /// its first 64 characters.
  tLabel(std::int8_t direction,
         std::uint16_t layout,
         std::int32_t value,
         const FontRecord& font,
         std::string_view text);
  ~tLabel() override;

  /// The font the label draws with.
  FontRecord font;
  /// The main canvas's font before the label's font was given to it.
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
};

} // namespace trelvix
