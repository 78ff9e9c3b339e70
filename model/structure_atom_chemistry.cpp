// Neighbours, bonds and the chemistry derived from them: hybridisation, bond capacity,
// aromaticity, hydrogen-bond donors, planarity, the free direction and the valence count.
#include "model/atom_host.h"
#include "model/atom_list.h"
#include "model/bond_list.h"
#include "model/link.h"
#include "model/structure_atom.h"
#include "model/vector3.h"
#include "platform/checked.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace trelvix {

namespace {

// The bonds of the document in force, or nullptr when the atom's lists are to be left alone
// (no document, or a text atom).
const tbondlist* documentBonds(const tAtm& atom)
{
  AtomHost* host = atomHost();
  if (!host || atom.textFlag != 0)
    return nullptr;
  return &host->hostBonds();
}

// Unit directions from atom to the partner of each attached bond (bonds without a partner
// contribute nothing).
std::vector<Vector3> bondDirections(const tAtm& atom)
{
  std::vector<Vector3> directions;
  for (const tLink* bond : *atom.bonds) {
    if (const tXY* other = bond->partner(&atom))
      directions.push_back(unit(minus(positionOf(*other), positionOf(atom))));
  }
  return directions;
}

// Neighbours of a neighbour: rebuilt for a structure atom, else whatever its list holds.
int neighbourTotal(tXY& atom)
{
  if (auto* structureAtom = dynamic_cast<tAtm*>(&atom))
    return structureAtom->AttachedAtoms();
  return atom.atoms ? atom.atoms->Count() : 0;
}

// Leaves in list only the atoms that keep says to keep, in order; returns how many stayed.
template<class Keep>
int keepOnly(tAtoms& list, Keep keep)
{
  std::vector<tXY*> kept;
  for (tXY* a : list) {
    if (keep(*a))
      kept.push_back(a);
  }
  list.deleteall();
  for (tXY* a : kept)
    list.Add(a);
  return list.Count();
}

// Planarity tolerance: summed distances of the unit bond directions from their common plane.
constexpr double planeTolerance = 1e-05;

} // namespace

int tAtm::AttachedAtoms()
{
  const tbondlist* all = documentBonds(*this);
  if (!all)
    return atoms->Count();
  atoms->deleteall();
  for (const tLink* bond : all->bondsAt(this)) {
    if (tXY* other = bond->partner(this))
      atoms->Add(other);
  }
  neighbourCount = checkedNarrow<std::int16_t>(atoms->Count());
  return atoms->Count();
}

int tAtm::AttachedBonds()
{
  const tbondlist* all = documentBonds(*this);
  if (!all)
    return bonds->Count();
  bonds->deleteall();
  for (tLink* bond : all->bondsAt(this))
    bonds->Store(bond);
  neighbourCount = checkedNarrow<std::int16_t>(bonds->Count());
  return bonds->Count();
}

std::unique_ptr<tbonds> tAtm::GetAttachedBonds()
{
  AttachedBonds();
  auto copy = std::make_unique<tbonds>();
  for (tLink* bond : *bonds)
    copy->Add(bond);
  return copy;
}

int tAtm::NAttachedBonds()
{
  return AttachedBonds();
}

int tAtm::NAttachedProtons()
{
  AttachedAtoms();
  return static_cast<int>(
    std::count_if(atoms->begin(), atoms->end(), [](const tXY* a) { return a->element == 1; }));
}

int tAtm::AttachedProtons()
{
  AttachedAtoms();
  return keepOnly(*atoms, [](const tXY& a) { return a.element == 1; });
}

int tAtm::Attachedligands()
{
  AttachedAtoms();
  return keepOnly(*atoms, [](const tXY& a) { return a.element != 1; });
}

int tAtm::GetHyb()
{
  neighbourCount = checkedNarrow<std::int16_t>(AttachedBonds());
  // Bond key: ones count hydrogen and single bonds, tens resonance and double bonds, hundreds
  // triple-resonance and triple bonds; coordinate bonds count nothing.
  int key = 0;
  bool aromatic = false;
  for (const tLink* bond : *bonds) {
    switch (bond->bondType()) {
      case HydrogenBond:
      case SingleBond:
        key += 1;
        break;
      case ResonanceBond:
      case DoubleBond:
        key += 10;
        break;
      case TripleResonanceBond:
      case TripleBond:
        key += 100;
        break;
      default:
        break;
    }
    aromatic = aromatic || bond->isAromatic();
  }
  switch (key) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 13:
    case 22:
      hybridisation = 3;
      break;
    case 10:
    case 11:
    case 12:
    case 21:
      hybridisation = aromatic ? 4 : 2;
      break;
    case 20:
    case 100:
    case 101:
      hybridisation = 1;
      break;
    default:
      break; // an unknown pattern keeps the previous value
  }
  return hybridisation;
}

int tAtm::MaxMult()
{
  AttachedBonds();
  int taken = 0;
  for (const tLink* bond : *bonds)
    taken += bond->Mult();
  return MaxValence() / 2 - taken;
}

bool tAtm::Aromatic()
{
  AttachedBonds();
  return std::any_of(bonds->begin(), bonds->end(), [](const tLink* b) { return b->isAromatic(); });
}

bool tAtm::HBond()
{
  if (element != 1 || AttachedAtoms() == 0)
    return false;
  const tXY* donor = atoms->At(0);
  return donor->element == 7 || donor->element == 8 || donor->element == 9;
}

bool tAtm::coplanar()
{
  if (AttachedBonds() < 3)
    return true;
  const std::vector<Vector3> directions = bondDirections(*this);
  // The plane is spanned by the pair of directions furthest from parallel.
  Vector3 normal{ 0, 0, 0 };
  for (std::size_t i = 0; i < directions.size(); ++i) {
    for (std::size_t j = i + 1; j < directions.size(); ++j) {
      const Vector3 c = cross(directions[i], directions[j]);
      if (norm(c) > norm(normal))
        normal = c;
    }
  }
  if (norm(normal) <= planeTolerance)
    return true; // all along one line
  normal = unit(normal);
  double offPlane = 0;
  for (const Vector3& d : directions)
    offPlane += std::fabs(dot(normal, d));
  return offPlane <= planeTolerance;
}

Vector3 tAtm::GetDirVector()
{
  AttachedBonds();
  Vector3 sum{ 0, 0, 0 };
  for (const Vector3& d : bondDirections(*this)) {
    for (std::size_t i = 0; i < 3; ++i)
      sum[i] += d[i];
  }
  return unit(sum);
}

void tAtm::setvalence()
{
  if (textFlag != 0 || AttachedBonds() == 0)
    return;
  long long valence = MaxValence();
  for (const tLink* bond : *bonds)
    valence -= bond->bondType();
  if (valence > 100)
    pairCount = checkedNarrow<std::int8_t>(std::max(0LL, (valence % 100) / 2));
  freeValence = checkedNarrow<std::int8_t>(valence);
  ChangeH(hydrogenChange);
}

void tAtm::MoveAXn(double dx, double dy, double dz)
{
  Move(dx, dy, dz);
  if (element == 1 || AttachedAtoms() == 0)
    return;
  // Rebuilding a neighbour's list leaves this one alone, but take a copy to stay independent.
  const std::vector<tXY*> neighbours(atoms->begin(), atoms->end());
  for (tXY* n : neighbours) {
    if (neighbourTotal(*n) == 1)
      n->Move(dx, dy, dz);
  }
}

void tAtm::MoveAHn(double dx, double dy, double dz)
{
  Move(dx, dy, dz);
  AttachedAtoms();
  for (tXY* n : *atoms) {
    if (n->element == 1)
      n->Move(dx, dy, dz);
  }
}

} // namespace trelvix
