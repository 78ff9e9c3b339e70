#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

/// One heavy atom of a species: its element, the hydrogens it carries and its formal charge.
struct GraphAtom
{
  int element = 6;
  int hydrogens = 0;
  int charge = 0;
  /// Written as an aromatic atom (lower case in SMILES) or in a ring of alternating bonds.
  bool aromatic = false;
};

/// One bond between heavy atoms: 1, 2 or 3, or 0 for an aromatic bond (order one and a half).
struct GraphBond
{
  int a = 0;
  int b = 0;
  int order = 1;
};

/// A species as chemistry sees it: heavy atoms with their hydrogens, and the bonds between them.
/// A species without heavy atoms (H2, the hydrogen atom) is a single atom of element 1 carrying
/// the other hydrogen, or none.
struct SpeciesGraph
{
  std::vector<GraphAtom> atoms;
  std::vector<GraphBond> bonds;

  /// The indices of the atoms bonded to atom i.
  const std::vector<int>& neighbours(int i) const;
  /// The bond between atoms a and b; nullptr when there is none.
  const GraphBond* bondBetween(int a, int b) const;
  /// The number of heavy-atom bonds of atom i.
  int degree(int i) const;

private:
  // Each atom's neighbours and the bonds to them, built on the first look-up and again whenever
  // atoms or bonds were added since, so that every look-up costs the atom's degree, not the
  // bond count.
  struct Adjacency
  {
    std::size_t atoms = 0;
    std::size_t bonds = 0;
    std::vector<std::vector<int>> neighbours;
    std::vector<std::vector<int>> bondIndices;
  };
  mutable Adjacency adjacency_;
  const Adjacency& adjacency() const;
};

/// The graph of a SMILES string: the organic subset (B, C, N, O, P, S, F, Cl, Br, I and their
/// aromatic forms) with hydrogens by the usual valences, bracket atoms with their hydrogen count
/// and charge, bonds - = # : / \, branches and ring closures (digits and %nn). Stereo marks are
/// read and dropped. nullopt for a string outside that grammar.
std::optional<SpeciesGraph> graphFromSmiles(std::string_view smiles);

/// The molecular formula in Hill order (C, H, then the rest alphabetically; alphabetically when
/// there is no carbon), counts of one left out: "CH4", "H2O", "ClH", "C2H6O".
std::string hillFormula(const SpeciesGraph& graph);

/// True when the two graphs are the same species up to the numbering of their atoms: the same
/// elements with the same hydrogens, bonded alike. Bond orders and charges are not compared (a
/// drawing may show a ring as alternating bonds or a nitro group without charges), so cis and
/// trans isomers compare equal.
bool sameConnectivity(const SpeciesGraph& a, const SpeciesGraph& b);

} // namespace trelvix
