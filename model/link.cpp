#include "model/link.h"

#include "model/atom.h"
#include "model/defaults.h"
#include "model/pair_energy.h"
#include "platform/checked.h"

#include <cmath>

namespace trelvix {

namespace {

constexpr double morseA = 2.236067978;
// Bond lengths shorter than this have no direction to offset their parallel lines by.
constexpr double shortestOffsetLength = 0.001;

std::uint8_t shareOf(std::uint8_t code)
{
  switch (code) {
    case CoordinateBond:
      return 0;
    case HydrogenBond:
    case SingleBond:
      return 3;
    case ResonanceBond:
    case DoubleBond:
      return 2;
    default:
      return 1;
  }
}

std::int16_t roundedOffset(double v)
{
  return checkedNarrow<std::int16_t>(std::lround(v));
}

// Turns (u, v) by angle in the sense the drawing-plane rotation uses.
void turn(double& u, double& v, double angle)
{
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double nu = u * c + v * s;
  const double nv = -u * s + v * c;
  u = nu;
  v = nv;
}

} // namespace

tLink::tLink(tXY* a1, tXY* a2)
  : penWidth(modelDefaults().LineWidth)
  , Atm1(a1)
  , Atm2(a2)
{
  if (Atm1 && Atm2)
    idealLengthSum = Atm1->CovRadius() + Atm2->CovRadius();
}

void tLink::Change(std::uint8_t code)
{
  if (code > TripleBond || !Atm1 || !Atm2)
    return;
  const std::uint8_t share = shareOf(code);
  if (code != ResonanceBond && code != DoubleBond)
    Aromatize(false);
  if (code == HydrogenBond || code == SingleBond)
    lineStyle = 1;
  else if (code == TripleResonanceBond || code == TripleBond)
    lineStyle = 4;

  const int oldCode = bondType();
  tXY* ends[2] = { Atm1, Atm2 };
  std::int8_t newValence[2];
  std::int8_t newPairs[2];
  for (int i = 0; i < 2; ++i) {
    tXY& atom = *ends[i];
    long long valence = static_cast<long long>(atom.freeValence) + oldCode - code;
    if (valence < 0 && atom.freeValence < 2) {
      atom.ValExpand();
      valence += 2;
    }
    newValence[i] = checkedNarrow<std::int8_t>(valence);
    newPairs[i] =
      checkedNarrow<std::int8_t>(static_cast<long long>(atom.pairCount) + share - hybShare);
  }
  for (int i = 0; i < 2; ++i) {
    ends[i]->freeValence = newValence[i];
    ends[i]->pairCount = newPairs[i];
  }
  typeCode = static_cast<std::uint8_t>(code + (isAromatic() ? AromaticMark : 0));
  hybShare = share;
  idealLengthSum = Atm1->CovRadius() + Atm2->CovRadius();
  update();
}

void tLink::setstyle(std::uint8_t code, std::int8_t style)
{
  Change(code);
  lineStyle = style;
  update();
}

void tLink::Aromatize(bool flag)
{
  typeCode = static_cast<std::uint8_t>(bondType() + (flag ? AromaticMark : 0));
}

int tLink::order() const
{
  const int t = bondType();
  if (!isAromatic())
    return t;
  if (t == 0)
    return 1;
  if (t == 1)
    return 2;
  if (t <= 4)
    return 3;
  return 5;
}

int tLink::BFilter() const
{
  if (isAromatic())
    return 3000;
  switch (bondType()) {
    case 1:
    case 2:
      return 2000;
    case 3:
    case 4:
      return 4000;
    case 5:
    case 6:
      return 6000;
    default:
      return 0; // a plain coordinate bond filters nothing
  }
}

double tLink::RLength() const
{
  return Atm1 && Atm2 ? Atm1->Dist3d(*Atm2) : 0.0;
}

double tLink::Angstroms() const
{
  return RLength() * angstromsPerUnit();
}

double tLink::RAB() const
{
  if (!Atm1 || !Atm2)
    return 0;
  // 0.4217807583618035 turns the Ångström estimate into scale units.
  return (1.71 - 0.09 * order()) * (Atm1->CovRadius() + Atm2->CovRadius() - 0.01) * bondScale() *
         0.4217807583618035;
}

double tLink::Rho() const
{
  const double ideal = RAB();
  return ideal != 0 ? RLength() / ideal : 0.0;
}

double tLink::DQ(int axis) const
{
  if (!Atm1 || !Atm2)
    return 0;
  switch (axis) {
    case 1:
      return Atm2->x3 - Atm1->x3;
    case 2:
      return Atm2->y3 - Atm1->y3;
    case 3:
      return Atm2->z3 - Atm1->z3;
    default:
      return 0;
  }
}

void tLink::getcg(double& x, double& y, double& z) const
{
  x = (Atm1->x3 + Atm2->x3) / 2;
  y = (Atm1->y3 + Atm2->y3) / 2;
  z = (Atm1->z3 + Atm2->z3) / 2;
}

Point tLink::getcenter() const
{
  return Point{ (Atm1->screenX + Atm2->screenX) / 2, (Atm1->screenY + Atm2->screenY) / 2 };
}

double tLink::top() const
{
  return Atm1->top() + Atm2->top();
}

tXY* tLink::GetNode(const tLink* other) const
{
  if (!other || other == this)
    return nullptr;
  if (Atm1 == other->Atm1 || Atm1 == other->Atm2)
    return Atm1;
  if (Atm2 == other->Atm1 || Atm2 == other->Atm2)
    return Atm2;
  return nullptr;
}

void tLink::extend(int end, double factor)
{
  tXY* moving = end == 1 ? Atm1.get() : end == 2 ? Atm2.get() : nullptr;
  if (!moving)
    return;
  const tXY* fixed = moving == Atm1 ? Atm2 : Atm1;
  moving->x3 = fixed->x3 + (moving->x3 - fixed->x3) * factor;
  moving->y3 = fixed->y3 + (moving->y3 - fixed->y3) * factor;
  moving->z3 = fixed->z3 + (moving->z3 - fixed->z3) * factor;
  update();
}

void tLink::stretch(double factor)
{
  double mx, my, mz;
  getcg(mx, my, mz);
  for (tXY* a : { Atm1, Atm2 }) {
    a->x3 = std::round((a->x3 - mx) * factor + mx);
    a->y3 = std::round((a->y3 - my) * factor + my);
    a->z3 = std::round((a->z3 - mz) * factor + mz);
    a->updatexyz();
  }
}

void tLink::Zoom(double factor)
{
  const double mx = (Atm1->savedX3 + Atm2->savedX3) / 2;
  const double my = (Atm1->savedY3 + Atm2->savedY3) / 2;
  const double mz = (Atm1->savedZ3 + Atm2->savedZ3) / 2;
  for (tXY* a : { Atm1, Atm2 }) {
    a->x3 = (a->savedX3 - mx) * factor + mx;
    a->y3 = (a->savedY3 - my) * factor + my;
    a->z3 = (a->savedZ3 - mz) * factor + mz;
    a->update3d();
  }
}

void tLink::rotate(Point centre, double angle)
{
  for (tXY* a : { Atm1, Atm2 }) {
    double u = a->savedX3 - centre.x;
    double v = a->savedY3 - centre.y;
    turn(u, v, angle);
    a->x3 = u + centre.x;
    a->y3 = v + centre.y;
    a->update3d();
  }
  DXY();
}

void tLink::pivot3d(const tXY* pivot, int axis, double angle)
{
  tXY* other = pivot == Atm1 ? Atm2.get() : pivot == Atm2 ? Atm1.get() : nullptr;
  if (!other)
    return;
  double d[3] = { other->x3 - pivot->x3, other->y3 - pivot->y3, other->z3 - pivot->z3 };
  // The two coordinates that turn about each axis, in the order that makes axis 3 the
  // drawing-plane rotation.
  switch (axis) {
    case 1:
      turn(d[1], d[2], angle);
      break;
    case 2:
      turn(d[2], d[0], angle);
      break;
    case 3:
      turn(d[0], d[1], angle);
      break;
    default:
      return;
  }
  other->x3 = pivot->x3 + d[0];
  other->y3 = pivot->y3 + d[1];
  other->z3 = pivot->z3 + d[2];
  other->updatexyz();
}

void tLink::Move(double dx, double dy)
{
  Atm1->Move(dx, dy, 0);
  Atm2->Move(dx, dy, 0);
  update();
}

void tLink::DXY()
{
  const int t = bondType();
  const double spacing = (t == 3 || t == 4) ? 4 : (t == 5 || t == 6) ? 3 : 0;
  if (spacing == 0 || !Atm1 || !Atm2)
    return;
  const double dx = Atm2->x3 - Atm1->x3;
  const double dy = Atm2->y3 - Atm1->y3;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length <= shortestOffsetLength)
    return;
  offsetX = roundedOffset(-spacing * dy / length);
  offsetY = roundedOffset(spacing * dx / length);
}

void tLink::ZoomDXDY()
{
  const double length = RLength();
  // Two atoms on one spot give no direction; the old offsets stay rather than dividing by 0.
  if (length <= shortestOffsetLength)
    return;
  offsetX = roundedOffset(-4 * DQ(2) / length);
  offsetY = roundedOffset(4 * DQ(1) / length);
}

double tLink::energy()
{
  if (!Atm1 || !Atm2)
    return 0;
  bondEnergy = pairBondEnergy(Atm1->element, Atm2->element, order());
  const double ideal = RAB();
  if (ideal == 0)
    return 0;
  const double e = 1 - std::exp(-morseA * (RLength() - ideal) / ideal);
  return bondEnergy * e * e;
}

double tLink::FormationEnergy()
{
  const double e = energy();
  return e - bondEnergy;
}

void tLink::update()
{
  if (Atm1)
    Atm1->updatexyz();
  if (Atm2)
    Atm2->updatexyz();
  DXY();
  forceConstant = order() * 700000 * 0.5;
  bondEnergy = order() * 70000 * 0.5;
  morseExponent = morseA;
}

void tLink::normalize(int mode)
{
  if (!Atm1 || !Atm2)
    return;
  int end = 0;
  if (mode == 0) {
    if (Atm1->neighbourCount == 1 && Atm2->neighbourCount >= 2)
      end = 1;
    else if (Atm2->neighbourCount == 1 && Atm1->neighbourCount > 1)
      end = 2;
  } else if (mode == 1) {
    end = 2;
  } else if (mode == 2) {
    end = 1;
  }
  const double length = RLength();
  if (end == 0 || length == 0)
    return;
  extend(end, RAB() / length);
}

int tLink::BondIndex() const
{
  if (!Atm1 || !Atm2)
    return 0;
  const int a = Atm1->neighbourCount;
  const int b = Atm2->neighbourCount;
  return a * b * (a + b);
}

Colour tLink::color(Colour c)
{
  Atm1->Color(c);
  Atm2->Color(c);
  const Colour old = colour;
  colour = c;
  return old;
}

void tLink::width(std::uint16_t w)
{
  if (w == 65535)
    penWidth = static_cast<std::uint8_t>((penWidth + 1) % 4);
  else
    penWidth = checkedNarrow<std::uint8_t>(w);
}

void tLink::Flip()
{
  flipSide = flipSide == 2 ? 1 : 2;
}

void tLink::clonelink(const tLink& other)
{
  visible = other.visible;
  colour = other.colour;
  penWidth = other.penWidth;
  hybShare = other.hybShare;
  typeCode = other.typeCode;
  lineStyle = other.lineStyle;
  cisTrans = other.cisTrans;
  offsetX = other.offsetX;
  offsetY = other.offsetY;
  flipSide = other.flipSide;
  Atm1 = other.Atm1;
  Atm2 = other.Atm2;
}

} // namespace trelvix
