// Turning the implicit hydrogens of an atom into explicit hydrogen atoms, in the drawing plane
// and in 3D.
#include "model/atom_host.h"
#include "model/atom_list.h"
#include "model/bond.h"
#include "model/bond_list.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "model/vector3.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>

namespace trelvix {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double thirdTurn = 2.0943951023931957;   // 2 pi / 3: 120 degrees
constexpr double tetrahedral = 1.9106332356470423; // 109.47 degrees
// 0.6493506493506493 = 1 / 1.54: Ångström to scale lengths; 0.29 + 0.77 are the covalent radii
// of H and C in Ångström.
constexpr double chPerScale = (0.29 + 0.77) * 0.6493506493506493;

// Elements whose implicit hydrogens the drawing-plane protonation draws: Li, B, C, N, O, F, Al,
// Si, P, S, Cl, Ge, As, Se, Br, Te and I.
bool protonatedIn2d(int z)
{
  return z == 3 || (z >= 5 && z <= 9) || (z >= 13 && z <= 17) || (z >= 32 && z <= 35) || z == 52 ||
         z == 53;
}

double degrees(double d)
{
  return d * pi / 180;
}

// The sp3 valence angle of an element, radians, as the force field's ideal-angle table has it
// for the atoms that carry implicit hydrogens; every other element takes the tetrahedral angle.
double sp3Angle(int z)
{
  switch (z) {
    case 7:
      return degrees(106.7);
    case 8:
      return degrees(104.51);
    case 15:
      return degrees(93.3);
    case 16:
    case 33:
      return degrees(92.1);
    case 34:
      return degrees(90.6);
    case 52:
      return degrees(90.3);
    default:
      return tetrahedral;
  }
}

bool isZero(const Vector3& v)
{
  return v[0] == 0 && v[1] == 0 && v[2] == 0;
}

// The frame of a cone about the bond from a centre to its first neighbour: d = neighbour -
// centre in spherical form (length r, polar angle theta from z, azimuth phi in the x-y plane).
// A point at polar angle beta and azimuth psi in the frame is turned about y by theta and then
// about z by phi, which carries the frame's z axis onto d.
class BondCone
{
public:
  BondCone(const Vector3& centre, const Vector3& d)
    : m_centre(centre)
    , m_r(norm(d))
  {
    const double polar = m_r > 0 ? std::acos(std::clamp(d[2] / m_r, -1.0, 1.0)) : 0.0;
    const double azimuth = std::atan2(d[1], d[0]);
    m_toWorld = multiply(axisRotation(3, azimuth), axisRotation(2, polar));
    m_toFrame = multiply(axisRotation(2, -polar), axisRotation(3, -azimuth));
  }

  double radius() const { return m_r; }

  /// The point at distance r from the centre, at angle beta from d and azimuth psi about it.
  Vector3 at(double beta, double psi) const
  {
    const Vector3 local{ m_r * std::sin(beta) * std::cos(psi),
                         m_r * std::sin(beta) * std::sin(psi),
                         m_r * std::cos(beta) };
    return plus(m_centre, m_toWorld * local);
  }

  /// The azimuth of a point about d in the cone's frame; none for a point on the axis.
  std::optional<double> azimuthOf(const Vector3& point) const
  {
    const Vector3 local = m_toFrame * minus(point, m_centre);
    if (std::hypot(local[0], local[1]) <= 1e-9 * std::max(1.0, m_r))
      return std::nullopt;
    return std::atan2(local[1], local[0]);
  }

private:
  static Matrix3 multiply(const Matrix3& a, const Matrix3& b)
  {
    Matrix3 m{};
    for (std::size_t i = 0; i < 3; ++i)
      for (std::size_t j = 0; j < 3; ++j)
        m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return m;
  }

  Vector3 m_centre;
  double m_r;
  Matrix3 m_toWorld{};
  Matrix3 m_toFrame{};
};

// A neighbour of near other than self, in list order; nullptr when there is none.
const tXY* otherNeighbour(tXY& near, const tXY* self)
{
  auto* structureAtom = dynamic_cast<tAtm*>(&near);
  if (structureAtom)
    structureAtom->AttachedAtoms();
  for (const tXY* n : *near.atoms) {
    if (n != self)
      return n;
  }
  return nullptr;
}

// Creates a hydrogen at p bonded to atom by a new single bond and hands both to the document.
// restyle: the hydrogen is made hydrogen again with style 2 through Change, as the trigonal and
// aromatic placements do.
void addHydrogen(AtomHost& host, tAtm& atom, const Vector3& p, bool restyle = false)
{
  auto hydrogen = std::make_unique<tAtm>(1, p[0], p[1], 2);
  if (restyle)
    hydrogen->Change(1, 2);
  hydrogen->setRXYZ(p[0], p[1], p[2]);
  auto bond = std::make_unique<tbond>(&atom, hydrogen.get());
  bond->ssingle();
  host.adopt(hydrogen.release(), bond.release());
}

} // namespace

void tAtm::protonate()
{
  AtomHost* host = atomHost();
  if (!host || textFlag != 0 || !protonatedIn2d(element))
    return;
  AttachedBonds();
  const int h = mult();
  if (h <= 0)
    return;
  const double s = bondScale();

  if (bonds->empty()) {
    // Four hydrogens go every 90 degrees, up to three every 120; more (only after a hydrogen
    // change) are spread evenly.
    const double step = h == 4 ? pi / 2 : h <= 3 ? thirdTurn : 2 * pi / h;
    for (int i = 0; i < h; ++i)
      host->addAtomAtOffset(*this, 1, s * std::cos(i * step), s * std::sin(i * step));
    return;
  }

  if (h > 3)
    return;
  const tLink* first = bonds->At(0);
  const tXY* partner = first->partner(this);
  if (!partner)
    return;
  // A point just beyond the atom on the line from its first partner: away from that bond.
  const double towardsX = x3 + 0.1 * (x3 - partner->x3);
  const double towardsY = y3 + 0.1 * (y3 - partner->y3);
  tAtm* added[3] = { nullptr, nullptr, nullptr };
  for (int i = 0; i < h; ++i)
    added[i] = host->linkHydrogenTowards(*this, towardsX, towardsY);
  if (h == 3 && added[0] && added[1] && added[2])
    added[2]->setRXYZ(
      (added[0]->x3 + added[1]->x3) / 2, (added[0]->y3 + added[1]->y3) / 2, added[2]->z3);
}

void tAtm::protonate3d()
{
  AtomHost* host = atomHost();
  if (!host || !isatom())
    return;
  const int k = mult();
  // Only implicit hydrogens are placed: an atom with none gets none, whatever its geometry.
  if (k <= 0)
    return;
  const int hyb = GetHyb();
  const int n = AttachedAtoms();
  const double s = bondScale();
  const Vector3 centre = positionOf(*this);

  if (n == 0) {
    // The first along +x, the others at the element's valence angle from it, turned by
    // (i - 1) x 120 degrees about x.
    const double angle = sp3Angle(element);
    addHydrogen(*host, *this, plus(centre, { s, 0, 0 }));
    for (int i = 2; i <= k; ++i) {
      const double turn = (i - 1) * thirdTurn;
      const Vector3 d{ std::cos(angle),
                       std::sin(angle) * std::cos(turn),
                       std::sin(angle) * std::sin(turn) };
      addHydrogen(*host, *this, plus(centre, scaled(d, s)));
    }
    return;
  }

  if (hyb == 3 && n == 3) {
    // One hydrogen along the free direction, opposite the crowd of the bonds.
    const Vector3 crowd = GetDirVector();
    if (!isZero(crowd))
      addHydrogen(*host, *this, minus(centre, scaled(crowd, s)));
    return;
  }

  const Vector3 x0 = positionOf(*atoms->At(0));
  const Vector3 d0 = minus(x0, centre);
  const BondCone cone(centre, d0);
  if (cone.radius() <= 0)
    return; // the first neighbour sits on the atom: no bond axis to place about
  const tXY* second = n >= 2 ? atoms->At(1) : nullptr;

  // Hydrogens on the tetrahedral cone about the first bond. With a second neighbour the cone is
  // turned so that neighbour takes the third slot and the hydrogens the other two; with the first
  // neighbour's own substituent the hydrogens stand staggered to it.
  const auto tetrahedralCone = [&]() {
    double offset = 0;
    if (second) {
      if (const auto psi = cone.azimuthOf(positionOf(*second)))
        offset = *psi - thirdTurn;
    } else if (const tXY* beyond = otherNeighbour(*atoms->At(0), this)) {
      if (const auto psi = cone.azimuthOf(positionOf(*beyond)))
        offset = *psi + pi;
    }
    for (int i = 1; i <= k; ++i)
      addHydrogen(*host, *this, cone.at(tetrahedral, (i - 2) * thirdTurn + offset));
  };
  // One hydrogen at distance S opposite the sum of the first two bonds.
  const auto bisector = [&]() {
    const Vector3 away = unit(plus(d0, minus(positionOf(*second), centre)));
    if (!isZero(away))
      addHydrogen(*host, *this, minus(centre, scaled(away, s)), true);
  };

  switch (hyb) {
    case 1:
      if (n == 1)
        addHydrogen(*host, *this, minus(centre, scaled(unit(d0), chPerScale * s)));
      break;
    case 2:
      if (n == 1) {
        // At 120 degrees from the double bond, the two on opposite azimuths; in the plane of the
        // partner's own substituent when it has one, so the double bond stays planar.
        double offset = 0;
        if (const tXY* beyond = otherNeighbour(*atoms->At(0), this)) {
          if (const auto psi = cone.azimuthOf(positionOf(*beyond)))
            offset = *psi - pi / 2;
        }
        for (int i = 1; i <= k; ++i)
          addHydrogen(*host, *this, cone.at(thirdTurn, i * pi - pi / 2 + offset));
      } else if (n == 2) {
        bisector();
      } else if (n == 3) {
        tetrahedralCone();
      }
      break;
    case 3:
      if (n == 1 || n == 2)
        tetrahedralCone();
      break;
    case 4:
      if (k == 1 && second)
        bisector();
      break;
    default:
      break;
  }
}

} // namespace trelvix
