#include "model/label.h"
#include "platform/canvas_state_scope.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

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

bool isLetter(char c)
{
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool closesGroup(char c)
{
  return c == ')' || c == ']';
}

enum class Place : std::uint8_t
{
  Base,
  Raised,
  Lowered
};

/// Where each character of a formula goes: signs and the digits after a sign raised (charges),
/// digits that count what stands before them lowered (subscripts), leading digits (a
/// coefficient) and everything else on the base line.
std::vector<Place> placesOf(const std::string& all)
{
  std::vector<Place> places(all.size(), Place::Base);
  for (std::size_t i = 0; i < all.size(); ++i) {
    const char c = all[i];
    const char before = i > 0 ? all[i - 1] : ' ';
    if (isSign(c) || (isDigit(c) && i > 0 && isSign(before)))
      places[i] = Place::Raised;
    else if (isDigit(c) && i > 0 &&
             (isLetter(before) || closesGroup(before) || places[i - 1] == Place::Lowered))
      places[i] = Place::Lowered;
  }
  return places;
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

namespace {

/// The left x of each character of a formula laid out from anchor (see tLabel::Formula).
std::vector<int> characterLefts(Canvas& canvas,
                                const std::string& all,
                                std::uint16_t layout,
                                std::int8_t direction,
                                Point anchor)
{
  const int length = static_cast<int>(all.size());
  const auto widthOf = [&](int from, int count) {
    return count <= 0 ? 0 : canvas.textExtent(std::string_view(all).substr(from, count)).width;
  };
  const int half = widthOf(0, 1) / 2;
  std::vector<int> lefts(all.size());
  for (int i = 1; i <= length; ++i) {
    lefts[static_cast<std::size_t>(i - 1)] =
      layout == tLabel::Forwards ? anchor.x - half + direction * widthOf(0, i - 1)
                                 // Characters i .. length - 1: everything from i up to, not
                                 // including, the last one.
                                 : anchor.x + half - direction * widthOf(i - 1, length - i);
  }
  return lefts;
}

} // namespace

void tLabel::Formula(Canvas& canvas, Point anchor)
{
  const std::string all(text.str());
  if (all.empty() || (layout != Forwards && layout != Backwards))
    return;
  const FontRecord before = canvas.font();
  canvas.setFont(font);
  const std::vector<int> lefts = characterLefts(canvas, all, layout, direction, anchor);
  const std::vector<Place> places = placesOf(all);
  // Forwards from the first character, backwards from the last.
  const int length = static_cast<int>(all.size());
  for (int n = 0; n < length; ++n) {
    const int i = layout == Forwards ? n + 1 : length - n;
    const Point at{ lefts[static_cast<std::size_t>(i - 1)], anchor.y };
    switch (places[static_cast<std::size_t>(i - 1)]) {
      case Place::Raised:
        ShowLtrHi(canvas, i, at);
        break;
      case Place::Lowered:
        ShowLtrLo(canvas, i, at);
        break;
      case Place::Base:
        ShowLtr(canvas, i, at);
        break;
    }
  }
  canvas.setFont(before);
}

Rect tLabel::Extent(Canvas& canvas, Point anchor)
{
  const std::string all(text.str());
  if (all.empty() || (layout != Forwards && layout != Backwards))
    return {};
  const FontRecord before = canvas.font();
  canvas.setFont(font);
  const std::vector<int> lefts = characterLefts(canvas, all, layout, direction, anchor);
  Rect box{ lefts[0], anchor.y - textHeight / 2, lefts[0], anchor.y + (textHeight + 1) / 2 };
  for (std::size_t i = 0; i < all.size(); ++i) {
    const int width = canvas.textExtent(std::string_view(all).substr(i, 1)).width;
    box.left = std::min(box.left, lefts[i]);
    box.right = std::max(box.right, lefts[i] + width);
  }
  canvas.setFont(before);
  return box;
}

void tLabel::HideFormula(Canvas& canvas, Point anchor)
{
  const Colour saved = canvas.textColour();
  canvas.setTextColour(white);
  Formula(canvas, anchor);
  canvas.setTextColour(saved);
}

} // namespace trelvix
