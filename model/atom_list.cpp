#include "model/atom_list.h"

#include "model/atom.h"
#include "model/depth_sort.h"
#include "platform/checked.h"

#include <cmath>
#include <functional>
#include <vector>

namespace trelvix {

namespace {

constexpr double hydrogenWeight = 1.00794;

template<class Pick>
double meanOf(const tAtoms& atoms, Pick pick)
{
  if (atoms.empty())
    return 0;
  double sum = 0;
  for (const tXY* a : atoms)
    sum += pick(*a);
  return sum / atoms.Count();
}

// Starting from the first atom's rounded coordinate, the best of the atoms' bounds; 0 when empty.
template<class Better>
std::int32_t boundOf(const tAtoms& atoms,
                     std::int32_t (tXY::*coordinate)() const,
                     std::int32_t (tXY::*bound)() const,
                     Better better)
{
  if (atoms.empty())
    return 0;
  std::int32_t v = (atoms.At(0)->*coordinate)();
  for (const tXY* a : atoms) {
    const std::int32_t b = (a->*bound)();
    if (better(b, v))
      v = b;
  }
  return v;
}

} // namespace

tAtoms::tAtoms()
  : List3d(std::make_unique<tBaseList<tXY>>())
{
}

tAtoms::~tAtoms() = default;

void tAtoms::AddAtoms(const tAtoms* list)
{
  if (list)
    AddItems(*list);
}

double tAtoms::GetX() const
{
  return meanOf(*this, [](const tXY& a) { return a.x3; });
}

double tAtoms::GetY() const
{
  return meanOf(*this, [](const tXY& a) { return a.y3; });
}

double tAtoms::GetZ() const
{
  return meanOf(*this, [](const tXY& a) { return a.z3; });
}

Vector3 tAtoms::GetCG() const
{
  Vector3 sum{};
  int n = 0;
  for (const tXY* a : *this) {
    if (a->isatom()) {
      sum = { sum[0] + a->x3, sum[1] + a->y3, sum[2] + a->z3 };
      ++n;
    }
  }
  if (n == 0) {
    // Only text atoms or symbol points: their mean stands for the centre.
    for (const tXY* a : *this)
      sum = { sum[0] + a->x3, sum[1] + a->y3, sum[2] + a->z3 };
    n = Count();
  }
  if (n == 0)
    return {};
  return { sum[0] / n, sum[1] / n, sum[2] / n };
}

void tAtoms::GetCG(double& x, double& y, double& z) const
{
  const Vector3 c = GetCG();
  x = c[0];
  y = c[1];
  z = c[2];
}

std::int16_t tAtoms::NAtoms() const
{
  long long n = 0;
  for (const tXY* a : *this)
    n += a->isatom() ? 1 : 0;
  return checkedNarrow<std::int16_t>(n);
}

std::int16_t tAtoms::nprotons() const
{
  long long n = 0;
  for (const tXY* a : *this)
    n += a->element == 1 ? 1 : 0;
  return checkedNarrow<std::int16_t>(n);
}

std::int16_t tAtoms::nHydrogens() const
{
  long long n = nprotons();
  for (const tXY* a : *this) {
    if (countsImplicitHydrogens(a->element))
      n += a->mult();
  }
  return checkedNarrow<std::int16_t>(n);
}

double tAtoms::MolecularWeight() const
{
  double weight = 0;
  for (const tXY* a : *this) {
    if (a->element == 0)
      continue;
    weight += a->atomicWeight;
    if (countsImplicitHydrogens(a->element) && a->freeValence > 0)
      weight += a->mult() * hydrogenWeight;
  }
  return weight;
}

std::int16_t tAtoms::MaxNumber() const
{
  std::int16_t best = 0;
  for (const tXY* a : *this)
    best = std::max(best, a->atomNumber);
  return best;
}

void tAtoms::zeros()
{
  for (tXY* a : *this) {
    if (a->isatom())
      a->atomNumber = 0;
  }
}

void tAtoms::settest(std::uint8_t flag)
{
  for (tXY* a : *this)
    a->testFlag = flag;
}

void tAtoms::Fix(std::uint8_t flag)
{
  for (tXY* a : *this)
    a->fixedFlag = flag;
}

void tAtoms::update()
{
  for (tXY* a : *this)
    a->update();
}

void tAtoms::zoomupdate()
{
  for (tXY* a : *this)
    a->update3d();
}

void tAtoms::Move(double dx, double dy, double dz)
{
  for (tXY* a : *this)
    a->Move(dx, dy, dz);
}

void tAtoms::FluxMoveTo(double x, double y, double z)
{
  const Vector3 c = GetCG();
  for (tXY* a : *this) {
    a->x3 += x - c[0];
    a->y3 += y - c[1];
    a->z3 += z - c[2];
    a->update3d();
  }
}

void tAtoms::MoveToXYZ(double x, double y, double z)
{
  FluxMoveTo(x, y, z);
  update();
}

void tAtoms::Reflect(int axis)
{
  if (axis < 1 || axis > 3)
    return;
  const Vector3 c = GetCG();
  for (tXY* a : *this) {
    double& v = axis == 1 ? a->x3 : axis == 2 ? a->y3 : a->z3;
    v = 2 * c[static_cast<std::size_t>(axis - 1)] - v;
  }
}

void tAtoms::transform3d(const Matrix3& m, const Vector3& c)
{
  for (tXY* a : *this) {
    const Vector3 v = m * Vector3{ a->savedX3 - c[0], a->savedY3 - c[1], a->savedZ3 - c[2] };
    a->x3 = v[0] + c[0];
    a->y3 = v[1] + c[1];
    a->z3 = v[2] + c[2];
    a->update3d();
  }
}

void tAtoms::rotate3d(int axis, double angle)
{
  if (axis < 1 || axis > 3)
    return;
  const Vector3 c = GetCG();
  const Matrix3 m = axisRotation(axis, angle);
  for (tXY* a : *this) {
    const Vector3 v = m * Vector3{ a->savedX3 - c[0], a->savedY3 - c[1], a->savedZ3 - c[2] };
    a->screenX = checkedNarrow<std::int32_t>(std::llround(v[0] + c[0]));
    a->screenY = checkedNarrow<std::int32_t>(std::llround(v[1] + c[1]));
    a->depth = checkedNarrow<std::int16_t>(std::llround(v[2] + c[2]));
  }
}

void tAtoms::RotateABC(double a, double b, double c)
{
  const double angles[3] = { a, b, c };
  for (int axis = 1; axis <= 3; ++axis) {
    transform3d(axisRotation(axis, angles[axis - 1]), GetCG());
    update();
  }
}

std::int32_t tAtoms::xMax() const
{
  return boundOf(*this, &tXY::px, &tXY::Xmax, std::greater<>());
}

std::int32_t tAtoms::xMin() const
{
  return boundOf(*this, &tXY::px, &tXY::xmin, std::less<>());
}

std::int32_t tAtoms::yMax() const
{
  return boundOf(*this, &tXY::py, &tXY::Ymax, std::greater<>());
}

std::int32_t tAtoms::yMin() const
{
  return boundOf(*this, &tXY::py, &tXY::Ymin, std::less<>());
}

std::int32_t tAtoms::zMax() const
{
  return boundOf(*this, &tXY::pz, &tXY::Zmax, std::greater<>());
}

std::int32_t tAtoms::zMin() const
{
  return boundOf(*this, &tXY::pz, &tXY::Zmin, std::less<>());
}

void tAtoms::Color(Colour c)
{
  colour = c;
  for (tXY* a : *this)
    a->Color(c);
}

void tAtoms::setfont(const FontRecord& font)
{
  for (tXY* a : *this)
    a->font = font;
}

void tAtoms::Get3dlist()
{
  std::vector<tXY*> sorted(begin(), end());
  depthSort(sorted, [](const tXY* a) { return a->top(); });
  List3d->deleteall();
  for (tXY* a : sorted)
    List3d->Add(a);
}

} // namespace trelvix
