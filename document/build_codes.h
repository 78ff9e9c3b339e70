#pragma once

#include <cstdint>
#include <span>

namespace trelvix {

/// One menu item that arms a build code: the menu path of its submenu ("&Ring/&Add"), its
/// caption with its access key, and the code. Items of one submenu appear in menu order; a
/// separator comes before an item with `separatorBefore`; items with `needs3D` are enabled only
/// in 3D draw mode.
struct BuildCodeItem
{
  std::uint16_t code;
  const char* menuPath;
  const char* caption;
  bool separatorBefore = false;
  bool needs3D = false;
};

/// Every build-code item of the main menu bar, in menu order.
std::span<const BuildCodeItem> buildCodeItems();

/// True for a code a left press can perform (the menu codes, 499, 524, 607, 608, the symbol
/// codes 720..729 and 800 + element).
bool isBuildCode(int code);

} // namespace trelvix
