#include "document/arrows.h"

#include "model/atom.h"
#include "model/defaults.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace trelvix {

namespace {

// Outlines in bond lengths from the origin, x to the right, y downwards.
constexpr std::array<double, 2> straightPoints[] = { { 1.5, 0 }, { -1.5, 0 } };
constexpr std::array<int, 2> straightStrokes[] = { { 0, 1 } };

// 0.125: the two arrows of an equilibrium lie a quarter of a bond length apart.
constexpr std::array<double, 2> equilibriumPoints[] = { { 1.5, -0.125 },
                                                        { -1.5, -0.125 },
                                                        { -1.5, 0.125 },
                                                        { 1.5, 0.125 } };
constexpr std::array<double, 2> shortBackwardPoints[] = { { 1.5, -0.125 },
                                                          { -1.5, -0.125 },
                                                          { -0.75, 0.125 },
                                                          { 0.75, 0.125 } };
constexpr std::array<int, 2> pairStrokes[] = { { 0, 1 }, { 2, 3 } };

// Head, apex, tail of the upper half of the unit circle about (0, 1/3).
constexpr std::array<double, 2> arcPoints[] = { { 1, 1.0 / 3 }, { 0, -2.0 / 3 }, { -1, 1.0 / 3 } };
constexpr std::array<int, 2> arcStrokes[] = { { 0, 1 }, { 1, 2 } };

constexpr std::array<double, 2> trianglePoints[] = { { 0, -1 }, { -1, 0.5 }, { 1, 0.5 } };
constexpr std::array<int, 2> triangleStrokes[] = { { 0, 1 }, { 1, 2 }, { 2, 0 } };

struct KindShape
{
  SymbolKind kind;
  SymbolShape shape;
};

constexpr KindShape shapes[] = {
  { ArrowSymbol, { straightPoints, straightStrokes } },
  { DoubleArrowSymbol, { straightPoints, straightStrokes } },
  { EquilibriumArrowSymbol, { equilibriumPoints, pairStrokes } },
  { EquilibriumArrow2Symbol, { shortBackwardPoints, pairStrokes } },
  { TriangleSymbol, { trianglePoints, triangleStrokes } },
  { ArcSymbol, { arcPoints, arcStrokes } },
  { ArcArrowSymbol, { arcPoints, arcStrokes } },
};

SymbolShape shapeOf(SymbolKind kind)
{
  const auto it = std::find_if(std::begin(shapes),
                               std::end(shapes),
                               [kind](const KindShape& entry) { return entry.kind == kind; });
  return it == std::end(shapes) ? SymbolShape{} : it->shape;
}

// Rounded extreme x of the points: the smallest when leftmost is set, else the largest.
std::int32_t extremeX(const tAtoms& points, bool leftmost)
{
  if (points.empty())
    return 0;
  double x = points.At(0)->x3;
  for (const tXY* a : points)
    x = leftmost ? std::min(x, a->x3) : std::max(x, a->x3);
  return static_cast<std::int32_t>(std::lround(x));
}

} // namespace

tArrow::tArrow(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth)
  : tArrow(ArrowSymbol, penStyle, colour, style, lineWidth)
{
}

tArrow::tArrow(SymbolKind kind,
               std::uint8_t penStyle,
               Colour colour,
               std::uint8_t style,
               std::uint8_t lineWidth)
  : tSymbol(penStyle, colour, style, lineWidth)
{
  takeShape(kind, shapeOf(kind));
}

int tArrow::sign() const
{
  const tXY* head = Atoms.At(0);
  const tXY* tail = Atoms.At(1);
  if (!head || !tail)
    return 0;
  const double d = head->x3 - tail->x3;
  if (std::fabs(d) < 1e-06)
    return 0;
  return d > 0 ? 1 : -1;
}

std::int32_t tArrow::left() const
{
  return extremeX(Atoms, true);
}

std::int32_t tArrow::right() const
{
  return extremeX(Atoms, false);
}

tdblArrow::tdblArrow(std::uint8_t penStyle,
                     Colour colour,
                     std::uint8_t style,
                     std::uint8_t lineWidth)
  : tArrow(DoubleArrowSymbol, penStyle, colour, style, lineWidth)
{
}

tEqArrow1::tEqArrow1(std::uint8_t penStyle,
                     Colour colour,
                     std::uint8_t style,
                     std::uint8_t lineWidth)
  : tEqArrow1(EquilibriumArrowSymbol, penStyle, colour, style, lineWidth)
{
}

tEqArrow1::tEqArrow1(SymbolKind kind,
                     std::uint8_t penStyle,
                     Colour colour,
                     std::uint8_t style,
                     std::uint8_t lineWidth)
  : tArrow(kind, penStyle, colour, style, lineWidth)
{
}

tEqArrow2::tEqArrow2(std::uint8_t penStyle,
                     Colour colour,
                     std::uint8_t style,
                     std::uint8_t lineWidth)
  : tEqArrow1(EquilibriumArrow2Symbol, penStyle, colour, style, lineWidth)
{
}

tarc::tarc(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth)
  : tarc(ArcSymbol, penStyle, colour, style, lineWidth)
{
}

tarc::tarc(SymbolKind kind,
           std::uint8_t penStyle,
           Colour colour,
           std::uint8_t style,
           std::uint8_t lineWidth)
  : tSymbol(penStyle, colour, style, lineWidth)
{
  takeShape(kind, shapeOf(kind));
}

tArcArrow::tArcArrow(std::uint8_t penStyle,
                     Colour colour,
                     std::uint8_t style,
                     std::uint8_t lineWidth)
  : tarc(ArcArrowSymbol, penStyle, colour, style, lineWidth)
{
}

void tArcArrow::reverse()
{
  tXY* head = H();
  tXY* tail = T();
  if (head && tail) {
    std::swap(head->x3, tail->x3);
    std::swap(head->y3, tail->y3);
    std::swap(head->z3, tail->z3);
  }
  update();
}

void tArcArrow::turnQuarter()
{
  Rotate(nullptr, 90);
  update();
}

ttriangle::ttriangle(std::uint8_t penStyle,
                     Colour colour,
                     std::uint8_t style,
                     std::uint8_t lineWidth)
  : tSymbol(penStyle, colour, style, lineWidth)
{
  takeShape(TriangleSymbol, shapeOf(TriangleSymbol));
}

} // namespace trelvix
