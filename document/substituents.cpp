// The substituent groups that grow from a short chain: each is a recipe of steps on the group's
// new atoms (a1 bonded to the picked atom, a2 ... after it) and bonds (b1 from the picked atom
// to a1, then one per new atom).
#include "document/substituents.h"

#include "document/drawing.h"
#include "document/templates.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <cmath>
#include <initializer_list>
#include <vector>

namespace trelvix {

namespace {

enum class Op
{
  Chain,    ///< grow a chain of a carbons from the picked atom
  Alkane,   ///< a chain of a carbons at the click point, as a new piece
  Opposite, ///< a new carbon on atom a, opposite the sum of its bond vectors
  Element,  ///< atom a becomes element b, its symbol shown
  Straight, ///< a new carbon on atom a, straight on along the bond that reached it
  Line,     ///< atom a moves onto the line through the two atoms before it, straight on
  Double,   ///< bond a becomes double (b = 4: drawn centred)
  Triple,   ///< bond a becomes triple, drawn centred
  Relax,    ///< in 3D mode, tidy the group's geometry
};

struct Step
{
  Op op;
  int a = 0;
  int b = 0;
};

struct Recipe
{
  int code;
  std::vector<Step> steps;
};

const std::vector<Recipe> recipes = {
  { 520, { { Op::Chain, 2 }, { Op::Opposite, 1 }, { Op::Relax } } }, // i-propyl
  // i-butyl, -CH2-CH(CH3)2: a propyl branch and a carbon on its middle atom.
  { 521, { { Op::Chain, 3 }, { Op::Opposite, 2 }, { Op::Relax } } },
  { 528, { { Op::Chain, 2 }, { Op::Opposite, 1 }, { Op::Element, 3, 8 }, { Op::Double, 3 } } },
  { 527,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Element, 3, 8 },
      { Op::Double, 3 },
      { Op::Element, 2, 8 } } },
  { 532,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Element, 3, 8 },
      { Op::Double, 3 },
      { Op::Element, 2, 7 } } },
  { 525,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Element, 1, 7 },
      { Op::Element, 2, 8 },
      { Op::Element, 3, 8 },
      { Op::Double, 2 },
      { Op::Double, 3 },
      { Op::Relax } } },                                                   // NO2
  { 535, { { Op::Chain, 2 }, { Op::Element, 2, 8 } } },                    // CH2OH
  { 534, { { Op::Chain, 2 }, { Op::Element, 1, 8 } } },                    // OCH3
  { 557, { { Op::Chain, 2 }, { Op::Element, 1, 7 } } },                    // NHCH3
  { 556, { { Op::Chain, 2 }, { Op::Element, 1, 16 }, { Op::Relax } } },    // SCH3
  { 529, { { Op::Chain, 2 }, { Op::Element, 2, 8 }, { Op::Double, 2 } } }, // CHO
  { 539, { { Op::Chain, 2 }, { Op::Double, 2, 4 } } },                     // CH=CH2
  { 530,
    { { Op::Chain, 2 },
      { Op::Double, 2, 4 },
      { Op::Element, 1, 7 },
      { Op::Element, 2, 8 } } }, // NO
  { 542,
    { { Op::Chain, 2 }, { Op::Element, 1, 7 }, { Op::Element, 2, 8 }, { Op::Double, 1 } } }, // =NOH
  // The triple-bonded pairs: a carbon linked, a second one straight on.
  { 562, { { Op::Chain, 1 }, { Op::Straight, 1 }, { Op::Triple, 2 } } }, // C%CH
  { 533,
    { { Op::Chain, 1 }, { Op::Straight, 1 }, { Op::Triple, 2 }, { Op::Element, 2, 7 } } }, // CN
  { 565,
    { { Op::Chain, 1 }, { Op::Straight, 1 }, { Op::Triple, 2 }, { Op::Element, 1, 7 } } }, // N%CH
  { 540,
    { { Op::Chain, 1 }, { Op::Straight, 1 }, { Op::Triple, 2 }, { Op::Element, 2, 8 } } }, // CO
  // The esters and amides: a propyl branch whose first atom is O, S or N and whose middle carbon
  // carries a double-bonded oxygen.
  { 564,
    { { Op::Chain, 3 },
      { Op::Element, 1, 8 },
      { Op::Opposite, 2 },
      { Op::Element, 4, 8 },
      { Op::Double, 4 },
      { Op::Relax } } }, // OCOCH3
  { 561,
    { { Op::Chain, 3 },
      { Op::Element, 1, 16 },
      { Op::Opposite, 2 },
      { Op::Element, 4, 8 },
      { Op::Double, 4 },
      { Op::Relax } } }, // SCOCH3
  { 567,
    { { Op::Chain, 3 },
      { Op::Element, 1, 8 },
      { Op::Opposite, 2 },
      { Op::Element, 4, 8 },
      { Op::Double, 4 },
      { Op::Element, 3, 8 },
      { Op::Relax } } }, // OCOOH
  { 568,
    { { Op::Chain, 3 },
      { Op::Element, 1, 8 },
      { Op::Opposite, 2 },
      { Op::Element, 4, 8 },
      { Op::Double, 4 },
      { Op::Element, 3, 7 },
      { Op::Relax } } }, // OCONH2
  { 559,
    { { Op::Chain, 3 },
      { Op::Element, 1, 7 },
      { Op::Opposite, 2 },
      { Op::Element, 4, 8 },
      { Op::Double, 4 },
      { Op::Relax } } }, // NHCOCH3
  // SO2: the nitro recipe with sulphur, both double bonds centred.
  { 537,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Element, 1, 16 },
      { Op::Element, 2, 8 },
      { Op::Element, 3, 8 },
      { Op::Double, 2, 4 },
      { Op::Double, 3, 4 } } },
  // The tetrahedral acids and their amides and sulphones: a centre with three outer atoms. The
  // sulphur groups carry two S=O bonds, so that SO3H has one hydrogen.
  { 536,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Opposite, 1 },
      { Op::Element, 1, 16 },
      { Op::Element, 2, 8 },
      { Op::Element, 3, 8 },
      { Op::Element, 4, 8 },
      { Op::Double, 2, 4 },
      { Op::Double, 4, 4 },
      { Op::Relax } } }, // SO3H
  { 560,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Opposite, 1 },
      { Op::Element, 1, 15 },
      { Op::Element, 2, 8 },
      { Op::Element, 3, 8 },
      { Op::Element, 4, 8 },
      { Op::Double, 2, 4 },
      { Op::Relax } } }, // PO(OH)2
  { 541,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Opposite, 1 },
      { Op::Element, 1, 16 },
      { Op::Element, 2, 8 },
      { Op::Element, 3, 7 },
      { Op::Element, 4, 8 },
      { Op::Double, 2, 4 },
      { Op::Double, 4, 4 },
      { Op::Relax } } }, // SO2NH2
  { 554,
    { { Op::Chain, 2 },
      { Op::Opposite, 1 },
      { Op::Opposite, 1 },
      { Op::Element, 1, 16 },
      { Op::Element, 2, 8 },
      { Op::Element, 4, 8 },
      { Op::Double, 2, 4 },
      { Op::Double, 4, 4 },
      { Op::Relax } } }, // SO2CH3
  // -N=O: the oxime's oxygen moved straight on from the parent through the nitrogen, and its
  // bond made double.
  { 526,
    { { Op::Chain, 2 },
      { Op::Element, 1, 7 },
      { Op::Element, 2, 8 },
      { Op::Double, 1 },
      { Op::Line, 2 },
      { Op::Double, 2, 4 } } },
  // The cumulated groups: three atoms in a line, both bonds between them double.
  { 566,
    { { Op::Chain, 3 },
      { Op::Double, 2, 4 },
      { Op::Double, 3, 4 },
      { Op::Line, 3 },
      { Op::Relax } } },
  { 538,
    { { Op::Chain, 3 },
      { Op::Double, 2, 4 },
      { Op::Double, 3, 4 },
      { Op::Line, 3 },
      { Op::Element, 1, 7 },
      { Op::Element, 3, 8 },
      { Op::Relax } } }, // NCO
  // The phosphorus esters: an oxygen on the parent, a phosphorus on it, its oxygens around it.
  { 558,
    { { Op::Chain, 3 },
      { Op::Opposite, 2 },
      { Op::Opposite, 2 },
      { Op::Element, 1, 8 },
      { Op::Element, 2, 15 },
      { Op::Element, 3, 8 },
      { Op::Element, 4, 8 },
      { Op::Element, 5, 8 },
      { Op::Double, 3, 4 },
      { Op::Relax } } }, // OPO(OH)2
  { 563,
    { { Op::Chain, 3 },
      { Op::Opposite, 2 },
      { Op::Element, 1, 8 },
      { Op::Element, 2, 15 },
      { Op::Element, 3, 8 },
      { Op::Element, 4, 8 },
      { Op::Relax } } }, // OP(OH)2
  // i-butane and i-pentane: propane and butane with a carbon on their second atom.
  { 510, { { Op::Alkane, 3 }, { Op::Opposite, 2 }, { Op::Relax } } },
  { 592, { { Op::Alkane, 4 }, { Op::Opposite, 2 }, { Op::Relax } } },
};

struct Group
{
  std::vector<tAtm*> atoms;  // a1, a2, ...
  std::vector<tLink*> bonds; // b1, b2, ...
};

// A new carbon bonded to atom at atom + d, listed in the group and in atom's piece.
void addCarbon(Group& g, tAtm& atom, const double d[3])
{
  auto* added = new tAtm(6, 0, 0, 0);
  added->setRXYZ(atom.x3 + d[0], atom.y3 + d[1], atom.z3 + d[2]);
  auto* bond = new tbond(&atom, added);
  bond->ssingle();
  CurrentDrawing->adopt(added, bond);
  if (tStructure* owner = CurrentDrawing->getowner(&atom)) {
    owner->Atoms.Add(added);
    owner->Bonds.Add(bond);
  }
  g.atoms.push_back(added);
  g.bonds.push_back(bond);
}

// Puts a new carbon on atom, opposite the sum of its bond vectors, one bond length away. Three
// bonds in the page plane cancel out: then the new carbon stands out of the page.
void addOpposite(Group& g, tAtm& atom)
{
  atom.AttachedAtoms();
  double s[3] = { 0, 0, 0 };
  for (const tXY* n : *atom.atoms) {
    s[0] += n->x3 - atom.x3;
    s[1] += n->y3 - atom.y3;
    s[2] += n->z3 - atom.z3;
  }
  const double length = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
  const double L = bondScale();
  if (length <= 0.001 * L) {
    const double up[3] = { 0, 0, L };
    addCarbon(g, atom, up);
    return;
  }
  const double d[3] = { -s[0] * L / length, -s[1] * L / length, -s[2] * L / length };
  addCarbon(g, atom, d);
}

// Puts a new carbon on atom, straight on along the bond from the atom before it.
void addStraight(Group& g, tAtm& atom, const tXY& before)
{
  double d[3] = { atom.x3 - before.x3, atom.y3 - before.y3, atom.z3 - before.z3 };
  const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (length <= 0)
    return;
  for (double& c : d)
    c *= bondScale() / length;
  addCarbon(g, atom, d);
}

bool growChain(Group& g, int n, double x, double y)
{
  tXY* parent = CurrentDrawing->GetAtom(x, y);
  bool grown = false;
  placePiece(std::make_unique<tChain>(n), [&](tStructure& piece) {
    auto& chain = static_cast<tChain&>(piece);
    tLink* first = chain.link(x, y);
    if (!first)
      return;
    grown = true;
    g.bonds.push_back(first);
    for (int i = 0; i < chain.Atoms.Count(); ++i) {
      g.atoms.push_back(dynamic_cast<tAtm*>(chain.Atoms.At(i)));
      if (i > 0)
        g.bonds.push_back(chain.Bonds.At(i));
    }
  });
  return grown && parent;
}

void placeAlkane(Group& g, int n, double x, double y)
{
  placePiece(std::make_unique<tChain>(n), [&](tStructure& piece) {
    auto& chain = static_cast<tChain&>(piece);
    chain.Add(x, y);
    for (int i = 0; i < n; ++i) {
      g.atoms.push_back(chain.templateAtoms[static_cast<std::size_t>(i)]);
      if (i > 0)
        g.bonds.push_back(chain.templateBonds[static_cast<std::size_t>(i)]);
    }
  });
}

// Moves atom onto the line from before through prev, straight on, keeping its distance to prev.
void putInLine(tAtm& atom, const tXY& prev, const tXY& before)
{
  const double d[3] = { prev.x3 - before.x3, prev.y3 - before.y3, prev.z3 - before.z3 };
  const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  const double keep = atom.Dist3d(prev);
  if (length <= 0)
    return;
  const double f = keep / length;
  atom.setRXYZ(prev.x3 + d[0] * f, prev.y3 + d[1] * f, prev.z3 + d[2] * f);
}

void relax(Group& g)
{
  if (!modelDefaults().DrawMode3D || g.atoms.empty())
    return;
  tStructure group;
  for (tAtm* a : g.atoms)
    group.Atoms.Add(a);
  group.clean();
}

} // namespace

bool addSubstituent(int code, double x, double y)
{
  for (const Recipe& r : recipes) {
    if (r.code != code)
      continue;
    if (!CurrentDrawing)
      return true;
    const bool standsAlone = r.steps.front().op == Op::Alkane;
    if (!standsAlone && CurrentDrawing->Atoms.NAtoms() == 0) {
      showMessage("No Atoms to link", "", MessageIcon::Information);
      return true;
    }
    Group g;
    for (const Step& s : r.steps) {
      const auto atom = [&](int k) -> tAtm* {
        return k >= 1 && k <= static_cast<int>(g.atoms.size())
                 ? g.atoms[static_cast<std::size_t>(k - 1)]
                 : nullptr;
      };
      const auto bond = [&](int k) -> tLink* {
        return k >= 1 && k <= static_cast<int>(g.bonds.size())
                 ? g.bonds[static_cast<std::size_t>(k - 1)]
                 : nullptr;
      };
      switch (s.op) {
        case Op::Chain:
          if (!growChain(g, s.a, x, y))
            return true; // nothing under the pointer: nothing made
          break;
        case Op::Alkane:
          placeAlkane(g, s.a, x, y);
          break;
        case Op::Opposite:
          if (tAtm* a = atom(s.a))
            addOpposite(g, *a);
          break;
        case Op::Element:
          if (tAtm* a = atom(s.a))
            a->Change(s.b, 2);
          break;
        case Op::Straight:
          if (tAtm* a = atom(s.a); a && bond(s.a))
            addStraight(g, *a, *(bond(s.a)->Atm1));
          break;
        case Op::Line:
          if (tAtm* a = atom(s.a); a && atom(s.a - 1) && bond(s.a - 1))
            putInLine(*a, *atom(s.a - 1), *bond(s.a - 1)->Atm1);
          break;
        case Op::Triple:
          if (tLink* b = bond(s.a)) {
            b->triple();
            b->lineStyle = 4;
          }
          break;
        case Op::Double:
          if (tLink* b = bond(s.a)) {
            b->ddouble();
            if (s.b == 4)
              b->lineStyle = 4;
          }
          break;
        case Op::Relax:
          relax(g);
          break;
      }
    }
    // Terminal atoms of the group end at their ideal bond lengths.
    for (tLink* b : g.bonds) {
      auto* outer = dynamic_cast<tAtm*>(b->Atm2.get());
      if (outer && outer->NAttachedBonds() == 1 && b->RLength() > 0)
        b->extend(2, b->RAB() / b->RLength());
    }
    return true;
  }
  return false;
}

} // namespace trelvix
