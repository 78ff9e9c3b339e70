#include "document/symbol.h"

#include "document/arrows.h"
#include "document/drawing.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace trelvix {

namespace {

bool isHandle(const tXY* atom)
{
  return atom->textFlag == tSXY::symbolPointKind;
}

// The direction byte of a sign: 1 for +1, 255 for -1.
std::uint8_t directionByte(int sign)
{
  return static_cast<std::uint8_t>(sign);
}

template<class T>
std::unique_ptr<tSymbol> makeDefault(std::uint8_t style)
{
  return std::make_unique<T>(0, black, style, modelDefaults().LineWidth);
}

struct SymbolClass
{
  std::uint16_t kind;
  std::uint8_t style; ///< the style byte a new symbol of the class gets
  std::unique_ptr<tSymbol> (*make)(std::uint8_t style);
};

// Straight arrows get a full filled head, equilibrium arrows half filled heads.
constexpr SymbolClass symbolClasses[] = {
  { ArrowSymbol, tArrow::fullHead, &makeDefault<tArrow> },
  { DoubleArrowSymbol, tArrow::fullHead, &makeDefault<tdblArrow> },
  { EquilibriumArrowSymbol, tArrow::halfHead, &makeDefault<tEqArrow1> },
  { EquilibriumArrow2Symbol, tArrow::halfHead, &makeDefault<tEqArrow2> },
  { TriangleSymbol, 0, &makeDefault<ttriangle> },
  { ArcSymbol, 0, &makeDefault<tarc> },
  { ArcArrowSymbol, tArrow::fullHead, &makeDefault<tArcArrow> },
};

} // namespace

tSymbol::tSymbol(std::uint8_t penStyle, Colour colour, std::uint8_t style, std::uint8_t lineWidth)
{
  symbolKind = PlainSymbol;
  settings[PenStyleByte] = penStyle;
  settings[DirectionByte] = directionByte(1);
  setLineWidth(lineWidth);
  valueA = colour;
  valueC = colour;
  settings[StyleByte] = style;
  settings[MarkByte] = symbolMark;
}

tSymbol::~tSymbol()
{
  DisposeBonds();
  DisposeAtoms();
}

void tSymbol::setLineWidth(std::uint8_t width)
{
  settings[LineWidthByte] = width;
  Bonds.Widths(width);
}

bool tSymbol::isArrow() const
{
  return (symbolKind >= ArrowSymbol && symbolKind <= EquilibriumArrow2Symbol) ||
         symbolKind == ArcArrowSymbol;
}

void tSymbol::takeShape(SymbolKind kind, const SymbolShape& shape)
{
  symbolKind = kind;
  addShape(shape, bondScale());
}

void tSymbol::addShape(const SymbolShape& shape, double unit)
{
  const int first = Atoms.Count();
  for (const auto& [x, y] : shape.points) {
    auto* point = new tSXY(x * unit, y * unit);
    point->colour = firstColour();
    Atoms.Add(point);
  }
  for (const auto& [from, to] : shape.strokes) {
    auto* stroke = new tbond(Atoms.At(first + from), Atoms.At(first + to));
    stroke->ssingle();
    stroke->visible = 0;
    stroke->colour = firstColour();
    stroke->width(lineWidth());
    Bonds.Add(stroke);
  }
}

void tSymbol::Add(double dx, double dy)
{
  for (tXY* a : Atoms) {
    a->x3 += dx;
    a->y3 += dy;
    a->updatexyz();
  }
  Bonds.Update();
  tDrawing* drawing = CurrentDrawing;
  if (!drawing)
    return;
  if (drawing->Symbols->Contains(this)) {
    drawing->Atoms.AddAtoms(&Atoms);
    drawing->Bonds.AddBonds(&Bonds);
  } else {
    drawing->AddSymbol(this); // may free this symbol: nothing of it is touched after
  }
}

Vector3 tSymbol::getsymbolcg() const
{
  Vector3 sum{};
  int n = 0;
  for (const tXY* a : Atoms) {
    if (!isHandle(a))
      continue;
    sum[0] += a->savedX3;
    sum[1] += a->savedY3;
    sum[2] += a->savedZ3;
    ++n;
  }
  if (n > 0) {
    for (double& c : sum)
      c /= n;
  }
  return sum;
}

void tSymbol::Flip(int mode)
{
  if ((mode != 1 && mode != 2) || Atoms.empty())
    return;
  double sum = 0;
  for (const tXY* a : Atoms)
    sum += mode == 1 ? a->y3 : a->x3;
  const double twice = 2 * sum / Atoms.Count();
  for (tXY* a : Atoms) {
    double& c = mode == 1 ? a->y3 : a->x3;
    c = twice - c;
  }
  for (tLink* b : Bonds) {
    std::swap(b->Atm1, b->Atm2);
    b->Flip();
  }
  update();
}

void tSymbol::flip(int mode)
{
  if (mode != 1 && mode != 2)
    return;
  Flip(mode);
  settings[DirectionByte] = directionByte(-direction());
}

void tSymbol::Zoom(double factor)
{
  const Vector3 c = getsymbolcg();
  // Written as reference + (reference - c)(factor - 1) so that factor 1 gives back the reference
  // bit for bit.
  const double grow = factor - 1;
  for (tXY* a : Atoms) {
    if (!isHandle(a))
      continue;
    a->x3 = a->savedX3 + (a->savedX3 - c[0]) * grow;
    a->y3 = a->savedY3 + (a->savedY3 - c[1]) * grow;
    a->z3 = a->savedZ3 + (a->savedZ3 - c[2]) * grow;
    a->update3d();
  }
  for (tLink* b : Bonds)
    b->DXY();
}

void tSymbol::Rotate(const Point* centre, double angle)
{
  const Point c = centre ? *centre : center0();
  const double phi = std::numbers::pi * angle / 180;
  const double cosPhi = std::cos(phi);
  const double sinPhi = std::sin(phi);
  for (tXY* a : Atoms) {
    const double u = a->savedX3 - c.x;
    const double v = a->savedY3 - c.y;
    a->x3 = c.x + u * cosPhi - v * sinPhi;
    a->y3 = c.y + v * cosPhi + u * sinPhi;
    a->z3 = a->savedZ3;
    a->update3d();
  }
}

void tSymbols::color(Colour c)
{
  for (tSymbol* s : *this)
    s->color(c);
}

std::unique_ptr<tSymbol> makeSymbol(std::uint16_t kind)
{
  for (const SymbolClass& entry : symbolClasses) {
    if (entry.kind == kind)
      return entry.make(entry.style);
  }
  return nullptr;
}

} // namespace trelvix
