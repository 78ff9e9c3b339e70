#pragma once

#include "model/bond_list.h"
#include "model/fragment.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trelvix {

class tAtm;
class tLink;

/// A piece of the drawing: a molecule, a template, a graphic symbol, or the whole document. Its
/// atoms and bonds are shared with the document and owned by it; the structure owns only its
/// lists. Coordinates are drawing units; rotation angles degrees.
class tStructure : public TFragment
{
public:
  tStructure();
  ~tStructure() override;

  tbonds Bonds;
  /// Bonds with exactly one end in Atoms; filled by GetOddBonds.
  tbonds OddBonds;
  /// Member structures; in the document, its pieces. References only.
  tBaseList<tStructure> Groups;
  std::uint8_t templateFlag = 0;
  /// The atoms and bonds of a chain or ring template in build order; references only.
  std::array<tAtm*, 11> templateAtoms{};
  std::array<tLink*, 11> templateBonds{};
  /// The data items (name, value) of the structure-data record the structure was read from,
  /// written back with it; the document file does not hold them.
  std::vector<std::pair<std::string, std::string>> dataItems;

  // Ownership of the shared objects.
  /// Frees every atom of Atoms (the list ends empty).
  void DisposeAtoms();
  /// Frees every bond of Bonds (the list ends empty).
  void DisposeBonds();

  // Chemistry.
  /// Ligands := the hydrogens attached to the element atoms heavier than hydrogen.
  void AttachedProtons();
  /// Ligands := the atoms outside Atoms attached to its element atoms; returns their count.
  int GetLigands();
  /// Recomputes the drawing offsets and cis/trans references of every double or resonance bond.
  void setn1n2();
  void Hybridizations();
  /// Places the implicit hydrogens of every main-group atom as explicit atoms in the drawing plane.
  void Protonate();
  virtual void protonate3d();
  virtual void deprotonate();
  /// Numbers unnumbered atoms: those of element z (or hydrogen-bearing atoms for z = 1, every
  /// atom by position for z = 0); continuing after the document's highest number when asked.
  virtual void AutoNumber(int z, bool continueNumbering);
  /// Every element atom without bonds shows its symbol.
  void checkatoms();
  /// Sum of the bond types of this structure's bonds at atom.
  int SumBondV(const tXY* atom) const;
  void setvalence();
  /// Free valence of every atom := its element's valence - SumBondV.
  virtual void updateatoms();

  // Document membership.
  /// Moves the atoms by (dx, dy) and adds whatever is missing to the current document.
  virtual void Add(double dx, double dy);
  /// Adds this structure's atoms, bonds and itself to the current document where missing.
  void AddToDrawing();
  /// The first member of Groups whose Atoms holds atom.
  tStructure* getowner(const tXY* atom) const;
  /// Fills OddBonds and OddAtoms from the current document's bonds.
  virtual void GetOddBonds();

  // Geometry.
  /// Tidies the 3D geometry by rule with the clean-up the core's initialisation installs (see
  /// setGeometryCleanup); nothing before it is installed.
  void clean();
  void scalexy() { Bonds.scaleXY(); }
  void ScaleXH() { Bonds.ScaleXH(); }
  void Normalize() { Bonds.normalize(); }
  void Reflect(int axis);
  void SymmetryRotate(int n, int axis);
  void rotate3d(int axis, double angle);
  void Rotate(double angle);
  virtual void Tilt(double a, double b);
  virtual void AxisRotate(const tLink& bond, double angle) { bondRotate(bond, angle); }
  virtual void bondRotate(const tLink& bond, double angle);
  /// Turns the structure by angle degrees about the axis from a1 to a2 (right-handed).
  virtual void dihedral(const tXY& a1, const tXY& a2, double angle);
  /// The structure's centre on the page: the mean screen position of its atoms.
  virtual Point center9() const;
  /// Mirrors about the mean position: mode 1 in y, mode 2 in x; bond ends swap so wedges keep
  /// their side.
  virtual void Flip(int mode);
  virtual void Movetoxyz(double x, double y, double z);
  void Zoom(double factor) override;
  virtual void ZoomDXDY();
  virtual void update();
  virtual void update3d();

  // Appearance.
  virtual void color(Colour c);
  /// Cycles the line width 0, 1, 2, 3 and gives it to every bond.
  virtual void linewidths();
  virtual void ChangeFont(const FontRecord& font);

  // Building.
  /// Attaches one new carbon to the atom under (x, y) by a single bond, placed by the number of
  /// bonds the atom already has; nullptr when there is no atom there (or a text atom, or no room).
  /// Without linkMode the new bond gets exactly one bond length. angle: degrees of the zigzag.
  virtual tLink* branch(bool linkMode, bool adjust3d, double x, double y, double angle);

  // Queries.
  /// The atom (element, label or symbol point) nearest (x, y) in the plane within half a bond
  /// length, the earlier of equals; nullptr when none is that close.
  tXY* GetAtom(double x, double y) const;
  /// The visible bond whose midpoint is nearest to (x, y) in the plane; the earlier of equals;
  /// nullptr when the list is empty or the nearest is invisible.
  virtual tLink* GetBond(const tbondlist& list, double x, double y) const;

  /// A new structure with copies of the element atoms and the visible bonds (not added to any
  /// document; the caller owns it and its objects).
  virtual tStructure* CloneS() const;

  /// Copies the kind, settings, values and flags of another fragment (the data the group editor
  /// and the document copy carry).
  void copyFragmentData(const tbasefragment& other);
};

/// The rule-based geometry clean-up lives with the force field in mechanics/, a layer above the
/// structures that call it; the core's initialisation installs it here.
using GeometryCleanup = void (*)(tStructure&);
void setGeometryCleanup(GeometryCleanup cleanup);

} // namespace trelvix
