#pragma once

#include "model/base_object.h"
#include "model/bond_end.h"
#include "platform/binary_io.h"

#include <array>
#include <cstdint>

namespace trelvix {

class tXY;
class tAtoms;

/// Size of the bond data record of the document's 2D section.
inline constexpr std::size_t bondDataSize = 23;
using BondDataRecord = std::array<std::uint8_t, bondDataSize>;

/// Bond type codes: twice the bond order, the free valence the bond takes from each atom.
/// 100 is added while the bond is marked aromatic.
enum BondCode : std::uint8_t
{
  CoordinateBond = 0,
  HydrogenBond = 1,
  SingleBond = 2,
  ResonanceBond = 3,
  DoubleBond = 4,
  TripleResonanceBond = 5,
  TripleBond = 6,
  AromaticMark = 100
};

/// The bond: two atoms (not owned), a type code, the drawing attributes of its lines and the
/// parameters of its Morse stretch. Every type change gives back the old type's valence to both
/// atoms and takes the new one's.
class tLink : public tbaseobject
{
public:
  /// A coordinate bond (code 0) between a1 and a2; the caller then sets its type.
  tLink(tXY* a1, tXY* a2);

  std::uint8_t visible = 1; ///< 0: not drawn at all
  Colour colour = black;
  std::uint8_t penWidth = 1; ///< pen width in pixels, 0..3
  std::uint8_t hybShare = 0; ///< 3 single/hydrogen, 2 resonance/double, 1 triple, 0 coordinate
  std::uint8_t typeCode = 0; ///< BondCode, +100 while aromatic
  std::int8_t lineStyle = 1; ///< how the lines of this type are drawn
  std::int8_t cisTrans = 1;  ///< +1 or -1: side of the second line and of the cis reference
  std::int16_t offsetX = 0;  ///< pixels between the parallel lines of a multiple bond
  std::int16_t offsetY = 0;
  std::int16_t offsetZ = 0; ///< not stored in files
  std::int16_t index1 = 0;  ///< end atoms while stored; cis/trans reference atoms after setn1n2
  std::int16_t index2 = 0;
  std::uint8_t flipSide = 1; ///< 1 or 2: which end carries the point of a wedge
  double forceConstant = 0;  ///< order x 700000 x 0.5
  double bondEnergy = 0;     ///< dissociation energy D, cal/mol
  double morseExponent = 2.236067978;
  double idealLengthSum = 0; ///< covalent radius 1 + covalent radius 2, Ångström
  BondEnd Atm1;
  BondEnd Atm2;

  // Type changes.
  /// The central type change for codes 0..6; keeps both atoms' free valence and pair count exact.
  void Change(std::uint8_t code);
  void ssingle() { Change(SingleBond); }
  virtual void reson() { Change(ResonanceBond); }
  virtual void ddouble() { Change(DoubleBond); }
  void triplereson() { Change(TripleResonanceBond); }
  void triple() { Change(TripleBond); }
  void coordinate() { Change(CoordinateBond); }
  void hydro() { Change(HydrogenBond); }
  void setstyle(std::uint8_t code, std::int8_t style);
  virtual void Aromatize(bool flag);

  // Derived values.
  int bondType() const { return typeCode % 100; }
  bool isAromatic() const { return typeCode >= 100; }
  int Mult() const { return bondType() / 2; }
  int order() const;
  int BFilter() const;

  // Geometry, drawing units unless said otherwise.
  double RLength() const;
  /// The other end seen from atom; nullptr for a bond that does not hold atom, has a missing
  /// end, or joins atom to itself.
  tXY* partner(const tXY* atom) const
  {
    if (!Atm1 || !Atm2 || Atm1 == Atm2)
      return nullptr;
    return Atm1 == atom ? Atm2.get() : Atm2 == atom ? Atm1.get() : nullptr;
  }
  double Angstroms() const;
  /// Ideal length in drawing units.
  double RAB() const;
  double Rho() const;
  double DQ(int axis) const;
  void getcg(double& x, double& y, double& z) const;
  /// Midpoint of the two screen positions (integer halves).
  Point getcenter() const;
  double top() const;
  tXY* GetNode(const tLink* other) const;
  void extend(int end, double factor);
  void stretch(double factor);
  void Zoom(double factor);
  /// Turns both atoms in the drawing plane about centre by angle (radians), from their saved x3,
  /// y3.
  void rotate(Point centre, double angle);
  /// Turns the other atom about pivot around axis 1 = x, 2 = y, 3 = z by angle (radians).
  void pivot3d(const tXY* pivot, int axis, double angle);
  void Move(double dx, double dy);
  void DXY();
  void ZoomDXDY();

  /// Moves one end so the bond gets its ideal length RAB: mode 0 moves the end atom that has a
  /// single neighbour while the other has more (else nothing), mode 1 atom 2, mode 2 atom 1.
  void normalize(int mode);
  /// a x b x (a + b) with a and b the neighbour counts of the two atoms.
  int BondIndex() const;

  // Energy, cal/mol.
  double energy();
  double FormationEnergy();
  virtual void update();

  // Colour and width.
  Colour color(Colour c);
  /// 65535 cycles the width 0, 1, 2, 3, 0...; any other value sets it.
  void width(std::uint16_t w);
  void Flip();

  // Drawing (bond_drawing.cpp), pixels from atom 1's screen position to atom 2's. Pen and brush
  // of the canvas are restored after each operation.
  using tbaseobject::print;
  /// Draws the bond on canvas by its type and line style in its colour and pen width: plain,
  /// dashed and wedged single lines, the offset parallel lines of multiple bonds. A bond whose
  /// visible flag is 0, and a coordinate bond, draw nothing.
  virtual void print(Canvas& canvas);
  /// The bond as a 3D rod on canvas in colour: size 0 a plain line of the bond's width, a
  /// positive size a tube 4 x size pixels wide with an edge of half the colour. Invisible and
  /// coordinate bonds draw nothing.
  virtual void printrod(Canvas& canvas, Colour colour, int size);
  /// Draws the bond on the main canvas.
  virtual void show();
  /// Sets the colour to white and draws (erasing the bond on a white page); returns the previous
  /// colour, which the caller gives back.
  virtual Colour hide();
  /// color(c), show, then both atoms show.
  void ShowColor(Colour c);
  /// ShowColor(c), then the previous bond colour is restored without drawing.
  void highlight(Colour c);
  /// A plain line of colour c between the two screen positions on the main canvas.
  virtual void showln(Colour c);
  /// A line from p1 to p2 with a solid pen of the colour and width.
  void PenLine(Canvas& canvas, Point p1, Colour c, int lineWidth, Point p2);
  /// A line from (x1, y1) to (x2, y2) with the canvas's pen.
  void linedraw(Canvas& canvas, int x1, int y1, int x2, int y2);

  // Copies and records.
  void clonelink(const tLink& other);
  /// The 23-byte bond data record, with the end atoms' positions in atomList.
  void getdata(BondDataRecord& record, const tAtoms& atomList) const;
  void AssignData(const BondDataRecord& record);
  bool ReadData(BinaryReader& in);
  void WriteData(BinaryWriter& out, const tAtoms& atomList) const;
};

} // namespace trelvix
