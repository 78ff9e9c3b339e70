#pragma once

#include "model/base_atom.h"
#include "model/rotation.h"
#include "platform/real48.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace trelvix {

class tAtoms;
class tLabel;

/// Size of the atom data record of the document's 2D section.
inline constexpr std::size_t atomDataSize = 346;
using AtomDataRecord = std::array<std::uint8_t, atomDataSize>;
/// Three 6-byte reals: x3, y3, z3.
using XyzRecord = std::array<std::uint8_t, 18>;

/// Elements whose open valence shows as implicit hydrogens: H, B, C, N, O, F, Si, P, S, Cl, Ge,
/// As, Se, Br, Te and I.
bool carriesImplicitHydrogens(int z);
/// Formulas, weights and balances count the implicit hydrogens of the main-group atoms,
/// hydrogen itself and germanium excepted.
bool countsImplicitHydrogens(int z);

/// The atom: one element (or one text) at a 3D position in drawing units, drawn at the rounding
/// of that position, with its charge, implicit hydrogens, free valence, style, colour and font.
/// Valence is counted in half-bonds: a new carbon has free valence 8, each single bond takes 2.
class tXY : public tbaseatm
{
public:
  /// A new atom of element z at (x, y, 0) with the given display style.
  tXY(int z, double x, double y, std::uint8_t style);
  ~tXY() override;
  tXY(const tXY&) = delete;
  tXY& operator=(const tXY&) = delete;

  /// A text label attached to the atom; not owned.
  tLabel* Lbl = nullptr;
  /// The neighbour list, rebuilt on demand from the document's bonds; owned.
  std::unique_ptr<tAtoms> atoms;

  // Element and chemistry queries, read from the element table.
  double GetEN() const;
  double GetAREN() const;
  /// Covalent radius in Ångström.
  double CovRadius() const;
  /// The covalent radius scaled for the ion's charge by the Slater orbital size, Ångström.
  double Radius() const;
  /// z3 + covalent radius: the depth key of the depth sort.
  double top() const;
  int MaxValence() const;
  /// Implicit hydrogens for the elements that carry them, else 0.
  virtual int mult() const;
  /// Weight with the implicit hydrogens, amu.
  double AW() const;
  int Hybmult() const;
  /// Hydrogen-bond acceptor: N, O or F.
  bool HBA() const;
  bool isatom() const;
  /// Electronic energy of the ion relative to the neutral atom, cal/mol; 0 when neutral.
  double energy() const;
  /// The charge as text: "" for 0, "-1".."-9", "+1".."+9".
  std::string SCharge() const;

  // Changes of state.
  /// Makes the atom element z, adjusting the free valence by the difference of the valences.
  virtual void Change(int z, std::uint8_t newStyle);
  /// Sets an accepted style (0, 1, 3, 4, 5, 6, 255; 2 resolved by element); returns the old one.
  virtual std::uint8_t ChangeStyle(std::uint8_t newStyle, bool redraw);
  std::uint8_t setstyle(std::uint8_t newStyle);
  /// Changes the colour unless the style is 16 or more; returns the previous colour.
  Colour Color(Colour c);
  /// charge += delta, clamped to -9..+9.
  void ChangeQ(int delta);
  void setcharge(std::int8_t q);
  void ChangeH(int delta);
  /// One more bond possible: free valence += 2.
  void ValExpand();
  virtual void Revtext();
  virtual void shiftlR();
  /// Takes the first 32 characters of text.
  void SetSymbol(std::string_view text);
  void SetFont(const FontRecord& f) { font = f; }
  void ChangeFont(const FontRecord& f) { font = f; }

  // Coordinates, drawing units.
  void setRXYZ(double x, double y, double z);
  virtual void MoveToXYZ(double x, double y, double z);
  virtual void Move(double dx, double dy, double dz);
  void shift(double dx, double dy, double dz);
  void updatexyz();
  void update3d();
  virtual void update();
  void setxyz(const XyzRecord& record);
  /// x3, y3, z3 as three 6-byte reals; false when a coordinate is too large for the format.
  bool getxyz(XyzRecord& record) const;
  void vector(const std::array<double, 3>& v, double factor);
  double Dist3d(const tXY& other) const;
  /// Distance in Ångström.
  double Angstroms(const tXY& other) const;
  double dAngstroms(double x, double y, double z) const;
  double xAng() const;
  double yAng() const;
  double zAng() const;
  std::int32_t px() const;
  std::int32_t py() const;
  std::int32_t pz() const;
  std::int32_t Xmax() const { return px() + 1; }
  std::int32_t xmin() const { return px() - 1; }
  std::int32_t Ymax() const { return py() + 1; }
  std::int32_t Ymin() const { return py() - 1; }
  std::int32_t Zmax() const;
  std::int32_t Zmin() const;

  // Copies and records.
  void CloneData(const tXY& other);
  /// The 346-byte atom data record.
  void getdata(AtomDataRecord& record) const;
  virtual void AssignData(const AtomDataRecord& record);
  void WriteData(BinaryWriter& out) const;
  /// Reads one record and applies it; false (atom unchanged) on a short read.
  bool ReadData(BinaryReader& in);
  void WriteXYZ(BinaryWriter& out) const;
  /// Reads three 6-byte reals; false (atom unchanged) on a short read.
  bool Readxyz(BinaryReader& in);

  // Drawing (atom_drawing.cpp). Everything is centred on the screen position (screenX,
  // screenY); sizes are pixels. Pen, brush, font, text colour and text alignment of the canvas
  // are restored after each operation.
  using tbaseobject::print;
  /// Draws the atom on canvas by its style code: text (0, 1, 2, 5), nothing (3, 12, 13), circles,
  /// balls and shaded spheres (4, 6..11, 14..18), in its font and colour. Other codes draw
  /// nothing.
  virtual void print(Canvas& canvas);
  /// Radius in pixels at the bond-length scale S: hydrogen round(S * 30 / 153); otherwise from
  /// Radius() (Ångström) round(S * 50 / 153) below 0.5, round(S * 150 / 153) above 1.5, else
  /// round(Radius() * S / 1.53).
  virtual int iRadius() const;
  /// Drawn radius of balls and spheres in pixels, grown with z3 for perspective:
  /// round((iRadius + iRadius * 0.03 * z3 / S) * factor); hydrogen always uses factor 1.3.
  int perspectiveRadius(double factor) const;
  /// The radius of the ball, disc or sphere that the atom style figureStyle draws for this atom;
  /// 0 for the styles that draw text or nothing.
  int figureRadius(std::uint8_t figureStyle) const;
  /// Flat disc of radius r: solid brush of fill, pen of width 0 in outline.
  void drawellipse(Canvas& canvas, int r, Colour fill, Colour outline) const;
  /// drawellipse in colour with half of each channel of it as the outline.
  void drawball(Canvas& canvas, int r, Colour colour) const;
  /// Shaded sphere of radius r in colour (a flat disc with grey outline below r = 5).
  void drawsphere(Canvas& canvas, int r, Colour colour) const;
  /// The small circle (x - 2, y - 2)-(x + 2, y + 2) with the canvas's pen and brush.
  void showdot(Canvas& canvas) const;
  /// showdot on the main canvas with a solid pen of colour.
  void showbox(Colour colour);
  /// The box the atom's drawn symbol text covers on canvas (styles 1, 2 and 5, and a carbon drawn
  /// as a vertex that shows its "C" because it is linear), measured on canvas; an empty box
  /// (all zero) for an atom that draws no text. Bond lines stop short of it.
  Rect labelBox(Canvas& canvas);
  /// A carbon drawn as a bare vertex that still shows its "C": one with a triple bond or two
  /// double bonds (CO2, allenes, nitriles, CO), whose vertex would otherwise vanish in a line.
  bool showsLinearCarbon() const;
  /// The symbol in the atom's colour, its vertical middle at the screen y: left-aligned at the
  /// screen x for shift flag 0, right-aligned at it for shift flag 2.
  virtual void showText(Canvas& canvas);
  /// The charge text (SCharge) above and to the right of the atom: left edge at x + half the
  /// width of its first character, top at y - the height of that character.
  virtual void ShowQ(Canvas& canvas);
  /// ShowQ on the main canvas.
  void ShowQ();
  /// The atom number (its first two digits) at 7/10 of the font height beside the symbol text,
  /// raised so that its bottom is at the screen y.
  virtual void showN(Canvas& canvas);
  /// Draws the atom on the main canvas.
  virtual void show();
  /// Draws the atom in white (erasing its text on a white page), then gives the colour back.
  /// Balls and spheres keep their element colours: the document repaint erases those.
  virtual void hide();
  /// Colours the atom red (255) and draws it.
  virtual void highlight();
  /// Draws the atom in colour c, then gives the previous colour back.
  virtual void showcolor(Colour c);
};

/// The atom's 3D position (x3, y3, z3), drawing units.
inline Vector3 positionOf(const tXY& a)
{
  return { a.x3, a.y3, a.z3 };
}

/// A text atom: a label standing in the place of an atom.
class tLAtm : public tXY
{
public:
  static constexpr std::uint8_t labelKind = 1;
  tLAtm(double x, double y, std::string_view text);

protected:
  tLAtm(double x, double y, std::string_view text, std::uint8_t kind);
};

/// A text atom drawn as a chemical formula.
class tFormula : public tLAtm
{
public:
  static constexpr std::uint8_t formulaKind = 2;
  tFormula(double x, double y, std::string_view text);
};

} // namespace trelvix
