#include "model/label.h"

#include "platform/checked.h"

namespace trelvix {

tLabel::tLabel(Canvas& target,
               std::int8_t newDirection,
               std::uint16_t newLayout,
               std::int32_t newValue,
               const FontRecord& newFont,
               std::string_view newText)
  : font(newFont)
  , value(newValue)
  , text(newText)
  , direction(newDirection)
  , layout(newLayout)
{
  canvas = &target;
  previousFont = target.font();
  target.setFont(font);
  textHeight = target.textExtent(text.str()).height;
}

tLabel::~tLabel() = default;

void tLabel::ChangeSign()
{
  direction = checkedNarrow<std::int8_t>(-static_cast<std::int64_t>(direction));
}

} // namespace trelvix
