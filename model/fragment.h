#pragma once

#include <array>
#include <memory>
#include <string>

#include "model/atom_list.h"
#include "model/base_fragment.h"

namespace trelvix {

class tXY;

/// The van der Waals description of the substance at a temperature and pressure: the attraction
/// a (L² atm / mol²), the excluded volume b (L / mol), the molar volume V (L / mol) and the
/// cohesive term c (cal / mol).
struct VdwParms
{
  double a = 0;
  double b = 0;
  double V = 0;
  double c = 0;
};

/// The solute data the group editor edits and the document stores: phase, parameter flag, amount
/// and p1..p13.
struct SoluteData
{
  static constexpr std::size_t recordSize = 126;
  std::uint8_t phase = 0;
  std::uint8_t parameterFlag = 0;
  double amount = 1.0;
  std::array<double, 13> p{}; ///< p1..p13
};

/// A molecule or a piece of one: its atoms (references; the structure code owns them), rigid
/// moves, zoom and rotation, its frame on the page, partial charges, the
/// strain-energy message and the thermodynamic functions of the substance in its phase.
/// Coordinates are drawing units; energies cal/mol; T in kelvin, P in atmospheres.
class TFragment : public tbasefragment
{
public:
  TFragment();
  ~TFragment() override;
  TFragment(const TFragment&) = delete;
  TFragment& operator=(const TFragment&) = delete;

  tAtoms Atoms;
  /// Atoms treated as ligands by the structure code; references only.
  std::unique_ptr<tAtoms> Ligands;
  /// Atoms not bound into the fragment; references only; nullptr after construction.
  std::unique_ptr<tAtoms> FreeAtoms;
  /// The work list of the 3D operations; owned.
  std::unique_ptr<tAtoms> list3d;
  /// The atoms outside this fragment that its boundary bonds reach.
  tAtoms OddAtoms;

  // Position and shape.
  virtual void Move(double dx, double dy, double dz);
  virtual void shift(double dx, double dy, double dz);
  /// Moves the fragment so that its centroid's x and y become x and y.
  void Moveto(double x, double y);
  virtual void movetoxyz(double x, double y, double z);
  virtual void fluxmoveto(double x, double y, double z);
  /// Every atom: (saved coordinate - centroid) x factor + centroid; repeated zooms start afresh.
  virtual void Zoom(double factor);
  void zoomupdate();
  virtual void updatexyz();
  /// Point inversion of the element atoms through the centroid.
  virtual void invert();
  /// Turns the element atoms from their saved positions by angle degrees about axis 1 (x), 2 (y)
  /// or 3 (z), about the centroid, or about (centre x, centre y, z) when a centre is given.
  virtual void Transform3d(const Point* centre, double z, double angle, int axis);
  void getcg(double& x, double& y, double& z) const { Atoms.GetCG(x, y, z); }
  double GetX() const { return Atoms.GetX(); }
  double GetY() const { return Atoms.GetY(); }
  /// Updates the atoms, then sets the corner words and the frame from their bounds.
  virtual void frame();
  /// |right - left| and |bottom - top| of the frame.
  std::int32_t BoxWidth() const;
  std::int32_t BoxHeight() const;
  static std::int64_t DSqr(Point a, Point b);
  /// The atom whose x3, y3 lie nearest to (x, y); the first of equals; nullptr when empty.
  tXY* GetNucleus(double x, double y) const;
  double getmw() const { return Atoms.MolecularWeight(); }
  void Zeros() { Atoms.zeros(); }
  /// True when every element atom carries a number (true without element atoms).
  virtual bool isNumbered() const;
  void FreeLigands();
  std::uint8_t Set3dView(std::uint8_t flag);
  void setstate(std::uint8_t newPhase) { phase = newPhase; }
  void ShowMoles(bool flag) { molesFlag = flag ? 1 : 0; }
  /// True when atom 1 has at least n free valence, else when atom 2 has; a missing atom is false.
  virtual bool VTest(const tXY* atom1, const tXY* atom2, int n) const;

  // Energy and messages.
  void setenergy(double e);
  void SetJump(double v);
  /// "Strain Energy = " + strain energy / 1000 in width and decimals + " Kcal", at most 32 chars.
  void showenergy(int width, int decimals);
  void SetStrMessage(const std::string& text);
  void SetIntMessage(long long n);
  void ClearMessage();
  void printmessage(Canvas& canvas, std::int32_t x, std::int32_t y, const std::string& text);
  /// Draws the energy text at (1, 1) when its flag is set.
  void printenergy(Canvas& canvas);

  // Charges and moments.
  /// Partial charges from electronegativity differences weighted by (sum of radii / distance)^6.
  void GetCharges();
  /// Dipole moment in debye from the partial charges about the centroid (Ångström x 4.80320).
  double DipoleMoment() const;
  /// Principal moments of inertia in amu Å², ascending, about the centre of mass.
  std::array<double, 3> principalmoments() const;
  /// Product of the principal moments.
  double GetIABC() const;

  // Thermodynamic functions of the substance for the amount n.
  double lambda() const;
  double pf0(double T) const;
  VdwParms GetVdwParms(double T, double P) const;
  double Pvdw(double T, double P) const;
  double SVDW(double T, double P) const;
  double Evdw(double T, double P) const;
  double HVDW(double T, double P) const;
  double HelmholtzVDW(double T, double P) const;
  /// Sets phase, flag and p1..p13, given in the file order p1..p6, p9, p10, p11, p7, p8, p12, p13.
  void SetVDWparms(std::uint8_t newPhase, std::uint8_t flag, const std::array<double, 13>& fileOrder);
  void SetSoluteData(const SoluteData& data);
  SoluteData GetSoluteData() const;
};

} // namespace trelvix
