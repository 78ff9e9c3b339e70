#include "forcefields/mmff_bonded.h"

// The molecule first: RDKit's typer header leans on what it brings.
#include <GraphMol/ROMol.h>
// clang-format off
#include <GraphMol/ForceFieldHelpers/MMFF/AtomTyper.h>
// clang-format on
#include <ForceField/MMFF/Params.h>
#include <GraphMol/ForceFieldHelpers/MMFF/Builder.h>
#include <GraphMol/Substruct/SubstructMatch.h>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double degrees = 180 / pi;
// kcal/mol per mdyn Å: MMFF94's force constants in the energy's unit.
constexpr double mdyneAngstrom = 143.9325;
// The angle terms' constant for angles in degrees, and the cubic term of the bend.
constexpr double angleUnit = mdyneAngstrom / (degrees * degrees);
constexpr double cubicBend = -0.006981317;
// The bond stretch's cubic constant, per Å (its quartic term is 7/12 of its square).
constexpr double cubicStretch = -2.0;
// The sine below which an angle counts as straight (its bend's direction is undefined).
constexpr double straightSine = 1e-8;

struct Vec
{
  double x, y, z;
  Vec operator+(Vec o) const { return { x + o.x, y + o.y, z + o.z }; }
  Vec operator-(Vec o) const { return { x - o.x, y - o.y, z - o.z }; }
  Vec operator*(double s) const { return { x * s, y * s, z * s }; }
  double dot(Vec o) const { return x * o.x + y * o.y + z * o.z; }
  Vec cross(Vec o) const { return { y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x }; }
  double length() const { return std::sqrt(dot(*this)); }
};

Vec at(std::span<const double> x, std::uint32_t atom)
{
  return { x[3 * atom], x[3 * atom + 1], x[3 * atom + 2] };
}

void add(std::span<double> gradient, std::uint32_t atom, Vec g)
{
  gradient[3 * atom] += g.x;
  gradient[3 * atom + 1] += g.y;
  gradient[3 * atom + 2] += g.z;
}

double clipped(double cosine)
{
  return std::clamp(cosine, -1.0, 1.0);
}

// The angle at a centre between the directions u and v (from the centre) and the derivatives of
// its cosine by u and by v.
struct Bend
{
  double lengthU, lengthV, cosine, sine, degrees;
  Vec unitU, unitV, dCosDu, dCosDv;
};

Bend bend(Vec u, Vec v)
{
  Bend b;
  b.lengthU = u.length();
  b.lengthV = v.length();
  b.unitU = u * (1 / b.lengthU);
  b.unitV = v * (1 / b.lengthV);
  b.cosine = clipped(b.unitU.dot(b.unitV));
  b.sine = std::max(std::sqrt(1 - b.cosine * b.cosine), straightSine);
  b.degrees = degrees * std::acos(b.cosine);
  b.dCosDu = (b.unitV - b.unitU * b.cosine) * (1 / b.lengthU);
  b.dCosDv = (b.unitU - b.unitV * b.cosine) * (1 / b.lengthV);
  return b;
}

} // namespace

MmffBonded::MmffBonded(const RDKit::ROMol& mol, RDKit::MMFF::MMFFMolProperties& properties)
{
  const ForceFields::MMFF::MMFFPropCollection& atomProperties =
    *RDKit::MMFF::DefaultParameters::getMMFFProp();
  const auto linear = [&](unsigned int atom) {
    return atomProperties(properties.getMMFFAtomType(atom))->linh != 0;
  };
  for (const RDKit::Bond* bond : mol.bonds()) {
    const unsigned int i = bond->getBeginAtomIdx(), j = bond->getEndAtomIdx();
    unsigned int type;
    ForceFields::MMFF::MMFFBond p;
    if (properties.getMMFFBondStretchParams(mol, i, j, type, p))
      m_bonds.push_back({ { i, j }, p.r0, p.kb });
  }
  // Every angle at a centre of two or more bonds, each pair of its neighbours once.
  for (const RDKit::Atom* centre : mol.atoms()) {
    const unsigned int j = centre->getIdx();
    std::vector<unsigned int> ends;
    for (const RDKit::Atom* end : mol.atomNeighbors(centre))
      ends.push_back(end->getIdx());
    for (std::size_t a = 0; a < ends.size(); ++a) {
      for (std::size_t b = a + 1; b < ends.size(); ++b) {
        const unsigned int i = ends[a], k = ends[b];
        Angle term{ .atoms = { i, j, k }, .linear = linear(j) };
        unsigned int type;
        ForceFields::MMFF::MMFFAngle angle;
        const bool bends = properties.getMMFFAngleBendParams(mol, i, j, k, type, angle);
        if (bends) {
          term.theta0 = angle.theta0;
          term.ka = angle.ka;
        }
        ForceFields::MMFF::MMFFStbn stbn;
        ForceFields::MMFF::MMFFBond bonds[2];
        const bool stretches = !term.linear && properties.getMMFFStretchBendParams(
                                                 mol, i, j, k, type, stbn, bonds, angle);
        if (stretches) {
          term.r01 = bonds[0].r0;
          term.r02 = bonds[1].r0;
          term.stbnTheta0 = angle.theta0;
          term.k1 = stbn.kbaIJK;
          term.k2 = stbn.kbaKJI;
        }
        if (bends || stretches)
          m_angles.push_back(term);
      }
    }
    // A three-connected centre bends out of the plane of each two of its neighbours.
    if (ends.size() == 3) {
      ForceFields::MMFF::MMFFOop oop;
      if (properties.getMMFFOopBendParams(mol, ends[0], j, ends[1], ends[2], oop)) {
        for (std::size_t out = 0; out < 3; ++out)
          m_outOfPlanes.push_back(
            { { ends[(out + 1) % 3], j, ends[(out + 2) % 3], ends[out] }, oop.koop });
      }
    }
  }
  // Torsions about the bonds RDKit's builder takes (neither end terminal nor triple-bonded),
  // between sp2 or sp3 atoms, every pair of outer neighbours but those closing a three-ring.
  std::vector<RDKit::MatchVectType> matches;
  RDKit::SubstructMatch(mol, *RDKit::MMFF::Tools::DefaultTorsionBondSmarts::query(), matches);
  const auto twisting = [&](unsigned int atom) {
    const RDKit::Atom::HybridizationType h = mol.getAtomWithIdx(atom)->getHybridization();
    return h == RDKit::Atom::SP2 || h == RDKit::Atom::SP3;
  };
  for (const RDKit::MatchVectType& match : matches) {
    const unsigned int j = match[0].second, k = match[1].second;
    if (!twisting(j) || !twisting(k))
      continue;
    for (const RDKit::Atom* first : mol.atomNeighbors(mol.getAtomWithIdx(j))) {
      const unsigned int i = first->getIdx();
      if (i == k)
        continue;
      for (const RDKit::Atom* last : mol.atomNeighbors(mol.getAtomWithIdx(k))) {
        const unsigned int l = last->getIdx();
        if (l == j || l == i)
          continue;
        unsigned int type;
        ForceFields::MMFF::MMFFTor t;
        if (properties.getMMFFTorsionParams(mol, i, j, k, l, type, t))
          m_torsions.push_back({ { i, j, k, l }, t.V1, t.V2, t.V3 });
      }
    }
  }
}

double MmffBonded::addEnergyAndGradient(std::span<const double> x, std::span<double> gradient) const
{
  double energy = 0;
  for (const Bond& t : m_bonds) {
    const Vec d = at(x, t.atoms[0]) - at(x, t.atoms[1]);
    const double r = d.length();
    const double s = r - t.r0;
    const double cs = cubicStretch;
    energy += mdyneAngstrom * t.kb / 2 * s * s * (1 + cs * s + 7.0 / 12.0 * cs * cs * s * s);
    const double dEdr = mdyneAngstrom * t.kb * s * (1 + 1.5 * cs * s + 7.0 / 6.0 * cs * cs * s * s);
    const Vec g = d * (dEdr / r);
    add(gradient, t.atoms[0], g);
    add(gradient, t.atoms[1], g * -1);
  }
  for (const Angle& t : m_angles) {
    const Vec centre = at(x, t.atoms[1]);
    const Bend b = bend(at(x, t.atoms[0]) - centre, at(x, t.atoms[2]) - centre);
    const double delta = b.degrees - t.theta0;
    double dEdCos;
    if (t.linear) {
      energy += mdyneAngstrom * t.ka * (1 + b.cosine);
      dEdCos = mdyneAngstrom * t.ka;
    } else {
      energy += 0.5 * angleUnit * t.ka * delta * delta * (1 + cubicBend * delta);
      dEdCos = -degrees * angleUnit * t.ka * delta * (1 + 1.5 * cubicBend * delta) / b.sine;
    }
    // The stretch-bend: the two bonds' stretches times the angle's bend.
    const double stbnDelta = b.degrees - t.stbnTheta0;
    const double stretch = t.k1 * (b.lengthU - t.r01) + t.k2 * (b.lengthV - t.r02);
    const double unit = mdyneAngstrom / degrees;
    energy += unit * stretch * stbnDelta;
    dEdCos -= unit * stretch * degrees / b.sine;
    const Vec gi = b.unitU * (unit * t.k1 * stbnDelta) + b.dCosDu * dEdCos;
    const Vec gk = b.unitV * (unit * t.k2 * stbnDelta) + b.dCosDv * dEdCos;
    add(gradient, t.atoms[0], gi);
    add(gradient, t.atoms[2], gk);
    add(gradient, t.atoms[1], (gi + gk) * -1);
  }
  for (const OutOfPlane& t : m_outOfPlanes) {
    // χ: the angle between the bond to the atom out of the plane and the plane.
    const Vec centre = at(x, t.atoms[1]);
    const Vec u = at(x, t.atoms[0]) - centre, v = at(x, t.atoms[2]) - centre;
    const Vec w = at(x, t.atoms[3]) - centre;
    const Vec n = u.cross(v);
    const double nLength = n.length(), wLength = w.length();
    const double sine = clipped(n.dot(w) / (nLength * wLength));
    const double chi = degrees * std::asin(sine);
    energy += 0.5 * angleUnit * t.koop * chi * chi;
    const double cosine = std::max(std::sqrt(1 - sine * sine), straightSine);
    const double dEdSin = angleUnit * t.koop * chi * degrees / cosine;
    const Vec dSinDn = (w * (1 / wLength) - n * (sine / nLength)) * (1 / nLength);
    const Vec dSinDw = (n * (1 / nLength) - w * (sine / wLength)) * (1 / wLength);
    const Vec gi = v.cross(dSinDn) * dEdSin;
    const Vec gk = dSinDn.cross(u) * dEdSin;
    const Vec gl = dSinDw * dEdSin;
    add(gradient, t.atoms[0], gi);
    add(gradient, t.atoms[2], gk);
    add(gradient, t.atoms[3], gl);
    add(gradient, t.atoms[1], (gi + gk + gl) * -1);
  }
  for (const Torsion& t : m_torsions) {
    // φ between the planes i-j-k and j-k-l, through its cosine: the energy's derivative by the
    // cosine has no singularity where sin φ vanishes.
    const Vec xj = at(x, t.atoms[1]), xk = at(x, t.atoms[2]);
    const Vec r1 = at(x, t.atoms[0]) - xj, r2 = xk - xj;
    const Vec r3 = xj - xk, r4 = at(x, t.atoms[3]) - xk;
    const Vec t1 = r1.cross(r2), t2 = r3.cross(r4);
    const double l1 = t1.length(), l2 = t2.length();
    const double c = clipped(t1.dot(t2) / (l1 * l2));
    const double cos2 = 2 * c * c - 1;
    const double cos3 = c * (2 * cos2 - 1);
    energy += 0.5 * (t.v1 * (1 + c) + t.v2 * (1 - cos2) + t.v3 * (1 + cos3));
    const double dEdCos = 0.5 * (t.v1 - 4 * t.v2 * c + t.v3 * (12 * c * c - 3));
    const Vec a = (t2 * (1 / l2) - t1 * (c / l1)) * (dEdCos / l1);
    const Vec b = (t1 * (1 / l1) - t2 * (c / l2)) * (dEdCos / l2);
    const Vec g1 = r2.cross(a), g2 = a.cross(r1), g3 = r4.cross(b), g4 = b.cross(r3);
    add(gradient, t.atoms[0], g1);
    add(gradient, t.atoms[1], (g1 + g2) * -1 + g3);
    add(gradient, t.atoms[2], g2 - g3 - g4);
    add(gradient, t.atoms[3], g4);
  }
  return energy;
}

} // namespace trelvix
