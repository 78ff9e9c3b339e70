#pragma once

#include "mechanics/force_terms.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <vector>

namespace trelvix {

class ForceField;
class tStructure;
class tXY;

/// The non-bonded pairs of a force field in a fixed order (first atom ascending, then second),
/// made on demand from per-atom parameters. No pair is stored: a structure of n atoms has about
/// n^2 / 2 of them, and the field keeps its memory linear in n.
class PairList
{
public:
  class iterator
  {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = tpair;
    using difference_type = std::ptrdiff_t;
    using pointer = const tpair*;
    using reference = const tpair&;

    iterator() = default;
    reference operator*() const { return m_pair; }
    pointer operator->() const { return &m_pair; }
    iterator& operator++();
    iterator operator++(int);
    bool operator==(const iterator& other) const { return m_i == other.m_i && m_j == other.m_j; }

  private:
    friend class PairList;
    iterator(const ForceField* field, int i, int j);
    /// Moves to the first pair at or after (m_i, m_j) and makes it.
    void settle();

    const ForceField* m_field = nullptr;
    int m_i = 0;
    int m_j = 0;
    tpair m_pair;
  };

  explicit PairList(const ForceField& field)
    : m_field(&field)
  {
  }
  iterator begin() const;
  iterator end() const;
  std::size_t size() const;
  bool empty() const { return size() == 0; }
  /// The k-th pair; walks the list, so it is for inspecting a few pairs, not for loops.
  tpair operator[](std::size_t k) const;

private:
  const ForceField* m_field;
};

/// Energy sums of a force field by term kind, cal/mol.
struct EnergySums
{
  double pairs = 0;        ///< pair energies, 0 for atoms far apart
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
  /// The non-bonded pairs among the structure's atoms that are neither text atoms nor excluded.
  PairList pairs() const { return PairList(*this); }
  /// The pair of atoms i < j as the pair list holds it (whether or not they are excluded).
  tpair makePair(int i, int j) const;
  /// True when the atoms i and j are excluded from the non-bonded terms.
  bool excluded(int i, int j) const;
  /// The excluded pairs: bonded atoms, the ends of every angle and of every torsion built.
  const std::vector<tABPair>& abPairs() const { return m_abPairs; }
  /// Sum of the well depths of every pair, cal/mol: what the pairs would add to the strain if it
  /// measured each pair from the bottom of its well rather than from atoms far apart.
  double pairSum() const { return m_pairSum; }
  std::size_t termCount() const;

  /// Recomputes every term: sum of the pair energies (each 0 for atoms far apart, so distant pairs
  /// add nothing), stretches, angles, torsions and planarity terms; 0 for fewer than two atoms in
  /// the structure. This is the strain energy every window and command shows.
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
  /// True when the pair of atoms i and j is a hydrogen bond or a charged pair.
  bool specialPair(int i, int j) const;
  /// Energy of the pair of atoms i and j at xyz; van der Waals pairs without making the pair.
  double pairEnergy(int i, int j, const Vector3* xyz) const;
  /// Calls visit(i, j) for every pair of the pair list, in its order.
  template<class Visit>
  void eachPair(Visit visit) const;

  friend class PairList;

  std::vector<tXY*> m_atoms;
  std::unordered_map<const tXY*, int> m_indexOf;
  std::vector<Vector3> m_xyz;
  int m_targetCount = 0;
  double m_angstroms = 0;
  // Neighbours through the document's bonds, by atom index, filled on first use.
  std::vector<std::vector<tXY*>> m_neighbours;
  std::vector<std::uint8_t> m_neighboursKnown;
  // Excluded partners by atom index, ascending once the terms are built.
  std::vector<std::vector<std::int32_t>> m_excluded;

  std::vector<tstretch> m_stretches;
  std::vector<tangle> m_angles;
  std::vector<ttorque> m_torques;
  std::vector<tStrain> m_strains;
  std::vector<tABPair> m_abPairs;
  double m_pairSum = 0;
  double m_pairEnergy = 0; ///< the pair energies summed last
  std::size_t m_pairCount = 0;
  double m_scale = 0;

  // Pair parameters by atom index of the structure's atoms.
  std::vector<double> m_wellDepth;
  std::vector<double> m_radius;
  std::vector<double> m_third;
  std::vector<double> m_charge;
  std::vector<std::int32_t> m_donor; ///< the N, O or F of a donor hydrogen, else -1
  std::vector<std::uint8_t> m_acceptor;
  std::vector<std::uint8_t> m_text;
  std::vector<std::int32_t> m_acceptors; ///< the acceptor atoms that are not text atoms
  // Donor hydrogens by the index of their donor (any atom of the field).
  std::vector<std::vector<std::int32_t>> m_donated;
  std::vector<std::uint8_t> m_inPair; ///< by atom index: some pair holds the atom

  AtomIndex m_stretchIndex;
  AtomIndex m_angleIndex;
  AtomIndex m_torqueIndex;
  AtomIndex m_strainIndex;
};

} // namespace trelvix
