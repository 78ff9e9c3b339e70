#pragma once

#include "model/atom_host.h"
#include "model/atom_list.h"
#include "model/bond.h"
#include "model/bond_list.h"
#include "model/defaults.h"
#include "model/structure_atom.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace trelvix {

/// A small document for model tests: owns its atoms and bonds, lists them in document order and
/// registers itself as the host in force for its lifetime (restoring the previous one after).
class TestHost : public AtomHost
{
public:
  /// A call of linkHydrogenTowards: the point the hydrogen was aimed at.
  struct LinkCall
  {
    tAtm* atom;
    double x, y;
  };

  TestHost()
    : m_previous(atomHost())
  {
    setAtomHost(this);
  }
  ~TestHost() override
  {
    setAtomHost(m_previous);
    // Bonds refer to atoms: let them go first.
    m_bondList.deleteall();
    m_ownedBonds.clear();
  }
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  /// A new structure atom of element z at (x, y, z3).
  tAtm& atom(int z, double x, double y, double z3 = 0)
  {
    auto* a = new tAtm(z, x, y, 0);
    a->setRXYZ(x, y, z3);
    adopt(a, nullptr);
    return *a;
  }

  /// A new bond of the given type code (100 added for an aromatic bond) between a and b.
  tbond& bond(tXY& a, tXY& b, int code = SingleBond)
  {
    auto* link = new tbond(&a, &b);
    link->Change(static_cast<std::uint8_t>(code % 100));
    if (code >= 100)
      link->Aromatize(true);
    adopt(nullptr, link);
    return *link;
  }

  tAtoms& hostAtoms() override { return m_atomList; }
  tbondlist& hostBonds() override { return m_bondList; }

  void adopt(tAtm* atom, tbond* newBond) override
  {
    if (atom) {
      m_ownedAtoms.emplace_back(atom);
      m_atomList.Add(atom);
    }
    if (newBond) {
      m_ownedBonds.emplace_back(newBond);
      m_bondList.Add(newBond);
    }
  }

  tAtm* addAtomAtOffset(tAtm& atom, int z, double dx, double dy) override
  {
    auto* added = new tAtm(z, 0, 0, 2);
    added->setRXYZ(atom.x3 + dx, atom.y3 + dy, atom.z3);
    auto* link = new tbond(&atom, added);
    link->ssingle();
    adopt(added, link);
    return added;
  }

  /// One bond length from the atom towards the point; when that direction is within 59 degrees
  /// of an existing bond, the first of +60, -60, +120, -120 and 180 degrees from it that is
  /// clear instead.
  tAtm* linkHydrogenTowards(tAtm& atom, double x, double y) override
  {
    linkCalls.push_back({ &atom, x, y });
    atom.AttachedAtoms();
    const double towards = std::atan2(y - atom.y3, x - atom.x3);
    const double turns[] = { 0, 1, -1, 2, -2, 3 };
    double chosen = towards;
    for (double t : turns) {
      const double angle = towards + t * std::numbers::pi / 3;
      bool clear = true;
      for (const tXY* n : *atom.atoms) {
        const double bond = std::atan2(n->y3 - atom.y3, n->x3 - atom.x3);
        if (std::fabs(std::remainder(bond - angle, 2 * std::numbers::pi)) <
            59 * std::numbers::pi / 180)
          clear = false;
      }
      if (clear) {
        chosen = angle;
        break;
      }
    }
    const double s = bondScale();
    return addAtomAtOffset(atom, 1, s * std::cos(chosen), s * std::sin(chosen));
  }

  bool groupEditorShown() const override { return false; }
  bool isMemberOfEditedGroup(const tAtm*) const override { return false; }

  /// The atoms added after the first `before` ones, as structure atoms.
  std::vector<tAtm*> atomsFrom(int before) const
  {
    std::vector<tAtm*> added;
    for (int i = before; i < m_atomList.Count(); ++i)
      added.push_back(static_cast<tAtm*>(m_atomList.At(i)));
    return added;
  }

  std::vector<LinkCall> linkCalls;

private:
  AtomHost* m_previous;
  std::vector<std::unique_ptr<tAtm>> m_ownedAtoms;
  std::vector<std::unique_ptr<tbond>> m_ownedBonds;
  tAtoms m_atomList;
  tbondlist m_bondList;
};

} // namespace trelvix
