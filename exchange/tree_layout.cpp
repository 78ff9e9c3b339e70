// A flat layout of acyclic molecules in linear time, for chains and trees too large for the
// depictions' clash searches (each of which costs the square of the atom count).
#include "exchange/tree_layout.h"

#include <GraphMol/Conformer.h>
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

// The atoms of the piece holding start in breadth-first order, and each one's parent in it.
std::vector<unsigned int> breadthFirst(const Adjacency& next,
                                       unsigned int start,
                                       std::vector<int>& parent)
{
  std::vector<unsigned int> order{ start };
  parent[start] = static_cast<int>(start);
  for (std::size_t k = 0; k < order.size(); ++k) {
    for (unsigned int n : next[order[k]]) {
      if (parent[n] < 0) {
        parent[n] = static_cast<int>(order[k]);
        order.push_back(n);
      }
    }
  }
  return order;
}

struct Placed
{
  double x = 0, y = 0;
  double heading = 0; ///< direction of the bond from the parent
  double turn = 1;    ///< side of the next zigzag step
};

// Lays out the tree rooted at order[0] (order breadth-first, parent as breadthFirst gives):
// at each atom the child with the deepest subtree goes on in the zigzag, the others spread over
// the angles left free around the atom.
void placePiece(const Adjacency& next,
                const std::vector<unsigned int>& order,
                const std::vector<int>& parent,
                std::vector<Placed>& at)
{
  std::vector<int> depth(next.size(), 0);
  for (auto k = order.size(); k-- > 1;) {
    const auto p = static_cast<unsigned int>(parent[order[k]]);
    depth[p] = std::max(depth[p], depth[order[k]] + 1);
  }
  const unsigned int root = order[0];
  at[root] = Placed{ 0, 0, -zigzagTurn / 2, 1 };
  std::vector<unsigned int> children;
  for (unsigned int a : order) {
    children.clear();
    for (unsigned int n : next[a]) {
      if (n != a && parent[n] == static_cast<int>(a))
        children.push_back(n);
    }
    if (children.empty())
      continue;
    std::stable_sort(children.begin(), children.end(), [&](unsigned int u, unsigned int v) {
      return depth[u] > depth[v];
    });
    const Placed& here = at[a];
    const auto k = children.size();
    const bool isRoot = a == root;
    for (std::size_t m = 0; m < k; ++m) {
      double delta = 0;
      if (isRoot)
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
    }
  }
}

} // namespace

bool layOutTree(RDKit::RWMol& mol)
{
  const unsigned int n = mol.getNumAtoms();
  const Adjacency next = adjacencyOf(mol);
  std::vector<int> parent(n, -1);
  std::vector<int> piece(n, -1);
  std::vector<std::vector<unsigned int>> pieces;
  std::size_t bonds = 0;
  for (unsigned int a = 0; a < n; ++a) {
    if (piece[a] >= 0)
      continue;
    // The far end of a breadth-first walk ends a longest path: the piece is rooted there.
    std::vector<unsigned int> first = breadthFirst(next, a, parent);
    for (unsigned int b : first)
      parent[b] = -1;
    std::vector<unsigned int> order = breadthFirst(next, first.back(), parent);
    for (unsigned int b : order) {
      piece[b] = static_cast<int>(pieces.size());
      bonds += next[b].size();
    }
    pieces.push_back(std::move(order));
  }
  // A forest of n atoms in p pieces has n - p bonds, each counted at both ends.
  if (bonds / 2 + pieces.size() != n)
    return false;

  std::vector<Placed> at(n);
  auto* conformer = new RDKit::Conformer(n);
  double left = 0;
  for (const std::vector<unsigned int>& order : pieces) {
    placePiece(next, order, parent, at);
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
