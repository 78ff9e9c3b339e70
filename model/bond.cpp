#include "model/bond.h"

#include "model/atom.h"
#include "model/atom_host.h"
#include "model/atom_list.h"
#include "model/ring_membership.h"
#include "model/rotation.h"
#include "model/structure_atom.h"
#include "model/vector3.h"

namespace trelvix {

namespace {

// Rebuilds the neighbour list of a structure atom; any other atom keeps the one it has.
const tAtoms& neighboursOf(tXY& atom)
{
  if (auto* structureAtom = dynamic_cast<tAtm*>(&atom))
    structureAtom->AttachedAtoms();
  return *atom.atoms;
}

// A neighbour that can stand as a cis/trans reference: an element other than hydrogen.
bool canReference(const tXY* atom)
{
  return atom && atom->element >= 2;
}

Vector3 difference(const tXY& a, const tXY& b)
{
  return { a.x3 - b.x3, a.y3 - b.y3, a.z3 - b.z3 };
}

} // namespace

void tbond::ddouble()
{
  tLink::ddouble();
  if (AtomHost* host = atomHost())
    setn1n2(host->hostAtoms());
}

void tbond::reson()
{
  tLink::reson();
  if (AtomHost* host = atomHost())
    setn1n2(host->hostAtoms());
}

void tbond::setn1n2(const tAtoms& atomList)
{
  const int code = bondType();
  if ((code != ResonanceBond && code != DoubleBond) || !Atm1 || !Atm2)
    return;
  DXY();
  const Vector3 offset{ static_cast<double>(offsetX),
                        static_cast<double>(offsetY),
                        static_cast<double>(offsetZ) };
  const tAtoms& near1 = neighboursOf(*Atm1);
  const tAtoms& near2 = neighboursOf(*Atm2);

  AtomHost* host = atomHost();
  const auto inRing = [&](const tXY* n1, const tXY* n2) {
    return host && sharesRingWithBond(host->hostBonds(), Atm1, Atm2, n1, n2);
  };
  // zeroIsMinus: a cross product at right angles to the offset counts as the minus side.
  const auto takeReference = [&](const tXY* n1, const tXY* n2, bool zeroIsMinus) {
    const Vector3 c = cross(difference(*Atm1, *n1), difference(*Atm2, *n2));
    const double side = c[0] * offset[0] + c[1] * offset[1] + c[2] * offset[2];
    index1 = atomList.storedIndexOf(n1);
    index2 = atomList.storedIndexOf(n2);
    cisTrans = static_cast<std::int8_t>(side < 0 || (zeroIsMinus && side == 0) ? -1 : 1);
  };

  if (near1.Count() == 2 && near2.Count() == 2) {
    const tXY* n1 = near1.At(0) == Atm2 ? near1.At(1) : near1.At(0);
    const tXY* n2 = near2.At(0) == Atm1 ? near2.At(1) : near2.At(0);
    if (!canReference(n1) || !canReference(n2))
      return;
    if (n1->hybridisation + n2->hybridisation <= 0 || inRing(n1, n2))
      return;
    takeReference(n1, n2, false);
  } else if (near1.Count() >= 3 || near2.Count() >= 3) {
    int best = 0;
    const tXY* best1 = nullptr;
    const tXY* best2 = nullptr;
    for (const tXY* n1 : near1) {
      if (n1 == Atm2 || !canReference(n1))
        continue;
      for (const tXY* n2 : near2) {
        if (n2 == Atm1 || !canReference(n2))
          continue;
        const int sum = n1->hybridisation + n2->hybridisation;
        if (sum > best && !inRing(n1, n2)) {
          best = sum;
          best1 = n1;
          best2 = n2;
        }
      }
    }
    if (best1)
      takeReference(best1, best2, true);
  }
}

bool tbond::ReadData(BinaryReader& in, const tAtoms& atomList)
{
  if (!tLink::ReadData(in))
    return false;
  Atm1 = atomList.At(index1);
  Atm2 = atomList.At(index2);
  return true;
}

void tbond::Write3ddata(BinaryWriter& out, const tAtoms& atomList)
{
  index1 = atomList.storedIndexOf(Atm1);
  index2 = atomList.storedIndexOf(Atm2);
  out.u8(visible);
  out.u8(typeCode);
  out.u8(hybShare);
  out.u8(penWidth);
  out.i8(lineStyle);
  out.i8(cisTrans);
  out.u32(colour);
  out.u8(flipSide);
  out.i16(offsetX);
  out.i16(offsetY);
  out.i16(index1);
  out.i16(index2);
}

bool tbond::Read3ddata(BinaryReader& in, const tAtoms& atomList)
{
  std::uint8_t raw[19];
  if (!in.bytes(raw, sizeof raw))
    return false;
  BinaryReader record(std::vector<std::uint8_t>(raw, raw + sizeof raw));
  visible = record.u8();
  typeCode = record.u8();
  hybShare = record.u8();
  penWidth = record.u8();
  lineStyle = record.i8();
  cisTrans = record.i8();
  colour = record.u32();
  flipSide = record.u8();
  offsetX = record.i16();
  offsetY = record.i16();
  index1 = record.i16();
  index2 = record.i16();
  Atm1 = atomList.At(index1);
  Atm2 = atomList.At(index2);
  return true;
}

} // namespace trelvix
