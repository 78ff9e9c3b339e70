#pragma once

#include "document/structure.h"
#include "model/rotation.h"

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

  /// Builds the ring onto target so that it shares target's two atoms and the bond itself: ring
  /// atoms 1 and 2 are target's ends, ring bond 1 is target, the other atoms are new carbons of a
  /// regular polygon whose side is target's length. The ring lies away from the other neighbours
  /// of target's atoms, or on the side of (x, y) when they give no side. The new atoms and bonds
  /// join the document and the piece that holds target's first atom (the ring itself becomes a
  /// piece when there is none). False, with nothing built, when target has no length.
  virtual bool Fuse(tLink& target, double x, double y);
  /// Builds the ring through atom: ring atom 1 is atom, the others are new carbons on a circle
  /// through it, on the side away from atom's neighbours (toward (x, y), else to the right, when
  /// they give no side). Membership as for Fuse.
  void Join(tXY& atom, double x, double y);

  /// The 3D shapes, as sequences of turns of ring-atom subsets about ring diagonals. Ring atoms
  /// shared with the drawing stay where they are.
  void chair();
  void boat();
  void pucker();
  /// A fused ring in 3D: the chair (or boat) of its size, then a tilt of angle degrees about the
  /// shared bond, out of the plane of the ring it was fused to.
  void fusechair(double angle);
  void fuseboat(double angle);
  /// A joined ring in 3D: its chair, then a turn of angle degrees about its diameter through the
  /// shared atom.
  void joinchair(double angle);

private:
  /// Places the ring atoms from position shared on as a regular polygon (centre, unit vectors p
  /// toward position 0 and q toward position 1's side, circumradius r), bonds the ring and hands
  /// the new objects to the document.
  void buildAround(const Vector3& centre, const Vector3& p, const Vector3& q, double r);
  void tilt(const tXY& from, const tXY& to, double angle);

  /// Ring positions 0 .. shared-1 are atoms that were in the drawing before the ring.
  int m_shared = 0;
};

/// Benzene: a six-ring with alternating, aromatic bonds.
class tBenzene : public tRing
{
public:
  tBenzene();
  /// The ring at (x, y); in 3D mode its bonds shrink to the aromatic length.
  void Add(double x, double y) override;
  /// Asks "Exceed Valence?" when an atom of target has no room for another bond (No: nothing is
  /// built), fuses the ring onto target, then sets its double bonds to alternate with target's.
  bool Fuse(tLink& target, double x, double y) override;
};

/// The ring menu's drop: sizes 3..10, 16 (six-ring boat), 26 (six-ring chair) and 18 (eight-ring,
/// second form) at (x, y) in the current document; other codes build nothing. Returns the ring
/// (owned by the document) or nullptr.
tRing* dropRing(int code, double x, double y);

/// Where a point lies against a bond in the drawing plane: +1 outside the circle on the bond as
/// diameter, -1 inside, 0 on it.
int fusetest(const tLink& bond, double px, double py);

} // namespace trelvix
