#pragma once

#include "model/base_list.h"
#include "model/rotation.h"
#include "platform/canvas.h"
#include "platform/font_record.h"

#include <cstdint>
#include <memory>

namespace trelvix {

class tXY;

/// The atoms of a fragment or of the whole document (not owned), with the whole-molecule loops
/// over them. Coordinates are drawing units; rotation angles radians.
class tAtoms : public tBaseList<tXY>
{
public:
  tAtoms();
  ~tAtoms() override;

  /// The colour last given to every atom by Color.
  Colour colour = black;
  /// The same atoms sorted by depth for drawing (Get3dlist); owned.
  std::unique_ptr<tBaseList<tXY>> List3d;

  /// The atom's position as the 16-bit index fields of the files hold it: -1 when the atom is not
  /// in the list (or lies beyond what 16 bits can address).
  std::int16_t storedIndexOf(const tXY* atom) const
  {
    const int index = IndexOf(atom);
    return index > INT16_MAX ? std::int16_t{ -1 } : static_cast<std::int16_t>(index);
  }

  /// Appends each atom of list not yet present; nullptr does nothing.
  void AddAtoms(const tAtoms* list);
  void InsertList(const tAtoms* list) { AddAtoms(list); }

  double GetX() const;
  double GetY() const;
  double GetZ() const;
  /// Mean position of the element atoms; of all atoms when there are none; the origin when empty.
  Vector3 GetCG() const;
  void GetCG(double& x, double& y, double& z) const;

  std::int16_t NAtoms() const;
  std::int16_t nprotons() const;
  /// Explicit hydrogen atoms plus the implicit hydrogens of the main-group atoms.
  std::int16_t nHydrogens() const;
  /// Sum of atomic weights with the implicit hydrogens, amu.
  double MolecularWeight() const;
  std::int16_t MaxNumber() const;
  void zeros();
  void settest(std::uint8_t flag);
  void Fix(std::uint8_t flag);
  void update();
  void zoomupdate();

  void Move(double dx, double dy, double dz);
  /// Moves every atom (fixed ones too) so the centroid lands on (x, y, z); screen positions only.
  void FluxMoveTo(double x, double y, double z);
  void MoveToXYZ(double x, double y, double z);
  /// Mirrors every atom through the centroid plane of axis 1 (x), 2 (y) or 3 (z).
  void Reflect(int axis);
  /// Every atom: saved position about c, multiplied by m, becomes x3, y3, z3 (update3d).
  void transform3d(const Matrix3& m, const Vector3& c);
  /// Turns the saved positions about the centroid; only screen positions and depths change.
  void rotate3d(int axis, double angle);
  /// Turns about the centroid by a about x, then b about y, then c about z, each step updated.
  void RotateABC(double a, double b, double c);

  std::int32_t xMax() const;
  std::int32_t xMin() const;
  std::int32_t yMax() const;
  std::int32_t yMin() const;
  std::int32_t zMax() const;
  std::int32_t zMin() const;

  void Color(Colour c);
  void setfont(const FontRecord& font);

  /// Rebuilds List3d in ascending order of top (z3 + covalent radius).
  void Get3dlist();
};

} // namespace trelvix
