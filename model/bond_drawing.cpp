#include "model/atom.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_colours.h"
#include "model/link.h"
#include "platform/canvas_state_scope.h"
#include "platform/shaded_sphere.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trelvix {

namespace {

// A dashed line is drawn as 4-pixel dashes with 3-pixel gaps, starting with a dash at the first
// atom: short enough to read as dashed on a 28-pixel bond (four dashes), the way hydrogen and
// partial bonds are drawn on paper.
constexpr double dashLength = 4;
constexpr double dashGap = 3;
// A hatched wedge has one stroke across it about every 4 pixels of its length, at least 3.
constexpr double hatchSpacing = 4;
constexpr int fewestHatches = 3;
// A wedge on a bond without line offsets (offsets are kept for multiple bonds only) gets a base
// 6 pixels wide at right angles to the bond.
constexpr double fallbackWedgeWidth = 6;
// A bond line ends this many pixels short of the box of an atom's drawn label, so that the
// letters stand free of it.
constexpr int labelMargin = 2;

struct Vec
{
  double x = 0;
  double y = 0;
};

Vec toVec(Point p)
{
  return Vec{ static_cast<double>(p.x), static_cast<double>(p.y) };
}

Point toPoint(Vec v)
{
  return Point{ static_cast<std::int32_t>(std::lround(v.x)),
                static_cast<std::int32_t>(std::lround(v.y)) };
}

Point plus(Point p, Point d)
{
  return Point{ p.x + d.x, p.y + d.y };
}

Point times(Point d, int k)
{
  return Point{ d.x * k, d.y * k };
}

/// d / 2 per coordinate, truncating towards zero.
Point half(Point d)
{
  return Point{ d.x / 2, d.y / 2 };
}

Vec along(Vec from, Vec to, double t)
{
  return Vec{ from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t };
}

bool isEmpty(const Rect& r)
{
  return r.right <= r.left || r.bottom <= r.top;
}

bool inside(const Rect& r, Vec p)
{
  return p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom;
}

/// How far along the segment from `from` to `to` (0..1) it leaves box, from inside it; 0 when
/// from lies outside the box.
double leaving(Vec from, Vec to, const Rect& box)
{
  if (!inside(box, from))
    return 0;
  double t = 1;
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  if (dx > 0)
    t = std::min(t, (box.right - from.x) / dx);
  else if (dx < 0)
    t = std::min(t, (box.left - from.x) / dx);
  if (dy > 0)
    t = std::min(t, (box.bottom - from.y) / dy);
  else if (dy < 0)
    t = std::min(t, (box.top - from.y) / dy);
  return std::max(0.0, t);
}

Rect grown(Rect r, int by)
{
  return Rect{ r.left - by, r.top - by, r.right + by, r.bottom + by };
}

void dashedLine(Canvas& canvas, Point from, Point to)
{
  const Vec a = toVec(from);
  const Vec b = toVec(to);
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length <= 0)
    return;
  for (double s = 0; s < length; s += dashLength + dashGap) {
    const double e = std::min(s + dashLength, length);
    canvas.line(toPoint(along(a, b, s / length)), toPoint(along(a, b, e / length)));
  }
}

/// The wedge from its point to its base, the base running from base + offset / 2 to
/// base - offset / 2.
void solidWedge(Canvas& canvas, Point point, Point base, Point offset)
{
  const Point h = half(offset);
  const std::array corners{ point, plus(base, h), plus(base, times(h, -1)) };
  canvas.polygon(corners);
}

/// Strokes across the wedge, parallel to its base, widening from the point to the full base.
void hatchedWedge(Canvas& canvas, Point point, Point base, Point offset)
{
  const Vec p = toVec(point);
  const Vec b = toVec(base);
  const double length = std::hypot(b.x - p.x, b.y - p.y);
  const int n = std::max(fewestHatches, static_cast<int>(std::lround(length / hatchSpacing)));
  for (int k = 1; k <= n; ++k) {
    const double t = static_cast<double>(k) / n;
    const Vec c = along(p, b, t);
    const Vec h{ offset.x * t / 2, offset.y * t / 2 };
    canvas.line(toPoint(Vec{ c.x + h.x, c.y + h.y }), toPoint(Vec{ c.x - h.x, c.y - h.y }));
  }
}

} // namespace

void tLink::print(Canvas& canvas)
{
  if (visible == 0 || !Atm1 || !Atm2 || bondType() == CoordinateBond)
    return;
  const CanvasStateScope state(canvas);
  // The bond stops short of the labels its atoms draw (O, NH2, a linear carbon's C): it runs
  // from where it leaves the first label's box to where it enters the second's.
  const Point a1{ Atm1->screenX, Atm1->screenY };
  const Point a2{ Atm2->screenX, Atm2->screenY };
  const Rect box1 = Atm1->labelBox(canvas);
  const Rect box2 = Atm2->labelBox(canvas);
  const double t1 = isEmpty(box1) ? 0 : leaving(toVec(a1), toVec(a2), grown(box1, labelMargin));
  const double t2 = isEmpty(box2) ? 0 : leaving(toVec(a2), toVec(a1), grown(box2, labelMargin));
  if (t1 + t2 >= 1)
    return; // the labels touch: no line between them
  const Point p1 = toPoint(along(toVec(a1), toVec(a2), t1));
  const Point p2 = toPoint(along(toVec(a2), toVec(a1), t2));
  canvas.setPen(Pen{ PenStyle::Solid, penWidth, colour });
  // Coloured by element, each half of a plain line takes the ink of the atom at its end.
  const Colour ink1 = elementInk(Atm1->element);
  const Colour ink2 = elementInk(Atm2->element);
  const bool halves = modelDefaults().ElementColours && colour == black && Atm1->isatom() &&
                      Atm2->isatom() && ink1 != ink2;
  const auto plainLine = [&](Point from, Point to) {
    if (!halves) {
      canvas.line(from, to);
      return;
    }
    const Point middle{ (from.x + to.x) / 2, (from.y + to.y) / 2 };
    canvas.setPen(Pen{ PenStyle::Solid, penWidth, ink1 });
    canvas.line(from, middle);
    canvas.setPen(Pen{ PenStyle::Solid, penWidth, ink2 });
    canvas.line(middle, to);
    canvas.setPen(Pen{ PenStyle::Solid, penWidth, colour });
  };
  const Point offset{ offsetX, offsetY };
  const Point sided = times(offset, cisTrans);

  const auto wedgeOffset = [&] {
    if (offset.x != 0 || offset.y != 0)
      return offset;
    const double dx = p2.x - p1.x;
    const double dy = p2.y - p1.y;
    const double length = std::hypot(dx, dy);
    if (length <= 0)
      return offset;
    return toPoint(Vec{ -fallbackWedgeWidth * dy / length, fallbackWedgeWidth * dx / length });
  };
  const auto wedge = [&](bool hatched) {
    const Point point = flipSide == 2 ? p1 : p2;
    const Point base = flipSide == 2 ? p2 : p1;
    if (hatched) {
      hatchedWedge(canvas, point, base, wedgeOffset());
    } else {
      canvas.setBrush(Brush{ BrushStyle::Solid, colour });
      solidWedge(canvas, point, base, wedgeOffset());
    }
  };
  const auto shiftedLine = [&](Point by, bool dashed) {
    if (dashed)
      dashedLine(canvas, plus(p1, by), plus(p2, by));
    else
      plainLine(plus(p1, by), plus(p2, by));
  };

  switch (bondType()) {
    case HydrogenBond:
    case SingleBond:
      // Line styles: 0 plain, 1 dashed for a hydrogen bond and plain for a single bond, 2 solid
      // wedge, 3 hatched wedge; any other style a plain line, so a bond never goes missing.
      if (lineStyle == 2)
        wedge(false);
      else if (lineStyle == 3)
        wedge(true);
      else if (lineStyle == 1 && bondType() == HydrogenBond)
        dashedLine(canvas, p1, p2);
      else
        plainLine(p1, p2);
      break;
    case ResonanceBond:
      plainLine(p1, p2);
      shiftedLine(sided, true);
      break;
    case DoubleBond:
      // Style 4 centres the two lines; any other (1, or a wedge's style left from before the
      // bond became double) draws the bond line with its second line beside it, so a double
      // bond never goes missing.
      if (lineStyle == 4) {
        shiftedLine(half(offset), false);
        shiftedLine(times(half(offset), -1), false);
      } else {
        plainLine(p1, p2);
        shiftedLine(sided, false);
      }
      break;
    case TripleResonanceBond:
    case TripleBond: {
      // Full-length side lines one offset away on each side; for the triple resonance bond the
      // one on the cis/trans side is dashed. The centred style 4 ignores the cis/trans sign.
      const Point side = lineStyle == 4 ? offset : sided;
      plainLine(p1, p2);
      shiftedLine(side, bondType() == TripleResonanceBond);
      shiftedLine(times(side, -1), false);
      break;
    }
    default:
      break;
  }
}

void tLink::printrod(Canvas& canvas, Colour c, int size)
{
  if (visible == 0 || !Atm1 || !Atm2 || bondType() == CoordinateBond)
    return;
  const Point p1{ Atm1->screenX, Atm1->screenY };
  const Point p2{ Atm2->screenX, Atm2->screenY };
  if (size <= 0) {
    // The Lines style: coloured by element, a line in two halves of the atoms' inks.
    if (modelDefaults().ElementColours && c == black && Atm1->isatom() && Atm2->isatom()) {
      const Point middle{ (p1.x + p2.x) / 2, (p1.y + p2.y) / 2 };
      PenLine(canvas, p1, elementInk(Atm1->element), penWidth, middle);
      PenLine(canvas, middle, elementInk(Atm2->element), penWidth, p2);
      return;
    }
    PenLine(canvas, p1, c, penWidth, p2);
    return;
  }
  // A tube: a wide line of half the colour under a narrower one of the colour, so rods read as
  // round and stay visible in white on a white page.
  PenLine(canvas, p1, scaleChannels(c, 1, 2), 4 * size + 2, p2);
  PenLine(canvas, p1, c, 4 * size, p2);
}

void tLink::show()
{
  print(canvasdc());
}

Colour tLink::hide()
{
  const Colour old = colour;
  colour = white;
  show();
  return old;
}

void tLink::ShowColor(Colour c)
{
  color(c);
  show();
  Atm1->show();
  Atm2->show();
}

void tLink::highlight(Colour c)
{
  const Colour old = colour;
  ShowColor(c);
  colour = old;
}

void tLink::showln(Colour c)
{
  PenLine(canvasdc(),
          Point{ Atm1->screenX, Atm1->screenY },
          c,
          penWidth,
          Point{ Atm2->screenX, Atm2->screenY });
}

void tLink::PenLine(Canvas& canvas, Point p1, Colour c, int lineWidth, Point p2)
{
  const CanvasStateScope state(canvas);
  canvas.setPen(Pen{ PenStyle::Solid, lineWidth, c });
  canvas.line(p1, p2);
}

void tLink::linedraw(Canvas& canvas, int x1, int y1, int x2, int y2)
{
  canvas.line(Point{ x1, y1 }, Point{ x2, y2 });
}

void tbond::print(Canvas& canvas)
{
  if (bondType() == ResonanceBond || bondType() == DoubleBond)
    DXY();
  tLink::print(canvas);
}

} // namespace trelvix
