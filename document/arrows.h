#pragma once

#include "document/symbol.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trelvix {

/// The corners of an arrow head drawn at tip, pointing away from the point before it: the head is
/// a quarter of a bond length long (to its base, on the line) and a third of one wide (side1 and
/// side2, on either side of the base). side1 lies left of the direction of travel on the page
/// (above a head pointing right, y growing downwards).
struct ArrowHead
{
  Point tip;
  Point base;
  Point side1;
  Point side2;
};

/// The head at tip for the point before it, both in pixels, scale the bond length in pixels: the
/// direction from before to tip is stretched to scale and rounded to whole pixels (dx, dy); base =
/// tip - (dx / 4, dy / 4), side1 = base + (dy / 6, -dx / 6), side2 = base - (dy / 6, -dx / 6),
/// every division truncating. Empty when the two points coincide (no direction).
std::optional<ArrowHead> arrowHead(Point tip, Point before, double scale);

/// A straight reaction arrow. Its first point (position 0) is the tip of its head, its second
/// (position 1) the end of its tail, with one stroke between them; a new one lies along x with its
/// head to the right, three bond lengths long and centred on the origin.
///
/// The style byte is the head style: 0 full head, filled; 1 and 2 full head, outline; 3 half head,
/// filled; 4 and 5 half head, outline. The direction sign chooses the half a half head is drawn on.
class tArrow : public tSymbol
{
public:
  static constexpr std::uint8_t fullHead = 0;
  static constexpr std::uint8_t halfHead = 3;

  tArrow(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);

  /// +1 when the head points to the right (the first point lies right of the second), -1 when it
  /// points to the left, 0 when the two x differ by less than 1e-06 drawing units.
  int sign() const;
  /// The rounded x of the leftmost and of the rightmost point, in pixels; 0 without points.
  std::int32_t left() const;
  std::int32_t right() const;

  /// The shaft (the strokes) and the head at the first point.
  void print(Canvas& canvas) override;

protected:
  /// The head at point tipIndex pointing away from point beforeIndex; nothing when either is
  /// missing.
  void headAt(Canvas& canvas, int tipIndex, int beforeIndex) const;

  /// The arrow of the given kind, with that kind's outline.
  tArrow(SymbolKind kind,
         std::uint8_t penStyle,
         Colour colour,
         std::uint8_t style,
         std::uint8_t lineWidth);
};

/// A straight arrow with a head at both ends: the outline of tArrow, a second head drawn at its
/// second point.
class tdblArrow : public tArrow
{
public:
  tdblArrow(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);

  /// The arrow, then the same head at the second point pointing away from the first.
  void print(Canvas& canvas) override;
};

/// The equilibrium arrow: two parallel arrows pointing opposite ways. Points 0 and 1 are the
/// forward arrow (head, tail), above; points 2 and 3 the backward arrow (head, tail), below, each
/// pair with one stroke. A new one is three bond lengths long with the arrows an eighth of a bond
/// length above and below the x axis.
class tEqArrow1 : public tArrow
{
public:
  tEqArrow1(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);

  /// Both shafts, the head of the forward arrow at point 0 and that of the backward arrow at
  /// point 2 (away from point 3). With half heads and the direction +1 the two barbs lie on the
  /// outer sides, above the upper arrow and below the lower one.
  void print(Canvas& canvas) override;

protected:
  tEqArrow1(SymbolKind kind,
            std::uint8_t penStyle,
            Colour colour,
            std::uint8_t style,
            std::uint8_t lineWidth);
};

/// The equilibrium arrow whose backward arrow is half as long as the forward one (an equilibrium
/// lying to the right); points as tEqArrow1.
class tEqArrow2 : public tEqArrow1
{
public:
  tEqArrow2(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);
};

/// An arc through three points, in order along the arc: its head H (position 0), its apex (1) and
/// its tail T (2), with a stroke from each end to the apex. A new one is the upper half of a circle
/// of one bond length radius, its ends on a horizontal diameter a third of a bond length below the
/// origin, so that the points' centre of gravity is the origin.
class tarc : public tSymbol
{
public:
  static constexpr int headIndex = 0;
  static constexpr int apexIndex = 1;
  static constexpr int tailIndex = 2;

  tarc(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);

  /// The head, apex and tail points, looked up by position (so a symbol whose points were
  /// replaced, as in a copy of the document, stays consistent); nullptr when missing.
  tXY* H() const { return Atoms.At(headIndex); }
  tXY* apex() const { return Atoms.At(apexIndex); }
  tXY* T() const { return Atoms.At(tailIndex); }

  /// The circular arc from T through the apex to H, as a polyline of short chords (about four
  /// pixels each) from T's screen position to H's; the two strokes when the three points lie on a
  /// line.
  void print(Canvas& canvas) override;

protected:
  /// The polyline print draws; its last point is H and the one before it lies on the arc
  /// towards the apex. Empty when a point is missing.
  std::vector<Point> arcPoints() const;
  /// A point one step back from H along the arc's tangent at H (the way the arc arrives), for
  /// aiming a head; H itself when the arc is degenerate and has no second point.
  Point beforeHead() const;

  tarc(SymbolKind kind,
       std::uint8_t penStyle,
       Colour colour,
       std::uint8_t style,
       std::uint8_t lineWidth);
};

/// A curved arrow: a tarc with a head drawn at H. A new one runs clockwise over the top of its
/// half circle, its head at the right.
class tArcArrow : public tarc
{
public:
  tArcArrow(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);

  /// Shift step: head and tail exchange places, so the arrow runs the other way round the same
  /// arc; then update.
  void reverse();
  /// Shift step: a quarter turn clockwise on the page about center0; then update.
  void turnQuarter();

  /// The arc, then a head at H pointing along the arc's tangent there.
  void print(Canvas& canvas) override;
};

/// A triangle: three points (apex up, then the lower left and lower right corners) joined by
/// three strokes. A new one is two bond lengths wide and one and a half high, its centre of
/// gravity on the origin.
class ttriangle : public tSymbol
{
public:
  ttriangle(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth);
};

} // namespace trelvix
