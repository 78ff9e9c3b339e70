#pragma once

#include "platform/canvas.h"

#include <cstdint>

namespace trelvix {

class tAtoms;
class tbondlist;

/// The drawing passes over whole lists. Atoms print in list order; the 3D passes walk the depth
/// lists (Get3dlist / get3dlist first), so nearer items cover farther ones.

/// Every atom in list order.
void printAtoms(tAtoms& atoms, Canvas& canvas);
/// The element atoms in depth order as if in the given style (their own style is kept).
void printAtoms3d(tAtoms& atoms, Canvas& canvas, std::uint8_t style);
/// The element atoms other than hydrogen and carbon, in their own style (symbols over bonds).
void printAtomsNoHC(tAtoms& atoms, Canvas& canvas);
/// The text atoms (labels and formulas) in the given colour.
void printLabels(tAtoms& atoms, Canvas& canvas, Colour colour);

/// Every bond in list order.
void printBonds(tbondlist& bonds, Canvas& canvas);
/// Every bond as a rod of the given colour and size, in depth order.
void printBondRods(tbondlist& bonds, Canvas& canvas, Colour colour, int size);
/// Every bond as a rod in its own colour, in depth order.
void printBonds3d(tbondlist& bonds, Canvas& canvas, int size);

} // namespace trelvix
