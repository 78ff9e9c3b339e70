#pragma once

namespace trelvix {

class tDrawing;
class tLAtm;
class tLink;
class tXY;

// The building procedures the build-code table dispatches to. Each takes the code it was armed
// with and the press point (drawing units) and acts on the current document; true when the code
// is theirs.

/// 151..158 a ring of code − 148 atoms; 159 the boat, 161 the chair.
bool placeRing(int code, double x, double y);
/// 501..509: a straight chain of code − 499 carbons.
bool placeAlkane(int code, double x, double y);
/// 511 a carbon, 522 a hydrogen, linked to the atom under the point.
bool placeBranchElement(int code, double x, double y);
/// 523 (and 499): a methyl written CH3 linked to the atom under the point.
bool placeMethyl(int code, double x, double y);
/// 512..519 an alkyl branch of code − 510 carbons, 531 of ten.
bool placeAlkylBranch(int code, double x, double y);
/// The groups made of one linked atom (OH, NH2, the halogens, =O, =NH, =CH2, =S ...).
bool placeOneAtomGroup(int code, double x, double y);
/// 701: a benzene ring.
bool placeBenzene(int code, double x, double y);
/// 720..729: the arrows, the arcs and the triangle of the symbol palette.
bool placeSymbol(int code, double x, double y);
/// The plus sign between the pieces of a reaction: a text label "+" in the document's font,
/// centred on (x, y). Like every label it belongs to no piece, so no reaction counts it.
bool placePlusSign(int code, double x, double y);

/// A new empty label (code 607) or formula (608) at (x, y) in the current document, its text
/// to be typed in the text editor; nullptr for any other code.
tLAtm* addTextAtom(int code, double x, double y);
/// The chemical bond (both ends element atoms) of the current document whose midpoint is
/// nearest (x, y); nullptr when there is none.
tLink* bondUnder(double x, double y);

/// A new piece holding one atom of element z at (x, y), its symbol shown.
void addLoneAtom(int z, double x, double y);
/// An atom of element z linked to the atom under (x, y) at its ideal bond length.
void linkElementAt(int z, double x, double y);

/// Bonds two element atoms of drawing by a single bond; their pieces become one. Nothing when
/// they are the same atom or already bonded (a second bond between two atoms would corrupt the
/// molecule: a bond's type says how many it is). True when a bond was made.
bool linkAtomPair(tDrawing& drawing, tXY* first, tXY* second);

} // namespace trelvix
