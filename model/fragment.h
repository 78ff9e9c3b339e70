#pragma once

#include "model/atom_list.h"
#include "model/base_fragment.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

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
  /// Empty lists (list3d created, Ligands and FreeAtoms nullptr) and the cleared van der Waals
  /// parameters.
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
  /// Move of every atom (drawing units); fixed atoms stay.
  virtual void Move(double dx, double dy, double dz);
  /// Adds to every atom's x3, y3, z3 (drawing units), fixed ones too, with no update.
  virtual void shift(double dx, double dy, double dz);
  /// Moves the fragment so that its centroid's x and y become x and y.
  void Moveto(double x, double y);
  virtual void movetoxyz(double x, double y, double z);
  virtual void fluxmoveto(double x, double y, double z);
  /// Every atom: (saved coordinate - centroid) x factor + centroid; repeated zooms start afresh.
  virtual void Zoom(double factor);
  void zoomupdate();
  virtual void updatexyz();
  /// Point inversion of the element atoms through the centroid (x3, y3, z3 only; the caller
  /// updates).
  virtual void invert();
  /// Turns the element atoms from their saved positions by angle degrees about axis 1 (x), 2 (y)
  /// or 3 (z), right-handed (axisRotation), about the centroid, or about (centre x, centre y, z)
  /// when a centre is given; x3, y3, z3 take the result and the screen positions follow
  /// (update3d), the saved positions stay. Other axes leave the atoms at their saved positions.
  virtual void Transform3d(const Point* centre, double z, double angle, int axis);
  void getcg(double& x, double& y, double& z) const { Atoms.GetCG(x, y, z); }
  double GetX() const { return Atoms.GetX(); }
  double GetY() const { return Atoms.GetY(); }
  /// With atoms: updates them, then sets the corner words and the frame (pixels) from the bounds
  /// of Atoms (xMin, xMax, yMin, yMax). Without atoms nothing changes.
  virtual void frame();
  /// |right - left| and |bottom - top| of the frame, pixels.
  std::int32_t BoxWidth() const;
  std::int32_t BoxHeight() const;
  /// Squared distance between two points, pixels²; exact while the points lie within ±2^30.
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
  /// energy text := "Strain Energy = " + strain energy / 1000 (kcal/mol) written right-aligned in
  /// width characters with the decimals + " Kcal", cut to 32 characters.
  void showenergy(int width, int decimals);
  void SetStrMessage(const std::string& text);
  void SetIntMessage(long long n);
  void ClearMessage();
  /// Draws text with its top-left at (x, y), pixels, in the canvas's font; the canvas's text
  /// alignment is restored after.
  void printmessage(Canvas& canvas, std::int32_t x, std::int32_t y, const std::string& text);
  /// Draws the energy text at (1, 1) when its flag is set.
  void printenergy(Canvas& canvas);

  // Charges and moments.
  /// Partial charges (elementary charges) of the element atoms from their Pauling differences,
  /// each pair weighted by ((covalent radius + covalent radius) / distance in Å)^6, scaled by
  /// the atom count over the total weight; other atoms get 0. Fewer than 2 atoms: unchanged.
  void GetCharges();
  /// Dipole moment in debye of the element atoms' partial charges about the centroid:
  /// |Σ q (r - centroid)| with r in Ångström, x 4.80320.
  double DipoleMoment() const;
  /// Principal moments of inertia in amu Å², ascending, of the element atoms (masses AW) about
  /// their centre of mass; zeros without element atoms.
  std::array<double, 3> principalmoments() const;
  /// Product of the principal moments, amu³ Å⁶.
  double GetIABC() const;

  // Thermodynamic functions of the substance for the amount n (moles). T in kelvin and P in
  // atmospheres; a T or P of 1e-6 or less (zero, negative, NaN) is read as 1e-6.
  /// 2 pi M m_H k / h², M = getmw: the translational factor, 1 / (cm² K).
  double lambda() const;
  /// (2 pi M m_H k T)^(3/2), (g erg)^(3/2).
  double pf0(double T) const;
  /// a, b, V and c of the phase. Phase 0: the ideal gas, V = 0.082056 T / P. Other phases: a
  /// and b weighted from p1..p6 by r = (p11 / p10)^4 (p10 = 0: the limit a = p3, b = p6;
  /// p10 = p11 = 0: r = 1); V the root of the van der Waals cubic that
  /// belongs to the phase (the largest for the gas phase 3, the smallest for the condensed
  /// phases), or the ideal volume when a or b is 0.001 or less; c is p7 for phases 1..3, p8 for
  /// phase 4, else 0.
  VdwParms GetVdwParms(double T, double P) const;
  /// The van der Waals pressure, atm, for phases 0..3; 0 for the others.
  double Pvdw(double T, double P) const;
  /// Entropy of the amount, cal / K; 0 for a phase above 5.
  double SVDW(double T, double P) const;
  /// Energy of the amount, cal; 0 for a phase above 5.
  double Evdw(double T, double P) const;
  /// Enthalpy of the amount, cal; 0 for a phase above 5.
  double HVDW(double T, double P) const;
  /// Helmholtz energy of the amount, cal; 0 for a phase above 5.
  double HelmholtzVDW(double T, double P) const;
  /// Sets phase, flag and p1..p13, given in the file order p1..p6, p9, p10, p11, p7, p8, p12, p13.
  void SetVDWparms(std::uint8_t newPhase,
                   std::uint8_t flag,
                   const std::array<double, 13>& fileOrder);
  /// Takes phase, flag, amount and p1..p13 from the group editor's record; value B := 0.
  void SetSoluteData(const SoluteData& data);
  SoluteData GetSoluteData() const;
};

} // namespace trelvix
