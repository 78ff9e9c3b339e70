#include "model/label.h"
#include "platform/canvas_state_scope.h"

#include <string>
#include <string_view>

namespace trelvix {

namespace {

bool isSign(char c)
{
  return c == '+' || c == '-';
}

bool isDigit(char c)
{
  return c >= '0' && c <= '9';
}

/// Selects font and left-top alignment on canvas for the lifetime of the scope.
class TextScope
{
public:
  TextScope(Canvas& canvas, const FontRecord& font)
    : m_state(canvas)
  {
    canvas.setFont(font);
    canvas.setTextAlign(TextAlign{ HAlign::Left, VAlign::Top });
  }

private:
  CanvasStateScope m_state;
};

/// Character i (1-based) of all with its top-left corner at at; nothing outside the text.
void showCharacter(Canvas& canvas, const FontRecord& font, const std::string& all, int i, Point at)
{
  if (i < 1 || i > static_cast<int>(all.size()))
    return;
  const TextScope scope(canvas, font);
  canvas.text(at, std::string_view(all).substr(static_cast<std::size_t>(i - 1), 1));
}

} // namespace

void tLabel::Show(Canvas& canvas, Point at)
{
  const TextScope scope(canvas, font);
  canvas.text(at, text.str());
}

void tLabel::ShowLtrHi(Canvas& canvas, int i, Point at)
{
  showCharacter(canvas, font, text.str(), i, Point{ at.x, at.y - textHeight * 5 / 6 });
}

void tLabel::ShowLtrLo(Canvas& canvas, int i, Point at)
{
  showCharacter(canvas, font, text.str(), i, Point{ at.x, at.y - textHeight / 6 });
}

void tLabel::ShowLtr(Canvas& canvas, int i, Point at)
{
  showCharacter(canvas, font, text.str(), i, Point{ at.x, at.y - textHeight / 2 });
}

void tLabel::Formula(Canvas& canvas, Point anchor)
{
  const std::string all(text.str());
  const int length = static_cast<int>(all.size());
  if (length == 0 || (layout != Forwards && layout != Backwards))
    return;
  const FontRecord before = canvas.font();
  canvas.setFont(font);
  const auto widthOf = [&](int from, int count) {
    return count <= 0 ? 0 : canvas.textExtent(std::string_view(all).substr(from, count)).width;
  };
  const int half = widthOf(0, 1) / 2;
  const auto drawCharacter = [&](int i, Point at) {
    const char c = all[i - 1];
    if (isSign(c) || (isDigit(c) && i > 1 && isSign(all[i - 2])))
      ShowLtrHi(canvas, i, at);
    else if (isDigit(c))
      ShowLtrLo(canvas, i, at);
    else
      ShowLtr(canvas, i, at);
  };
  if (layout == Forwards) {
    for (int i = 1; i <= length; ++i)
      drawCharacter(i, Point{ anchor.x - half + direction * widthOf(0, i - 1), anchor.y });
  } else {
    // Characters i .. length - 1: everything from i up to, not including, the last one.
    for (int i = length; i >= 1; --i)
      drawCharacter(i, Point{ anchor.x + half - direction * widthOf(i - 1, length - i), anchor.y });
  }
  canvas.setFont(before);
}

void tLabel::HideFormula(Canvas& canvas, Point anchor)
{
  const Colour saved = canvas.textColour();
  canvas.setTextColour(white);
  Formula(canvas, anchor);
  canvas.setTextColour(saved);
}

} // namespace trelvix
