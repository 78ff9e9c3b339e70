#pragma once

#include <string_view>

namespace trelvix {

class tDrawing;
class tLAtm;
class tLink;
class tXY;

/// Runs the building procedure of code at (x, y) on the current document (no undo copy, no
/// repaint); false for a code without one (nothing happens).
bool buildProcedure(int code, double x, double y);

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

/// How a key edit is undone.
enum class KeyUndo
{
  Unknown,  ///< not an edit key: nothing happens
  Snapshot, ///< an undo copy is taken first
  None      ///< charges (+ and -) take no undo copy
};
KeyUndo keyUndo(std::string_view key);
/// The edit of key (Delete, K, 1..5, T, G, R, A, the element keys C H B N O F Q P S X Z Y I, U,
/// D, + and -) on the atom or bond of drawing under (x, y); false when there was none.
bool applyKey(tDrawing& drawing, std::string_view key, double x, double y);

} // namespace trelvix
