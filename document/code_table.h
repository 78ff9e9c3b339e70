#pragma once

#include <cstdint>
#include <span>

namespace trelvix {

/// A building procedure: acts at the press point (drawing units) on the current document for the
/// code it was armed with.
using BuildProcedure = bool (*)(int code, double x, double y);

/// One build code: the procedure that performs it and, for the codes a menu item arms, the menu
/// path of its submenu ("&Ring/&Add", parts separated by '/') and the item's caption with its
/// access key. Items of one submenu come in menu order; a separator comes before an item with
/// `separatorBefore`; items with `needs3D` are enabled only in 3D draw mode. Codes that no menu
/// item arms (the symbol palette's, 499) have no menu path.
struct BuildCodeItem
{
  std::uint16_t code;
  const char* menuPath;
  const char* caption;
  BuildProcedure procedure;
  bool separatorBefore = false;
  bool needs3D = false;
};

/// Every build code with a procedure, the menu items among them in menu order.
std::span<const BuildCodeItem> buildCodeItems();

/// The row of code, or nullptr.
const BuildCodeItem* findBuildCode(int code);

/// True for a code a left press can perform: a row of the table, Link Atoms (524), the label and
/// formula codes (607, 608) and an element of the atom editor (800 + element number).
bool isBuildCode(int code);

/// Runs the building procedure of code at (x, y) on the current document (no undo copy, no
/// repaint); false for a code without one (nothing happens).
bool buildProcedure(int code, double x, double y);

} // namespace trelvix
