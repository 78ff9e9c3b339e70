#include "model/atom.h"

#include "model/atom_list.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/slater.h"
#include "platform/checked.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// Style 2 (symbol shown) suits the main-group elements a chemist writes by symbol; every other
// element is drawn in style 1.
std::uint8_t symbolStyleFor(int z)
{
  const bool light = (z >= 3 && z <= 9) || z == 11 || (z >= 14 && z <= 17) || z == 20;
  const bool heavy = (z >= 32 && z <= 35) || z == 52 || z == 53;
  return light || heavy ? 2 : 1;
}

// (free valence mod 100) div 2, truncating towards zero, and 0 when negative.
int halfFreeValence(std::int8_t freeValence)
{
  return std::max(0, (freeValence % 100) / 2);
}

std::int32_t roundToInt32(double v)
{
  return checkedNarrow<std::int32_t>(std::llround(std::clamp(v, -9.0e18, 9.0e18)));
}

std::int16_t roundToInt16(double v)
{
  return checkedNarrow<std::int16_t>(std::llround(std::clamp(v, -9.0e18, 9.0e18)));
}

} // namespace

bool carriesImplicitHydrogens(int z)
{
  switch (z) {
    case 1:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 14:
    case 15:
    case 16:
    case 17:
    case 32:
    case 33:
    case 34:
    case 35:
    case 52:
    case 53:
      return true;
    default:
      return false;
  }
}

bool countsImplicitHydrogens(int z)
{
  return carriesImplicitHydrogens(z) && z != 1 && z != 32;
}

tXY::tXY(int z, double x, double y, std::uint8_t newStyle)
  : atoms(std::make_unique<tAtoms>())
{
  const ElementData& e = elementData(z);
  element = static_cast<std::int8_t>(z >= 0 && z <= maxElement ? z : 0);
  x3 = x;
  y3 = y;
  z3 = 0;
  savedX3 = x;
  savedY3 = y;
  savedZ3 = 0;
  screenX = prevScreenX = roundToInt32(x);
  screenY = prevScreenY = roundToInt32(y);
  hybridisation = 3;
  font = messageFont();
  freeValence = static_cast<std::int8_t>(e.valence);
  pairCount = static_cast<std::int8_t>(halfFreeValence(freeValence));
  symbol.assign(e.symbol);
  textDirection = 1;
  atomicWeight = e.weight;
  partialCharge = charge;
  style = newStyle;
}

tXY::~tXY() = default;

double tXY::GetEN() const
{
  return elementData(element).pauling;
}

double tXY::GetAREN() const
{
  return elementData(element).allredRochow;
}

double tXY::CovRadius() const
{
  return elementData(element).covalentRadius;
}

double tXY::Radius() const
{
  if (charge == 0)
    return CovRadius();
  const double neutral = slaterOrbitalSize(element, 0);
  if (neutral <= 0)
    return CovRadius();
  return CovRadius() * slaterOrbitalSize(element, charge) / neutral;
}

double tXY::top() const
{
  return z3 + CovRadius();
}

int tXY::MaxValence() const
{
  return elementData(element).valence;
}

int tXY::mult() const
{
  return carriesImplicitHydrogens(element) ? halfFreeValence(freeValence) : 0;
}

double tXY::AW() const
{
  return mult() * 1.00797 + atomicWeight;
}

int tXY::Hybmult() const
{
  return mult() + 10 * hybridisation;
}

bool tXY::HBA() const
{
  return element == 7 || element == 8 || element == 9;
}

bool tXY::isatom() const
{
  return element >= 1 && textFlag == 0;
}

double tXY::energy() const
{
  if (charge == 0)
    return 0;
  return slaterElectronicEnergy(element, charge) - slaterElectronicEnergy(element, 0);
}

std::string tXY::SCharge() const
{
  if (charge == 0)
    return {};
  const std::string digits = std::to_string(std::abs(static_cast<int>(charge)));
  return (charge < 0 ? "-" : "+") + digits;
}

void tXY::Change(int z, std::uint8_t newStyle)
{
  const ElementData& next = elementData(z);
  const int newElement = (z >= 0 && z <= maxElement) ? z : 0;
  checkedAdd(freeValence, static_cast<int>(next.valence) - MaxValence());
  element = static_cast<std::int8_t>(newElement);
  textDirection = 1;
  symbol.assign(next.symbol);
  atomicWeight = next.weight;
  charge = 0;
  pairCount = static_cast<std::int8_t>(halfFreeValence(freeValence));
  ChangeStyle(newElement == 6 ? 0 : newStyle, false);
  neighbourCount = 0;
  fixedFlag = 0;
}

std::uint8_t tXY::ChangeStyle(std::uint8_t newStyle, bool redraw)
{
  if (redraw)
    hide();
  const std::uint8_t old = style;
  switch (newStyle) {
    case 2:
      style = symbolStyleFor(element);
      break;
    case 0:
    case 1:
    case 3:
    case 4:
    case 5:
    case 6:
    case 255:
      style = newStyle;
      break;
    default:
      break;
  }
  if (redraw)
    show();
  return old;
}

std::uint8_t tXY::setstyle(std::uint8_t newStyle)
{
  const std::uint8_t old = style;
  style = newStyle;
  return old;
}

Colour tXY::Color(Colour c)
{
  const Colour old = colour;
  if (style < 16) {
    savedColour = colour;
    colour = c;
  }
  return old;
}

void tXY::ChangeQ(int delta)
{
  const long long q = static_cast<long long>(charge) + delta;
  charge = static_cast<std::int8_t>(std::clamp<long long>(q, -9, 9));
}

void tXY::setcharge(std::int8_t q)
{
  charge = q;
}

void tXY::ChangeH(int delta)
{
  hydrogenChange = checkedNarrow<std::int16_t>(delta);
  if (static_cast<long long>(freeValence) + delta >= 1)
    checkedAdd(freeValence, 2LL * delta);
}

void tXY::ValExpand()
{
  checkedAdd(freeValence, 2);
}

void tXY::Revtext()
{
  hide();
  textDirection = static_cast<std::int8_t>(-textDirection);
  show();
}

void tXY::shiftlR()
{
  hide();
  shiftFlag = shiftFlag == 0 ? 2 : 0;
  show();
}

void tXY::SetSymbol(std::string_view text)
{
  symbol.assign(text.substr(0, std::min<std::size_t>(text.size(), 32)));
}

void tXY::setRXYZ(double x, double y, double z)
{
  x3 = x;
  y3 = y;
  z3 = z;
  updatexyz();
}

void tXY::MoveToXYZ(double x, double y, double z)
{
  if (fixedFlag == 0)
    setRXYZ(x, y, z);
}

void tXY::Move(double dx, double dy, double dz)
{
  if (fixedFlag != 0)
    return;
  x3 += dx;
  y3 += dy;
  z3 += dz;
  updatexyz();
}

void tXY::shift(double dx, double dy, double dz)
{
  x3 += dx;
  y3 += dy;
  z3 += dz;
}

void tXY::update3d()
{
  screenX = roundToInt32(x3);
  screenY = roundToInt32(y3);
  depth = roundToInt16(z3);
}

void tXY::updatexyz()
{
  update3d();
  prevScreenX = screenX;
  prevScreenY = screenY;
  prevDepth = depth;
  savedX3 = x3;
  savedY3 = y3;
  savedZ3 = z3;
}

void tXY::update()
{
  pairCount = static_cast<std::int8_t>(halfFreeValence(freeValence));
  updatexyz();
}

void tXY::setxyz(const XyzRecord& record)
{
  Real48Bytes r;
  double v[3];
  for (std::size_t i = 0; i < 3; ++i) {
    std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(6 * i), 6, r.begin());
    v[i] = decodeReal48(r);
  }
  x3 = v[0];
  y3 = v[1];
  z3 = v[2];
  screenX = roundToInt32(x3);
  screenY = roundToInt32(y3);
  savedX3 = x3;
  savedY3 = y3;
  savedZ3 = z3;
}

bool tXY::getxyz(XyzRecord& record) const
{
  const double v[3] = { x3, y3, z3 };
  for (std::size_t i = 0; i < 3; ++i) {
    const auto bytes = encodeReal48(v[i]);
    if (!bytes)
      return false;
    std::copy(bytes->begin(), bytes->end(), record.begin() + static_cast<std::ptrdiff_t>(6 * i));
  }
  return true;
}

void tXY::vector(const std::array<double, 3>& v, double factor)
{
  Move(v[0] * factor, v[1] * factor, v[2] * factor);
}

double tXY::Dist3d(const tXY& other) const
{
  return std::sqrt((x3 - other.x3) * (x3 - other.x3) + (y3 - other.y3) * (y3 - other.y3) +
                   (z3 - other.z3) * (z3 - other.z3));
}

double tXY::Angstroms(const tXY& other) const
{
  return Dist3d(other) * angstromsPerUnit();
}

double tXY::dAngstroms(double x, double y, double z) const
{
  return std::sqrt((x3 - x) * (x3 - x) + (y3 - y) * (y3 - y) + (z3 - z) * (z3 - z)) *
         angstromsPerUnit();
}

double tXY::xAng() const
{
  return x3 * angstromsPerUnit();
}

double tXY::yAng() const
{
  return y3 * angstromsPerUnit();
}

double tXY::zAng() const
{
  return z3 * angstromsPerUnit();
}

std::int32_t tXY::px() const
{
  return roundToInt32(x3);
}

std::int32_t tXY::py() const
{
  return roundToInt32(y3);
}

std::int32_t tXY::pz() const
{
  return roundToInt32(z3);
}

std::int32_t tXY::Zmax() const
{
  return pz() + 1;
}

std::int32_t tXY::Zmin() const
{
  return pz() - 1;
}

void tXY::CloneData(const tXY& other)
{
  textFlag = other.textFlag;
  atomNumber = other.atomNumber;
  font = other.font;
  screenX = other.screenX;
  screenY = other.screenY;
  prevScreenX = other.prevScreenX;
  prevScreenY = other.prevScreenY;
  depth = other.depth;
  prevDepth = other.prevDepth;
  symbol = other.symbol;
  textDirection = other.textDirection;
  shiftFlag = other.shiftFlag;
  colour = other.colour;
  savedColour = other.savedColour;
  pairCount = other.pairCount;
  freeValence = other.freeValence;
  charge = other.charge;
  element = other.element;
  atomicWeight = other.atomicWeight;
  style = other.style;
  x3 = savedX3 = other.x3;
  y3 = savedY3 = other.y3;
  z3 = savedZ3 = other.z3;
  hydrogenChange = other.hydrogenChange;
}

tLAtm::tLAtm(double x, double y, std::string_view text)
  : tLAtm(x, y, text, labelKind)
{
}

tLAtm::tLAtm(double x, double y, std::string_view text, std::uint8_t kind)
  : tXY(0, x, y, 0)
{
  textFlag = kind;
  SetSymbol(text);
}

tFormula::tFormula(double x, double y, std::string_view text)
  : tLAtm(x, y, text, formulaKind)
{
}

} // namespace trelvix
