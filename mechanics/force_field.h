#pragma once

#include "mechanics/force_terms.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace trelvix {

class tStructure;
class tXY;

/// Energy sums of a force field by term kind, cal/mol.
struct EnergySums
{
  double pairs = 0;        ///< pair energies without their well depths
  double stretches = 0;    ///< harmonic stretch energies
  double bondEnergies = 0; ///< Morse bond energies (each -D at its ideal length)
  double angles = 0;
  double torsions = 0;
  double planarity = 0;
};

/// The force field of a structure: its atoms with their positions (drawing units) in one table,
/// the term lists by kind in contiguous vectors, and a per-atom index of the terms that hold each
/// atom, so that the energy of one atom's terms costs only those terms.
///
/// Atom indexes 0 .. targetAtomCount() - 1 are the structure's atoms in list order; atoms outside
/// the structure that its terms reach through the document's bonds follow. The atoms are not
/// owned. Building reads the bonding through the document in force (CurrentDrawing).
class ForceField
{
public:
  /// Refreshes the hybridisations of the structure's atoms, reads their positions and builds the
  /// stretches, angles, torsions (without those isTorsion rejects), planarity terms and pairs.
  explicit ForceField(tStructure& target);

  int atomCount() const { return static_cast<int>(m_atoms.size()); }
  int targetAtomCount() const { return m_targetCount; }
  tXY* atom(int index) const { return m_atoms[static_cast<std::size_t>(index)]; }
  /// Index of atom, or -1 when no term or list holds it.
  int indexOf(const tXY* atom) const;

  /// The position table: one entry per atom index.
  Vector3* positions() { return m_xyz.data(); }
  const Vector3* positions() const { return m_xyz.data(); }
  /// Positions := the atoms' x3, y3, z3.
  void readPositions();
  /// The atoms' x3, y3, z3 := positions (screen positions follow).
  void writePositions() const;

  const std::vector<tstretch>& stretches() const { return m_stretches; }
  const std::vector<tangle>& angles() const { return m_angles; }
  const std::vector<ttorque>& torques() const { return m_torques; }
  const std::vector<tStrain>& strains() const { return m_strains; }
  const std::vector<tpair>& pairs() const { return m_pairs; }
  /// The excluded pairs: bonded atoms, the ends of every angle and of every torsion built.
  const std::vector<tABPair>& abPairs() const { return m_abPairs; }
  /// Sum of the well depths of every pair, cal/mol.
  double pairSum() const { return m_pairSum; }
  std::size_t termCount() const;

  /// Recomputes every term: sum of the pair energies with their well depths, stretches, angles,
  /// torsions and planarity terms; 0 for fewer than two atoms in the structure.
  double strainEnergy();
  /// The same sum from the energies the terms stored last, without recomputation.
  double storedEnergy() const;
  /// Recomputes every term and returns the sums by kind.
  EnergySums sums();
  /// Pair energies + Morse bond energies + angles + torsions + planarity, after getvectors; 0 for
  /// fewer than two atoms.
  double formationEnergy();
  /// Energy of the terms that hold atom at the current positions; the caches are not touched.
  double atomEnergy(int atom) const;
  /// True when some term holds the atom.
  bool inAnyTerm(int atom) const;
  /// Direction vectors of the stretches and the bends (cosine, sine and vectors); the torsion and
  /// planarity vectors feed only the off-diagonal G elements, which nothing reads, and stay zero.
  void getvectors();

private:
  // Terms that hold one atom: item indexes start[a] .. start[a + 1] - 1.
  struct AtomIndex
  {
    std::vector<std::int32_t> start;
    std::vector<std::int32_t> items;
  };
  template<class Term>
  static AtomIndex indexTerms(const std::vector<Term>& terms, int atomCount);

  int addAtom(tXY* atom);
  const std::vector<tXY*>& neighboursOf(int atom);
  void exclude(int a, int b);
  void buildStretches(tStructure& target);
  void buildAngles();
  void buildTorsions(tStructure& target);
  void buildPlanarity(tStructure& target);
  void buildPairs();
  void buildIndex();

  std::vector<tXY*> m_atoms;
  std::unordered_map<const tXY*, int> m_indexOf;
  std::vector<Vector3> m_xyz;
  int m_targetCount = 0;
  double m_angstroms = 0;
  // Neighbours through the document's bonds, by atom index, filled on first use.
  std::vector<std::vector<tXY*>> m_neighbours;
  std::vector<std::uint8_t> m_neighboursKnown;
  // Excluded partners by atom index.
  std::vector<std::vector<std::int32_t>> m_excluded;

  std::vector<tstretch> m_stretches;
  std::vector<tangle> m_angles;
  std::vector<ttorque> m_torques;
  std::vector<tStrain> m_strains;
  std::vector<tpair> m_pairs;
  std::vector<tABPair> m_abPairs;
  double m_pairSum = 0;

  AtomIndex m_stretchIndex;
  AtomIndex m_angleIndex;
  AtomIndex m_torqueIndex;
  AtomIndex m_strainIndex;
  AtomIndex m_specialPairIndex; ///< hydrogen-bond and charged pairs
  // Van der Waals partners of each atom, with the pair's parameters beside them.
  std::vector<std::int32_t> m_vdwStart;
  std::vector<std::int32_t> m_vdwPartner;
  std::vector<double> m_vdwEpsilon;
  std::vector<double> m_vdwRstar;
};

} // namespace trelvix
