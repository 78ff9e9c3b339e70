// Moves, zoom, rotation, frame, queries and the strain-energy message of TFragment.
#include "model/fragment.h"

#include "model/atom.h"
#include "model/rotation.h"
#include "platform/checked.h"
#include "platform/fixed_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

namespace {

constexpr std::string_view strainPrefix = "Strain Energy = ";
constexpr std::string_view strainSuffix = " Kcal";

} // namespace

TFragment::TFragment()
  : list3d(std::make_unique<tAtoms>())
{
}

TFragment::~TFragment() = default;

void TFragment::Move(double dx, double dy, double dz)
{
  Atoms.Move(dx, dy, dz);
}

void TFragment::shift(double dx, double dy, double dz)
{
  for (tXY* a : Atoms)
    a->shift(dx, dy, dz);
}

void TFragment::Moveto(double x, double y)
{
  const Vector3 c = Atoms.GetCG();
  Move(x - c[0], y - c[1], 0);
}

void TFragment::movetoxyz(double x, double y, double z)
{
  Atoms.MoveToXYZ(x, y, z);
}

void TFragment::fluxmoveto(double x, double y, double z)
{
  Atoms.FluxMoveTo(x, y, z);
}

void TFragment::Zoom(double factor)
{
  const Vector3 c = Atoms.GetCG();
  for (tXY* a : Atoms) {
    a->x3 = (a->savedX3 - c[0]) * factor + c[0];
    a->y3 = (a->savedY3 - c[1]) * factor + c[1];
    a->z3 = (a->savedZ3 - c[2]) * factor + c[2];
    a->update3d();
  }
}

void TFragment::zoomupdate()
{
  Atoms.zoomupdate();
}

void TFragment::updatexyz()
{
  for (tXY* a : Atoms)
    a->updatexyz();
}

void TFragment::invert()
{
  const Vector3 c = Atoms.GetCG();
  for (tXY* a : Atoms) {
    if (!a->isatom())
      continue;
    a->x3 = 2 * c[0] - a->x3;
    a->y3 = 2 * c[1] - a->y3;
    a->z3 = 2 * c[2] - a->z3;
  }
}

void TFragment::Transform3d(const Point* centre, double z, double angle, int axis)
{
  const Vector3 c = centre
                      ? Vector3{ static_cast<double>(centre->x), static_cast<double>(centre->y), z }
                      : Atoms.GetCG();
  const Matrix3 m = axisRotation(axis, angle * std::numbers::pi / 180.0);
  for (tXY* a : Atoms) {
    if (!a->isatom())
      continue;
    const Vector3 v = m * Vector3{ a->savedX3 - c[0], a->savedY3 - c[1], a->savedZ3 - c[2] };
    a->x3 = v[0] + c[0];
    a->y3 = v[1] + c[1];
    a->z3 = v[2] + c[2];
    a->update3d();
  }
}

void TFragment::frame()
{
  if (Atoms.empty())
    return;
  updatexyz();
  const std::int32_t xMin = Atoms.xMin();
  const std::int32_t xMax = Atoms.xMax();
  const std::int32_t yMin = Atoms.yMin();
  const std::int32_t yMax = Atoms.yMax();
  corners = { checkedNarrow<std::int16_t>(xMin),
              checkedNarrow<std::int16_t>(xMax),
              checkedNarrow<std::int16_t>(yMin),
              checkedNarrow<std::int16_t>(yMax) };
  frameRect = Rect{ xMin, yMin, xMax, yMax };
}

std::int32_t TFragment::BoxWidth() const
{
  return checkedNarrow<std::int32_t>(
    std::llabs(static_cast<long long>(frameRect.right) - frameRect.left));
}

std::int32_t TFragment::BoxHeight() const
{
  return checkedNarrow<std::int32_t>(
    std::llabs(static_cast<long long>(frameRect.bottom) - frameRect.top));
}

std::int64_t TFragment::DSqr(Point a, Point b)
{
  const std::int64_t dx = static_cast<std::int64_t>(a.x) - b.x;
  const std::int64_t dy = static_cast<std::int64_t>(a.y) - b.y;
  return dx * dx + dy * dy;
}

tXY* TFragment::GetNucleus(double x, double y) const
{
  tXY* nearest = nullptr;
  double best = 0;
  for (tXY* a : Atoms) {
    const double d = (a->x3 - x) * (a->x3 - x) + (a->y3 - y) * (a->y3 - y);
    if (!nearest || d < best) {
      nearest = a;
      best = d;
    }
  }
  return nearest;
}

bool TFragment::isNumbered() const
{
  return std::all_of(
    Atoms.begin(), Atoms.end(), [](const tXY* a) { return !a->isatom() || a->atomNumber != 0; });
}

void TFragment::FreeLigands()
{
  if (Ligands)
    Ligands->deleteall();
}

std::uint8_t TFragment::Set3dView(std::uint8_t flag)
{
  const std::uint8_t previous = view3d;
  view3d = flag;
  return previous;
}

bool TFragment::VTest(const tXY* atom1, const tXY* atom2, int n) const
{
  if (atom1 && atom1->freeValence >= n)
    return true;
  return atom2 && atom2->freeValence >= n;
}

void TFragment::setenergy(double e)
{
  strainEnergy = e;
  startingEnergy = e;
}

void TFragment::SetJump(double v)
{
  jumpX = v;
  jumpY = v;
}

void TFragment::showenergy(int width, int decimals)
{
  std::string text(strainPrefix);
  // The number gets whatever room the 32-character text leaves beside its label and unit.
  const std::size_t room =
    decltype(energyText)::capacity - strainPrefix.size() - strainSuffix.size();
  text += fittedText(strainEnergy * 0.001, width, decimals, room);
  text += strainSuffix;
  energyText.assign(text); // keeps the first 32 characters
}

void TFragment::SetStrMessage(const std::string& text)
{
  energyText.assign(text);
}

void TFragment::SetIntMessage(long long n)
{
  energyText.assign(std::to_string(n));
}

void TFragment::ClearMessage()
{
  energyText.assign("");
}

void TFragment::printmessage(Canvas& target,
                             std::int32_t x,
                             std::int32_t y,
                             const std::string& text)
{
  const TextAlign oldAlign = target.textAlign();
  target.setTextAlign(TextAlign{ HAlign::Left, VAlign::Top });
  target.text(Point{ x, y }, text);
  target.setTextAlign(oldAlign);
}

void TFragment::printenergy(Canvas& target)
{
  if (energyTextFlag != 0)
    printmessage(target, 1, 1, energyText.str());
}

} // namespace trelvix
