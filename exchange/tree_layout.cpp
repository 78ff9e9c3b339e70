// A flat layout in linear time of molecules whose rings stand apart (no ring shares an atom with
// another), for chains, trees and polymers too large for the depictions' clash searches (each
// of which costs the square of the atom count).
#include "exchange/tree_layout.h"

#include <GraphMol/Conformer.h>
#include <GraphMol/MolOps.h>
#include <GraphMol/RWMol.h>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace trelvix {

namespace {

constexpr double bondLength = 1.5;
// Between two pieces side by side, in Å.
constexpr double pieceGap = 3.0;
constexpr double zigzagTurn = std::numbers::pi / 3;
constexpr int noRing = -1;

using Adjacency = std::vector<std::vector<unsigned int>>;

Adjacency adjacencyOf(const RDKit::ROMol& mol)
{
  Adjacency next(mol.getNumAtoms());
  for (const RDKit::Bond* b : mol.bonds()) {
    next[b->getBeginAtomIdx()].push_back(b->getEndAtomIdx());
    next[b->getEndAtomIdx()].push_back(b->getBeginAtomIdx());
  }
  return next;
}

// The rings of the molecule, each as its atoms in ring order, and the ring of each atom
// (noRing outside rings).
struct Rings
{
  std::vector<std::vector<unsigned int>> atoms;
  std::vector<int> of;
};

// The smallest rings, each in ring order, when no atom lies in two of them and no bond joins
// two atoms of one ring across it; false for fused, bridged or spiro rings, which the layout
// cannot draw as rigid polygons side by side.
bool separateRings(const RDKit::ROMol& mol, const Adjacency& next, Rings& rings)
{
  if (!mol.getRingInfo()->isInitialized())
    RDKit::MolOps::findSSSR(mol);
  rings.of.assign(mol.getNumAtoms(), noRing);
  for (const std::vector<int>& ring : mol.getRingInfo()->atomRings()) {
    for (int a : ring) {
      if (rings.of[static_cast<std::size_t>(a)] != noRing)
        return false;
      rings.of[static_cast<std::size_t>(a)] = static_cast<int>(rings.atoms.size());
    }
    rings.atoms.emplace_back();
  }
  // The ring perception need not list a ring's atoms in their order round it: walk round.
  for (std::size_t r = 0; r < rings.atoms.size(); ++r) {
    const std::vector<int>& listed = mol.getRingInfo()->atomRings()[r];
    std::vector<unsigned int>& round = rings.atoms[r];
    auto previous = static_cast<unsigned int>(listed.front());
    unsigned int at = previous;
    do {
      round.push_back(at);
      std::vector<unsigned int> along;
      for (unsigned int n : next[at]) {
        if (rings.of[n] == static_cast<int>(r))
          along.push_back(n);
      }
      if (along.size() != 2)
        return false;
      const unsigned int onwards = along[0] != previous || round.size() == 1 ? along[0] : along[1];
      previous = at;
      at = onwards;
    } while (at != round.front() && round.size() <= listed.size());
    if (round.size() != listed.size())
      return false;
  }
  return true;
}

// The atoms of the piece holding start in breadth-first order, and each one's parent in it. A
// ring is taken in whole when the walk reaches it: its other atoms hang on the atom it was
// entered by.
std::vector<unsigned int> breadthFirst(const Adjacency& next,
                                       const Rings& rings,
                                       unsigned int start,
                                       std::vector<int>& parent)
{
  std::vector<unsigned int> order;
  const auto reach = [&](unsigned int atom, unsigned int from) {
    parent[atom] = static_cast<int>(from);
    order.push_back(atom);
    if (rings.of[atom] == noRing)
      return;
    for (unsigned int mate : rings.atoms[static_cast<std::size_t>(rings.of[atom])]) {
      if (mate != atom && parent[mate] < 0) {
        parent[mate] = static_cast<int>(atom);
        order.push_back(mate);
      }
    }
  };
  reach(start, start);
  for (std::size_t k = 0; k < order.size(); ++k) {
    for (unsigned int n : next[order[k]]) {
      if (parent[n] < 0)
        reach(n, order[k]);
    }
  }
  return order;
}

struct Placed
{
  double x = 0, y = 0;
  double heading = 0; ///< direction of the bond from the parent; outwards for a ring atom
  double turn = 1;    ///< side of the next zigzag step
};

bool sameRing(const Rings& rings, unsigned int a, unsigned int b)
{
  return rings.of[a] != noRing && rings.of[a] == rings.of[b];
}

// Sets the ring entered at entry, along the entry's heading, as a regular polygon of bonds
// bondLength long: the entry atom on it, the centre straight ahead, every member facing
// outwards.
void placeRing(const std::vector<unsigned int>& ring, unsigned int entry, std::vector<Placed>& at)
{
  const auto n = ring.size();
  const double radius = bondLength / (2 * std::sin(std::numbers::pi / static_cast<double>(n)));
  const Placed e = at[entry]; // a copy: the entry is one of the members set below
  const double cx = e.x + radius * std::cos(e.heading);
  const double cy = e.y + radius * std::sin(e.heading);
  const auto first =
    static_cast<std::size_t>(std::find(ring.begin(), ring.end(), entry) - ring.begin());
  for (std::size_t k = 0; k < n; ++k) {
    const double angle = e.heading + std::numbers::pi +
                         2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(n);
    Placed& member = at[ring[(first + k) % n]];
    member.x = cx + radius * std::cos(angle);
    member.y = cy + radius * std::sin(angle);
    member.heading = angle;
    member.turn = 1;
  }
}

// Directions, relative to the outward direction of a ring atom, of its k bonds out of the
// ring: spread evenly over the angle the ring leaves free, or, at the atom the ring was entered
// by (whose parent lies straight out), alternately either side of the parent.
std::vector<double> ringExits(std::size_t ringSize, std::size_t k, bool entry)
{
  const double freeAngle = std::numbers::pi + 2 * std::numbers::pi / static_cast<double>(ringSize);
  std::vector<double> exits;
  for (std::size_t m = 0; m < k; ++m) {
    if (!entry) {
      exits.push_back(freeAngle * (static_cast<double>(m + 1) / static_cast<double>(k + 1) - 0.5));
      continue;
    }
    const double step = freeAngle / 2 / static_cast<double>((k + 1) / 2 + 1);
    exits.push_back((m % 2 == 0 ? 1 : -1) * step * static_cast<double>(m / 2 + 1));
  }
  return exits;
}

// Lays out the piece rooted at order[0] (order and parent as breadthFirst gives them): at each
// chain atom the child with the deepest subtree goes on in the zigzag, the others spread over
// the angles left free around the atom; a ring is drawn whole as a regular polygon where it is
// entered, its substituents leaving outwards. A chain atom whose side branch holds a ring turns
// the way the atom before it turned (a crankshaft rather than a zigzag), so that such branches
// alternate sides of the chain and stay clear of each other.
void placePiece(const Adjacency& next,
                const Rings& rings,
                const std::vector<unsigned int>& order,
                const std::vector<int>& parent,
                std::vector<Placed>& at)
{
  const auto isChild = [&](unsigned int a, unsigned int n) {
    return n != a && parent[n] == static_cast<int>(a) && !sameRing(rings, a, n);
  };
  std::vector<int> depth(next.size(), 0);
  std::vector<char> holdsRing(next.size(), 0);
  for (auto k = order.size(); k-- > 0;) {
    const unsigned int a = order[k];
    holdsRing[a] = holdsRing[a] || rings.of[a] != noRing;
    if (k == 0)
      break;
    const auto p = static_cast<unsigned int>(parent[a]);
    depth[p] = std::max(depth[p], depth[a] + 1);
    holdsRing[p] = holdsRing[p] || holdsRing[a];
  }
  const auto byDepth = [&](unsigned int u, unsigned int v) { return depth[u] > depth[v]; };
  // True when a's children past its deepest one hold a ring.
  const auto ringOnTheSide = [&](unsigned int a) {
    std::vector<unsigned int> children;
    for (unsigned int n : next[a]) {
      if (isChild(a, n))
        children.push_back(n);
    }
    std::stable_sort(children.begin(), children.end(), byDepth);
    return std::any_of(children.begin() + std::min<std::ptrdiff_t>(1, std::ssize(children)),
                       children.end(),
                       [&](unsigned int c) { return holdsRing[c] != 0; });
  };

  const unsigned int root = order[0];
  at[root] = Placed{ 0, 0, -zigzagTurn / 2, 1 };
  std::vector<unsigned int> children;
  for (unsigned int a : order) {
    const bool inRing = rings.of[a] != noRing;
    const bool entry = a == root || !sameRing(rings, a, static_cast<unsigned int>(parent[a]));
    if (inRing && entry) {
      if (a == root) // the ring's own outward direction at the root points back along it
        at[root].heading = 0;
      placeRing(rings.atoms[static_cast<std::size_t>(rings.of[a])], a, at);
    }
    children.clear();
    for (unsigned int n : next[a]) {
      if (isChild(a, n))
        children.push_back(n);
    }
    if (children.empty())
      continue;
    std::stable_sort(children.begin(), children.end(), byDepth);
    const Placed& here = at[a];
    const auto k = children.size();
    const bool isRoot = a == root;
    const std::vector<double> exits =
      inRing
        ? ringExits(rings.atoms[static_cast<std::size_t>(rings.of[a])].size(), k, entry && !isRoot)
        : std::vector<double>{};
    for (std::size_t m = 0; m < k; ++m) {
      double delta = 0;
      if (inRing)
        delta = exits[m];
      else if (isRoot)
        delta = zigzagTurn + 2 * std::numbers::pi * static_cast<double>(m) / static_cast<double>(k);
      else if (k <= 2)
        delta = (m == 0 ? 1 : -1) * here.turn * zigzagTurn;
      else // k + 1 bonds spread evenly around the atom, the parent's among them
        delta = -std::numbers::pi +
                2 * std::numbers::pi * static_cast<double>(m + 1) / static_cast<double>(k + 1);
      const double heading = here.heading + delta;
      Placed& child = at[children[m]];
      child.x = here.x + bondLength * std::cos(heading);
      child.y = here.y + bondLength * std::sin(heading);
      child.heading = heading;
      child.turn = delta > 0 ? -1 : (delta < 0 ? 1 : here.turn);
      if (!inRing && ringOnTheSide(children[m]))
        child.turn = -child.turn;
    }
  }
}

} // namespace

bool layOutTree(RDKit::RWMol& mol)
{
  const unsigned int n = mol.getNumAtoms();
  const Adjacency next = adjacencyOf(mol);
  Rings rings;
  if (!separateRings(mol, next, rings))
    return false;
  std::vector<int> parent(n, -1);
  std::vector<std::vector<unsigned int>> pieces;
  std::size_t bonds = 0;
  for (unsigned int a = 0; a < n; ++a) {
    if (parent[a] >= 0)
      continue;
    // The far end of a breadth-first walk ends a longest path: the piece is rooted there.
    std::vector<unsigned int> first = breadthFirst(next, rings, a, parent);
    for (unsigned int b : first)
      parent[b] = -1;
    std::vector<unsigned int> order = breadthFirst(next, rings, first.back(), parent);
    for (unsigned int b : order)
      bonds += next[b].size();
    pieces.push_back(std::move(order));
  }
  // With each ring drawn as one unit the molecule must be a forest: u units in p pieces joined
  // by u - p bonds besides the rings' own (a ring of s atoms is one unit and holds s bonds).
  std::size_t units = n;
  std::size_t ringBonds = 0;
  for (const std::vector<unsigned int>& ring : rings.atoms) {
    units -= ring.size() - 1;
    ringBonds += ring.size();
  }
  if (bonds / 2 - ringBonds + pieces.size() != units)
    return false;

  std::vector<Placed> at(n);
  auto* conformer = new RDKit::Conformer(n);
  double left = 0;
  for (const std::vector<unsigned int>& order : pieces) {
    placePiece(next, rings, order, parent, at);
    double minX = 0, maxX = 0;
    for (unsigned int b : order) {
      minX = std::min(minX, at[b].x);
      maxX = std::max(maxX, at[b].x);
    }
    for (unsigned int b : order)
      conformer->setAtomPos(b, RDGeom::Point3D(left + at[b].x - minX, at[b].y, 0));
    left += maxX - minX + pieceGap;
  }
  conformer->set3D(false);
  mol.clearConformers();
  mol.addConformer(conformer, true);
  return true;
}

} // namespace trelvix
