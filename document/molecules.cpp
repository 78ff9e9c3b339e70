// The Add Molecule recipes: each molecule is a centre with its outer atoms in a fixed shape, as
// data.
#include "document/molecules.h"

#include "document/drawing.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/element_table.h"
#include "model/structure_atom.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

enum class Shape
{
  Tetrahedral, ///< four outer atoms, one straight down on the page
  Pyramidal,   ///< three outer atoms below the centre
  Bent,        ///< two outer atoms below the centre
  Linear,      ///< two outer atoms left and right
  Diatomic,    ///< two atoms side by side about the point
};

struct Recipe
{
  int code;
  Shape shape;
  int centre;    ///< element of the centre (the first atom of a diatomic)
  int outer;     ///< element of the outer atoms (the second atom of a diatomic)
  int bondType;  ///< type code of the bonds (of the first bond for a bent or linear molecule)
  int otherType; ///< type code of the second bond of a linear or bent molecule
  int lastOuter; ///< element of the last outer atom when it differs, else 0
};

constexpr Recipe recipes[] = {
  { 571, Shape::Tetrahedral, 6, 1, 2, 2, 0 },  // CH4
  { 587, Shape::Tetrahedral, 14, 1, 2, 2, 0 }, // SiH4
  { 572, Shape::Pyramidal, 7, 1, 2, 2, 0 },    // NH3
  { 586, Shape::Pyramidal, 15, 1, 2, 2, 0 },   // PH3
  { 575, Shape::Pyramidal, 5, 1, 2, 2, 0 },    // BH3
  { 573, Shape::Bent, 8, 1, 2, 2, 0 },         // H2O
  { 574, Shape::Bent, 16, 1, 2, 2, 0 },        // H2S
  { 585, Shape::Bent, 7, 8, 4, 2, 0 },         // NO2
  { 582, Shape::Linear, 6, 8, 4, 4, 0 },       // CO2
  { 584, Shape::Linear, 16, 8, 4, 4, 0 },      // SO2
  { 588, Shape::Linear, 14, 8, 4, 4, 0 },      // SiO2
  { 591, Shape::Linear, 6, 1, 2, 6, 7 },       // HCN: H-C#N
  { 576, Shape::Diatomic, 1, 1, 2, 2, 0 },     // H2
  { 577, Shape::Diatomic, 17, 17, 2, 2, 0 },   // Cl2
  { 578, Shape::Diatomic, 35, 35, 2, 2, 0 },   // Br2
  { 579, Shape::Diatomic, 53, 53, 2, 2, 0 },   // I2
  { 583, Shape::Diatomic, 9, 9, 2, 2, 0 },     // F2
  { 581, Shape::Diatomic, 8, 8, 4, 4, 0 },     // O2
  { 580, Shape::Diatomic, 7, 7, 6, 6, 0 },     // N2
  { 589, Shape::Diatomic, 6, 8, 6, 6, 0 },     // CO
  { 590, Shape::Diatomic, 7, 8, 4, 4, 0 },     // NO
};

// The bond angle of a centre with lone pairs, degrees; the tetrahedral angle otherwise.
double bondAngle(int z)
{
  switch (z) {
    case 7:
      return 106.7;
    case 8:
      return 104.51;
    case 15:
      return 93.3;
    case 16:
      return 92.1;
    default:
      return 109.4712206;
  }
}

std::vector<Vector3> outerOffsets(const Recipe& r)
{
  const double pi = std::numbers::pi;
  const double d = BL(r.centre, r.outer, 2);
  switch (r.shape) {
    case Shape::Tetrahedral: {
      // One straight down on the page, three above it around the vertical axis.
      std::vector<Vector3> v = { { 0, d, 0 } };
      const double radial = d * std::sqrt(8.0) / 3;
      for (int i = 0; i < 3; ++i) {
        const double a = i * 2 * pi / 3;
        v.push_back({ radial * std::cos(a), -d / 3, radial * std::sin(a) });
      }
      return v;
    }
    case Shape::Pyramidal: {
      // Each bond makes angle b with the downward axis; cos(angle) = (3 cos^2 b - 1) / 2.
      const double cosAngle = std::cos(bondAngle(r.centre) * pi / 180);
      const double b = std::acos(std::sqrt((2 * cosAngle + 1) / 3));
      std::vector<Vector3> v;
      for (int i = 0; i < 3; ++i) {
        const double a = i * 2 * pi / 3;
        v.push_back(
          { d * std::sin(b) * std::cos(a), d * std::cos(b), d * std::sin(b) * std::sin(a) });
      }
      return v;
    }
    case Shape::Bent: {
      const double half = bondAngle(r.centre) * pi / 360;
      return { { -d * std::sin(half), d * std::cos(half), 0 },
               { d * std::sin(half), d * std::cos(half), 0 } };
    }
    case Shape::Linear: {
      const double left = BL(r.centre, r.outer, r.bondType);
      const double right = BL(r.centre, r.lastOuter ? r.lastOuter : r.outer, r.otherType);
      return { { -left, 0, 0 }, { right, 0, 0 } };
    }
    case Shape::Diatomic:
      break;
  }
  return {};
}

tAtm* newAtom(tStructure& piece, int z, double x, double y, double zc)
{
  auto* a = new tAtm(z, x, y, z == 6 ? 0 : 2);
  a->setRXYZ(x, y, zc);
  piece.Atoms.Add(a);
  return a;
}

tbond* newBond(tStructure& piece, tXY* a, tXY* b, int type)
{
  auto* bond = new tbond(a, b);
  bond->Change(static_cast<std::uint8_t>(type));
  if (type == 4 || type == 6)
    bond->lineStyle = 4; // double and triple bonds of small molecules are drawn centred
  piece.Bonds.Add(bond);
  return bond;
}

void build(const Recipe& r, tStructure& piece, double x, double y)
{
  if (r.shape == Shape::Diatomic) {
    // Both atoms about the point, then the bond takes the ideal length of its pair.
    const double d = BL(r.centre, r.outer, r.bondType) / 2;
    tAtm* a = newAtom(piece, r.centre, x - d, y, 0);
    tAtm* b = newAtom(piece, r.outer, x + d, y, 0);
    tbond* bond = newBond(piece, a, b, r.bondType);
    const double half = bond->RAB() / 2;
    a->setRXYZ(x - half, y, 0);
    b->setRXYZ(x + half, y, 0);
  } else {
    tAtm* centre = newAtom(piece, r.centre, x, y, 0);
    const std::vector<Vector3> offsets = outerOffsets(r);
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      const bool last = i + 1 == offsets.size();
      const int z = last && r.lastOuter ? r.lastOuter : r.outer;
      tAtm* outer = newAtom(piece, z, x + offsets[i][0], y + offsets[i][1], offsets[i][2]);
      const int type =
        (r.shape == Shape::Linear || r.shape == Shape::Bent) && last ? r.otherType : r.bondType;
      newBond(piece, centre, outer, type);
    }
  }
  // Every hydrogen of these molecules is drawn: an atom left with open valence (the carbon of
  // CO, the nitrogen of NO, the single-bonded oxygen of NO2) carries no implicit hydrogen.
  for (tXY* a : piece.Atoms) {
    if (a->mult() > 0)
      a->ChangeH(-a->mult());
  }
  piece.update();
  piece.AddToDrawing();
}

} // namespace

double BL(int a, int b, int t)
{
  const double ra = elementData(a).covalentRadius;
  const double rb = elementData(b).covalentRadius;
  return (ra + rb - 0.01) * bondScale() * (1.71 - 0.09 * t) * 0.42165626581210996;
}

bool addMolecule(int code, double x, double y)
{
  for (const Recipe& r : recipes) {
    if (r.code != code)
      continue;
    placePiece(std::make_unique<tStructure>(), [&](tStructure& piece) { build(r, piece, x, y); });
    return true;
  }
  return false;
}

} // namespace trelvix
