#pragma once

#include "model/atom.h"
#include "model/rotation.h"

#include <memory>

namespace trelvix {

class tbonds;

/// The atom of a structure: a tXY that knows its bonds and neighbours and derives from them the
/// chemistry the force field and the building steps need.
///
/// The neighbour list `atoms` and the bond list `bonds` are rebuilt on demand from the bond list
/// of the document in force (atomHost()). Without a document, and for a text atom, both lists
/// are left as they are and the queries answer from them. Coordinates are drawing units; the
/// bond-length scale S is bondScale().
class tAtm : public tXY
{
public:
  tAtm(int z, double x, double y, std::uint8_t style);
  ~tAtm() override;

  /// The attached bonds, rebuilt on demand from the document's bonds; owned (not the bonds).
  std::unique_ptr<tbonds> bonds;

  // Neighbours and bonds.
  /// Rebuilds `atoms`: for every document bond with this atom at one end, the other end, in the
  /// document's bond order (a bond with a missing end or from the atom to itself is skipped).
  /// Sets the neighbour count; returns it.
  int AttachedAtoms();
  /// Rebuilds `bonds`: every document bond with this atom at either end, each once. Sets the
  /// neighbour count to the number of bonds; returns it.
  int AttachedBonds();
  /// A new list holding the attached bonds (rebuilt first); the caller owns the list, not the
  /// bonds.
  virtual std::unique_ptr<tbonds> GetAttachedBonds();
  /// Number of attached bonds (rebuilt first).
  int NAttachedBonds();
  /// Number of attached hydrogen atoms; `atoms` is left holding all the neighbours.
  int NAttachedProtons();
  /// Leaves `atoms` holding only the attached hydrogen atoms, in neighbour order; returns their
  /// number. AttachedAtoms gives the full list back.
  int AttachedProtons();
  /// Leaves `atoms` holding only the attached ligand atoms, meaning every neighbour that is not
  /// hydrogen (heavy atoms and text atoms standing for groups), in neighbour order; returns
  /// their number.
  int Attachedligands();

  // Chemistry.
  /// Hybridisation from the attached bonds (rebuilt first; the neighbour count becomes their
  /// number): 1 sp, 2 sp2, 3 sp3, 4 aromatic sp2. Stored in `hybridisation` and returned; a bond
  /// pattern outside the known ones keeps the stored value.
  virtual int GetHyb();
  /// Further bond orders the atom can take: (table valence div 2) minus the sum of Mult over the
  /// attached bonds. A lone atom answers its full table value.
  int MaxMult();
  /// True when any attached bond carries the aromatic mark.
  bool Aromatic();
  /// True for a hydrogen whose first neighbour is N, O or F: a hydrogen-bond donor hydrogen.
  bool HBond();
  /// True with fewer than three bonds, or when the unit bond directions lie in one plane: the sum
  /// of their distances from the plane (unit lengths) is at most 1e-05. Collinear bonds count
  /// as coplanar.
  bool coplanar();
  /// Unit vector along the sum of the unit directions from this atom to each bonded partner: the
  /// side the bonds crowd. Its negation is the atom's free direction. The zero vector when the
  /// sum is at most 1e-18 long (no bonds, or bonds that cancel).
  Vector3 GetDirVector();
  /// Free valence from scratch: table valence minus the sum of (type code mod 100) over the
  /// attached bonds, then the stored hydrogen change is applied again as ChangeH does. A text
  /// atom and an atom without bonds keep their free valence.
  void setvalence();

  // Moves, drawing units.
  /// Moves the atom and, unless it is hydrogen, each neighbour that has no other neighbour.
  void MoveAXn(double dx, double dy, double dz);
  /// Moves the atom and its attached hydrogen atoms.
  void MoveAHn(double dx, double dy, double dz);

  // Hydrogens.
  /// Adds the implicit hydrogens of the atom as explicit atoms in the drawing plane, through the
  /// document's building steps: for a lone atom at distance S every 120 degrees (90 for four);
  /// for a bonded one 1 to 3 hydrogens linked towards the side away from its first bond (the
  /// third then set midway between the other two). Only Li, B, C, N, O, F, Al, Si, P, S, Cl, Ge,
  /// As, Se, Br, Te and I are protonated.
  void protonate();
  /// Adds the implicit hydrogens as explicit atoms in 3D, placed by hybridisation about the
  /// existing bonds, each bonded by a new single bond; the document adopts both. Distances are
  /// provisional (the caller rescales bonds to hydrogen afterwards).
  void protonate3d();

  /// The 170-byte atom record of the document's 3D section.
  void Read3ddata(BinaryReader& in) override;
  void write3ddata(BinaryWriter& out) const override;
};

/// A symbol point: an invisible handle of a graphic symbol, never an element atom.
class tSXY : public tAtm
{
public:
  static constexpr std::uint8_t symbolPointKind = 255;
  tSXY(double x, double y);
  /// A symbol point keeps its style whatever is asked.
  std::uint8_t ChangeStyle(std::uint8_t newStyle, bool redraw) override;
};

} // namespace trelvix
