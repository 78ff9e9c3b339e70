// Drawing the graphic symbols: strokes, arrow heads, arcs.
#include "document/arrows.h"
#include "document/symbol.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/link.h"
#include "platform/canvas_state_scope.h"
#include "platform/shell.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace trelvix {

namespace {

// An arc is drawn as chords about this many pixels long, at least minChords of them, so that it
// looks round at any size while a huge zoom cannot ask for an endless polyline.
constexpr double chordLength = 4;
constexpr int minChords = 8;
constexpr int maxChords = 512;
// Three points closer to a line than this (twice the triangle's area over the chord, in pixels)
// have no circle through them worth drawing.
constexpr double straightEnough = 1e-9;
// A circle wider than any page (nearly straight points far apart) is drawn as its strokes too:
// points on it would lie beyond what a screen position can hold.
constexpr double widestCircle = 1e6;

Point screenOf(const tXY& a)
{
  return Point{ a.screenX, a.screenY };
}

PenStyle penStyleOf(std::uint8_t code)
{
  constexpr std::array styles{ PenStyle::Solid,   PenStyle::Dash,       PenStyle::Dot,
                               PenStyle::DashDot, PenStyle::DashDotDot, PenStyle::Clear };
  return code < styles.size() ? styles[code] : PenStyle::Solid;
}

/// The circle through three screen points: centre and radius; empty when they lie on a line or
/// nearly so.
struct Circle
{
  double cx = 0;
  double cy = 0;
  double r = 0;
};

std::optional<Circle> circleThrough(Point a, Point b, Point c)
{
  const double ax = a.x, ay = a.y, bx = b.x, by = b.y, cx = c.x, cy = c.y;
  const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
  if (std::fabs(d) < straightEnough)
    return std::nullopt;
  const double a2 = ax * ax + ay * ay;
  const double b2 = bx * bx + by * by;
  const double c2 = cx * cx + cy * cy;
  Circle circle;
  circle.cx = (a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d;
  circle.cy = (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d;
  circle.r = std::hypot(ax - circle.cx, ay - circle.cy);
  if (!(circle.r <= widestCircle))
    return std::nullopt;
  return circle;
}

/// The angle from `from` to `to` turning the positive way (y down: clockwise on the page), in
/// [0, 2 pi).
double positiveTurn(double from, double to)
{
  const double turn = std::fmod(to - from, 2 * std::numbers::pi);
  return turn < 0 ? turn + 2 * std::numbers::pi : turn;
}

/// The arc from tail through apex to head on circle: start angle and signed sweep.
struct Sweep
{
  double start = 0;
  double sweep = 0;
};

Sweep sweepOf(const Circle& circle, Point tail, Point apex, Point head)
{
  const auto angle = [&](Point p) { return std::atan2(p.y - circle.cy, p.x - circle.cx); };
  const double start = angle(tail);
  const double toHead = positiveTurn(start, angle(head));
  const double toApex = positiveTurn(start, angle(apex));
  // Turning the positive way from the tail, the apex comes before the head or it does not: then
  // the arc runs the other way round.
  const double sweep = toApex <= toHead ? toHead : toHead - 2 * std::numbers::pi;
  return Sweep{ start, sweep };
}

} // namespace

std::optional<ArrowHead> arrowHead(Point tip, Point before, double scale)
{
  const double ux = tip.x - before.x;
  const double uy = tip.y - before.y;
  const double length = std::hypot(ux, uy);
  if (length <= 0)
    return std::nullopt;
  const auto dx = static_cast<std::int32_t>(std::lround(ux * scale / length));
  const auto dy = static_cast<std::int32_t>(std::lround(uy * scale / length));
  ArrowHead head;
  head.tip = tip;
  head.base = Point{ tip.x - dx / 4, tip.y - dy / 4 };
  head.side1 = Point{ head.base.x + dy / 6, head.base.y - dx / 6 };
  head.side2 = Point{ head.base.x - dy / 6, head.base.y + dx / 6 };
  return head;
}

Colour tSymbol::drawColour() const
{
  const tLink* first = Bonds.At(0);
  return first ? first->colour : firstColour();
}

void tSymbol::printStrokes(Canvas& canvas) const
{
  const CanvasStateScope state(canvas);
  const PenStyle style = penStyleOf(penStyle());
  for (const tLink* stroke : Bonds) {
    if (!stroke->Atm1 || !stroke->Atm2)
      continue;
    canvas.setPen(Pen{ style, stroke->penWidth, stroke->colour });
    canvas.line(screenOf(*stroke->Atm1), screenOf(*stroke->Atm2));
  }
}

void tSymbol::print(Canvas& canvas)
{
  printStrokes(canvas);
}

void tSymbol::show()
{
  print(canvasdc());
}

void tSymbol::Hide()
{
  color(white);
  show();
  color(secondColour());
}

void tSymbol::Highlight(bool on)
{
  Hide();
  if (on)
    color(highlightColour);
  show();
}

void tSymbol::ShowHead(Canvas& canvas, Point tip, Point before) const
{
  const std::optional<ArrowHead> head = arrowHead(tip, before, bondScale());
  if (!head)
    return;
  const CanvasStateScope state(canvas);
  const Colour colour = drawColour();
  const bool half = style() >= 3;
  const bool filled = style() == 0 || style() == 3;
  canvas.setPen(Pen{ PenStyle::Solid, lineWidth(), colour });
  canvas.setBrush(filled ? Brush{ BrushStyle::Solid, colour } : Brush{ BrushStyle::Clear, colour });
  const Point barb = direction() < 1 ? head->side2 : head->side1;
  const std::array full{ head->side1, head->tip, head->side2 };
  const std::array halfHead{ head->base, head->tip, barb };
  canvas.polygon(half ? halfHead : full);
}

void tArrow::headAt(Canvas& canvas, int tipIndex, int beforeIndex) const
{
  const tXY* tip = Atoms.At(tipIndex);
  const tXY* before = Atoms.At(beforeIndex);
  if (tip && before)
    ShowHead(canvas, screenOf(*tip), screenOf(*before));
}

void tArrow::print(Canvas& canvas)
{
  printStrokes(canvas);
  headAt(canvas, 0, 1);
}

void tdblArrow::print(Canvas& canvas)
{
  tArrow::print(canvas);
  headAt(canvas, 1, 0);
}

void tEqArrow1::print(Canvas& canvas)
{
  tArrow::print(canvas);
  headAt(canvas, 2, 3);
}

std::vector<Point> tarc::arcPoints() const
{
  const tXY* head = H();
  const tXY* top = apex();
  const tXY* tail = T();
  if (!head || !top || !tail)
    return {};
  const Point h = screenOf(*head);
  const Point a = screenOf(*top);
  const Point t = screenOf(*tail);
  const std::optional<Circle> circle = circleThrough(t, a, h);
  if (!circle)
    return { t, a, h };
  const Sweep arc = sweepOf(*circle, t, a, h);
  const int chords =
    std::clamp(static_cast<int>(std::ceil(std::fabs(arc.sweep) * circle->r / chordLength)),
               minChords,
               maxChords);
  std::vector<Point> points;
  points.reserve(static_cast<std::size_t>(chords) + 1);
  points.push_back(t);
  for (int i = 1; i < chords; ++i) {
    const double angle = arc.start + arc.sweep * i / chords;
    points.push_back(
      Point{ static_cast<std::int32_t>(std::lround(circle->cx + circle->r * std::cos(angle))),
             static_cast<std::int32_t>(std::lround(circle->cy + circle->r * std::sin(angle))) });
  }
  points.push_back(h);
  return points;
}

Point tarc::beforeHead() const
{
  const tXY* head = H();
  const tXY* top = apex();
  const tXY* tail = T();
  if (!head || !top || !tail)
    return head ? screenOf(*head) : Point{};
  const Point h = screenOf(*head);
  const Point a = screenOf(*top);
  const std::optional<Circle> circle = circleThrough(screenOf(*tail), a, h);
  if (!circle)
    return a; // a straight "arc" arrives along its last stroke
  // The tangent at H, pointing back the way the arc came: at right angles to the radius, on the
  // side the sweep comes from. Its length only sets the direction.
  const Sweep arc = sweepOf(*circle, screenOf(*tail), a, h);
  const double angle = std::atan2(h.y - circle->cy, h.x - circle->cx);
  const double back = arc.sweep > 0 ? -1 : 1;
  constexpr double reach = 1000;
  return Point{ static_cast<std::int32_t>(std::lround(h.x - back * reach * std::sin(angle))),
                static_cast<std::int32_t>(std::lround(h.y + back * reach * std::cos(angle))) };
}

void tarc::print(Canvas& canvas)
{
  const std::vector<Point> points = arcPoints();
  if (points.empty()) {
    printStrokes(canvas);
    return;
  }
  const CanvasStateScope state(canvas);
  canvas.setPen(Pen{ penStyleOf(penStyle()), lineWidth(), drawColour() });
  canvas.polyline(points);
}

void tArcArrow::print(Canvas& canvas)
{
  tarc::print(canvas);
  if (const tXY* head = H())
    ShowHead(canvas, screenOf(*head), beforeHead());
}

void tSymbols::hide()
{
  for (tSymbol* s : *this)
    s->Hide();
}

void tSymbols::highlight(bool on)
{
  for (tSymbol* s : *this)
    s->Highlight(on);
}

void tSymbols::print(Canvas& canvas)
{
  for (tSymbol* s : *this)
    s->print(canvas);
}

void tSymbols::show()
{
  for (tSymbol* s : *this)
    s->show();
}

} // namespace trelvix
