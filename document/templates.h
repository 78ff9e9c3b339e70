#pragma once

#include "document/structure.h"

namespace trelvix {

/// A zigzag carbon chain of n atoms (n kept in the first settings byte).
class tChain : public tStructure
{
public:
  explicit tChain(int n);

  int length() const { return settings[0]; }
  /// The preferred zigzag angle in degrees; 0 means 120.
  double angle = 0;

  /// Builds the chain at the origin (a horizontal zigzag, odd atoms half a bond lower), then moves
  /// it to (x, y) and adds it to the current document.
  void Add(double x, double y) override;
  /// Grows the chain from the atom under (x, y); the first new bond, or nullptr.
  tLink* link(double x, double y);

private:
  int m_side = 1;
};

/// A regular ring of n atoms (n kept in the first settings byte, the ring code in the fourth).
class tRing : public tStructure
{
public:
  /// n atoms; the second form marks the ring code n + 10.
  explicit tRing(int n, bool secondForm = false);
  using tStructure::Add;

  int size() const { return settings[0]; }
  int ringCode() const { return settings[3]; }

  /// Builds the ring (atom 1 on top, clockwise on screen), shapes it in 3D mode (mode 1 chair,
  /// 2 boat, 3 envelope), then moves it to (x, y) and adds it to the current document.
  void Add(int mode, double x, double y);
  /// Bonds 2, 4 and 6 become double, then every ring bond is marked aromatic.
  void Aromatize();

  /// The 3D shapes, as sequences of turns of ring-atom subsets about ring diagonals.
  void chair();
  void boat();
  void pucker();
};

/// Benzene: a six-ring with alternating, aromatic bonds.
class tBenzene : public tRing
{
public:
  tBenzene();
  /// The ring at (x, y); in 3D mode its bonds shrink to the aromatic length.
  void Add(double x, double y) override;
};

/// The ring menu's drop: sizes 3..10, 16 (six-ring boat), 26 (six-ring chair) and 18 (eight-ring,
/// second form) at (x, y) in the current document; other codes build nothing. Returns the ring
/// (owned by the document) or nullptr.
tRing* dropRing(int code, double x, double y);

/// Where a point lies against a bond in the drawing plane: +1 outside the circle on the bond as
/// diameter, -1 inside, 0 on it.
int fusetest(const tLink& bond, double px, double py);

} // namespace trelvix
