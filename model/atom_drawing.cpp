#include "model/atom.h"
#include "model/atom_host.h"
#include "model/bond_list.h"
#include "model/defaults.h"
#include "model/element_colours.h"
#include "model/label.h"
#include "model/link.h"
#include "platform/canvas_state_scope.h"
#include "platform/shaded_sphere.h"
#include "platform/shell.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace trelvix {

namespace {

constexpr int hydrogen = 1;
constexpr int carbon = 6;
constexpr Colour red = 0x0000FF;

enum class Figure : std::uint8_t
{
  Disc,   // flat circle with the grey outline
  Ball,   // flat circle outlined in half its colour
  Sphere, // shaded sphere
};

/// How a ball or sphere style draws: its figure, whether it is filled white instead of the
/// element colour, the radius factor and whether the symbol (not of H or C) goes on top.
struct FigureStyle
{
  std::uint8_t style;
  Figure figure;
  bool white;
  double factor;
  bool symbol;
};

constexpr std::array figureStyles{
  FigureStyle{ 4, Figure::Ball, false, 1.1, true },
  FigureStyle{ 6, Figure::Disc, false, 1.1, false },
  FigureStyle{ 7, Figure::Disc, true, 1.1, false },
  FigureStyle{ 8, Figure::Ball, false, 0.7, false },
  FigureStyle{ 9, Figure::Ball, false, 1.1, false },
  FigureStyle{ 10, Figure::Sphere, false, 1.1, false },
  FigureStyle{ 11, Figure::Disc, true, 1.1, true },
  FigureStyle{ 14, Figure::Sphere, false, 1.1, true },
  FigureStyle{ 15, Figure::Disc, false, 1.1, false },
  FigureStyle{ 16, Figure::Sphere, true, 1.1, false },
  FigureStyle{ 17, Figure::Sphere, true, 1.1, true },
  FigureStyle{ 18, Figure::Sphere, true, 1.1, false },
};

const FigureStyle* figureStyleOf(std::uint8_t style)
{
  const auto* found = std::find_if(figureStyles.begin(),
                                   figureStyles.end(),
                                   [style](const FigureStyle& f) { return f.style == style; });
  return found == figureStyles.end() ? nullptr : found;
}

/// "H" and the count (the count only above 1); empty without hydrogens.
std::string hydrogenText(int count)
{
  if (count <= 0)
    return {};
  return count == 1 ? std::string("H") : "H" + std::to_string(count);
}

} // namespace

bool tXY::showsLinearCarbon() const
{
  if (element != carbon || style != 0 || !isatom())
    return false;
  AtomHost* host = atomHost();
  if (!host)
    return false;
  int doubles = 0;
  for (const tLink* b : host->hostBonds()) {
    if (b->visible == 0 || (b->Atm1 != this && b->Atm2 != this))
      continue;
    const int type = b->bondType();
    if (type == TripleBond || type == TripleResonanceBond)
      return true;
    doubles += type == DoubleBond ? 1 : 0;
  }
  return doubles >= 2;
}

Rect tXY::labelBox(Canvas& canvas)
{
  const CanvasStateScope state(canvas);
  canvas.setFont(font);
  const Point at{ screenX, screenY };
  std::uint8_t shown = style;
  if (shown == 0 && showsLinearCarbon())
    shown = 1;
  switch (shown) {
    case 1: {
      tLabel label(canvas,
                   textDirection,
                   shiftFlag == 2 ? tLabel::Backwards : tLabel::Forwards,
                   0,
                   font,
                   symbol.str() + SCharge());
      const Rect box = label.Extent(canvas, at);
      canvas.setFont(label.previousFont);
      return box;
    }
    case 2: {
      const std::string sym = symbol.str();
      const std::string hs = hydrogenText(mult());
      const std::string prefix = shiftFlag == 2 ? hs : std::string();
      const std::string text = prefix + sym + (shiftFlag == 2 ? std::string() : hs) + SCharge();
      if (text.empty())
        return {};
      tLabel label(canvas, textDirection, tLabel::Forwards, 0, font, text);
      const int prefixWidth = prefix.empty() ? 0 : canvas.textExtent(prefix).width;
      const int firstHalf = canvas.textExtent(text.substr(0, 1)).width / 2;
      const int symHalf = sym.empty() ? firstHalf : canvas.textExtent(sym.substr(0, 1)).width / 2;
      const Rect box = label.Extent(
        canvas, Point{ at.x - textDirection * prefixWidth + firstHalf - symHalf, at.y });
      canvas.setFont(label.previousFont);
      return box;
    }
    case 5: {
      const std::string text = symbol.str();
      const TextExtent e = canvas.textExtent(text);
      const int left = shiftFlag == 2 ? at.x - e.width : at.x;
      return Rect{ left, at.y - e.height / 2, left + e.width, at.y - e.height / 2 + e.height };
    }
    default:
      return {};
  }
}

int tXY::iRadius() const
{
  const double s = bondScale();
  if (element == hydrogen)
    return static_cast<int>(std::lround(s * 30 / 153));
  const double r = Radius();
  if (r < 0.5)
    return static_cast<int>(std::lround(s * 50 / 153));
  if (r > 1.5)
    return static_cast<int>(std::lround(s * 150 / 153));
  // 0.6535947712418301 = 1/1.53: Ångström to scale lengths
  return static_cast<int>(std::lround(r * s * 0.6535947712418301));
}

int tXY::perspectiveRadius(double factor) const
{
  const double f = element == hydrogen ? 1.3 : factor;
  const double r = iRadius();
  return static_cast<int>(std::lround((r + r * 0.03 * z3 / bondScale()) * f));
}

int tXY::figureRadius(std::uint8_t figureStyle) const
{
  const FigureStyle* figure = figureStyleOf(figureStyle);
  return figure ? perspectiveRadius(figure->factor) : 0;
}

void tXY::drawellipse(Canvas& canvas, int r, Colour fill, Colour outline) const
{
  drawDisc(canvas, Point{ screenX, screenY }, r, fill, outline);
}

void tXY::drawball(Canvas& canvas, int r, Colour colour) const
{
  drawellipse(canvas, r, colour, scaleChannels(colour, 1, 2));
}

void tXY::drawsphere(Canvas& canvas, int r, Colour colour) const
{
  canvas.shadedSphere(Point{ screenX, screenY }, r, colour);
}

void tXY::showdot(Canvas& canvas) const
{
  canvas.ellipse(Rect{ screenX - 2, screenY - 2, screenX + 2, screenY + 2 });
}

void tXY::showbox(Colour c)
{
  Canvas& canvas = canvasdc();
  const CanvasStateScope state(canvas);
  canvas.setPen(Pen{ PenStyle::Solid, canvas.pen().width, c });
  showdot(canvas);
}

void tXY::showText(Canvas& canvas)
{
  const CanvasStateScope state(canvas);
  const std::string text = symbol.str();
  const int h = canvas.textExtent(text).height;
  canvas.setTextColour(colour);
  canvas.setTextAlign(TextAlign{ shiftFlag == 2 ? HAlign::Right : HAlign::Left, VAlign::Top });
  canvas.text(Point{ screenX, screenY - h / 2 }, text);
}

void tXY::ShowQ(Canvas& canvas)
{
  const std::string q = SCharge();
  if (q.empty())
    return;
  const CanvasStateScope state(canvas);
  const TextExtent first = canvas.textExtent(q.substr(0, 1));
  canvas.setTextColour(colour);
  canvas.setTextAlign(TextAlign{ HAlign::Left, VAlign::Top });
  canvas.text(Point{ screenX + first.width / 2, screenY - first.height }, q);
}

void tXY::ShowQ()
{
  ShowQ(canvasdc());
}

void tXY::showN(Canvas& canvas)
{
  if (atomNumber == 0)
    return;
  const CanvasStateScope state(canvas);
  std::string beside = symbol.str();
  if (style == 2)
    beside += hydrogenText(mult());
  const int halfFirst = canvas.textExtent(beside.substr(0, 1)).width / 2;
  const int besideWidth = canvas.textExtent(beside).width;
  const std::string number = std::to_string(atomNumber).substr(0, 2);
  FontRecord small = font;
  small.height = static_cast<std::int16_t>(font.height * 7 / 10);
  canvas.setFont(small);
  const int numberHeight = canvas.textExtent(number).height;
  // After the text for shift flag 0 (the symbol's first character is centred on the atom, so the
  // text ends half a character short of its full width), at the atom for shift flag 2 (the
  // hydrogens are written on the other side). Raised by half its height from a vertically
  // centred place, so its bottom lies at the atom's y: an index beside the symbol.
  const int x = shiftFlag == 2 ? screenX + textDirection * halfFirst
                               : screenX + textDirection * (besideWidth - halfFirst);
  canvas.setTextColour(colour);
  canvas.setTextAlign(TextAlign{ HAlign::Left, VAlign::Top });
  canvas.text(Point{ x, screenY - numberHeight }, number);
}

void tXY::print(Canvas& canvas)
{
  const CanvasStateScope state(canvas);
  canvas.setFont(font);
  // The written styles (skeletal, symbol, symbol with hydrogens) take the element's ink when the
  // 2D styles colour by element; a coloured (highlighted, hidden) atom keeps its colour.
  const bool written = style <= 2 && isatom();
  canvas.setTextColour(
    written && modelDefaults().ElementColours && colour == black ? elementInk(element) : colour);
  const Point at{ screenX, screenY };

  // The symbol written over a ball, sphere or circle: centred on the atom both ways.
  const auto symbolOnFigure = [&] {
    if (element == hydrogen || element == carbon)
      return;
    const std::string text = symbol.str();
    const TextExtent e = canvas.textExtent(text);
    canvas.setTextAlign(TextAlign{ HAlign::Left, VAlign::Top });
    canvas.text(Point{ at.x - e.width / 2, at.y - e.height / 2 }, text);
  };

  // A formula label of the atom's font, direction and shift flag at anchor; the canvas gets its
  // font back afterwards (the label lends it its own to measure with).
  const auto formula = [&](const std::string& text, Point anchor) {
    tLabel label(
      canvas, textDirection, shiftFlag == 2 ? tLabel::Backwards : tLabel::Forwards, 0, font, text);
    label.Formula(canvas, anchor);
    canvas.setFont(label.previousFont);
  };

  switch (style) {
    case 0:
      // A linear carbon shows its symbol: in CO2 or HCN a bare vertex would vanish in the line.
      if (showsLinearCarbon()) {
        formula(symbol.str() + SCharge(), at);
        return;
      }
      // Skeletal atom: only the charge, and the number of a numbered carbon.
      ShowQ(canvas);
      if (atomNumber != 0 && symbol.str() == "C")
        showN(canvas);
      return;
    case 1:
      formula(symbol.str() + SCharge(), at);
      return;
    case 2: {
      // The symbol with its hydrogens as a chemist writes them, NH2 or H2N (shift flag 2), and
      // the charge raised after: the symbol's first character stays centred on the atom, the
      // hydrogens go to the side the shift flag names, digits become subscripts.
      const std::string sym = symbol.str();
      const std::string hs = hydrogenText(mult());
      const std::string prefix = shiftFlag == 2 ? hs : std::string();
      const std::string text = prefix + sym + (shiftFlag == 2 ? std::string() : hs) + SCharge();
      if (text.empty())
        return;
      tLabel label(canvas, textDirection, tLabel::Forwards, 0, font, text);
      const Canvas& measure = canvas;
      const int prefixWidth = prefix.empty() ? 0 : measure.textExtent(prefix).width;
      const int firstHalf = measure.textExtent(text.substr(0, 1)).width / 2;
      const int symHalf = sym.empty() ? firstHalf : measure.textExtent(sym.substr(0, 1)).width / 2;
      label.Formula(canvas,
                    Point{ at.x - textDirection * prefixWidth + firstHalf - symHalf, at.y });
      canvas.setFont(label.previousFont);
      return;
    }
    case 5:
      showText(canvas);
      return;
    default:
      break;
  }

  const FigureStyle* figure = figureStyleOf(style);
  if (!figure)
    return;
  const Colour fill = figure->white ? white : elementColour(element);
  const int r = perspectiveRadius(figure->factor);
  switch (figure->figure) {
    case Figure::Disc:
      drawellipse(canvas, r, fill, outlineGrey);
      break;
    case Figure::Ball:
      drawball(canvas, r, fill);
      break;
    case Figure::Sphere:
      drawsphere(canvas, r, fill);
      break;
  }
  if (figure->symbol)
    symbolOnFigure();
}

void tXY::show()
{
  print(canvasdc());
}

void tXY::hide()
{
  const Colour old = Color(white);
  show();
  Color(old);
}

void tXY::highlight()
{
  Color(red);
  show();
}

void tXY::showcolor(Colour c)
{
  const Colour old = Color(c);
  show();
  Color(old);
}

} // namespace trelvix
