#pragma once

#include <cstdint>
#include <span>

namespace trelvix {

/// The eight menu bars of the main window; exactly one is shown at a time.
enum class MenuBarId : std::uint8_t
{
  MainMenu1,
  AnimationMenu,
  OptimizeMenu,
  AtomEditorMenu,
  GroupEditorMenu,
  BondEditorMenu,
  SymbolEditorMenu,
  TextEditorMenu
};
inline constexpr int menuBarCount = 8;

/// What a menu item does; items sharing a command are told apart by their tag.
enum class Command : std::uint8_t
{
  New,
  Open,
  Import,
  ImportStructure,
  ExportStructure,
  Save,
  SaveAs,
  Comments,
  CopyToClipboard,
  Print,
  ExportPicture,
  Measurements,
  MolecularData,
  DipoleMoment,
  PrincipalMoments,
  StrainEnergy,
  ReactionTool,
  DrawMode3D,
  Optimise,           ///< tag: the optimiser's method code
  OptimiseForceField, ///< tag: the ForceFieldChoice
  Vibrations,
  NormalView,
  StereoView,
  Animate, ///< tag: the motion, 0 spin, 1 tumble, 2 rock, 3 wag
  Style,   ///< tag: the view code
  Font,
  Defaults,
  Exit,
  Reset,
  Undo,
  Redo,
  FitToWindow,
  CopySmiles,
  CopyMol,
  Paste,
  AddAtom,
  BranchAtom,
  AddFromSmiles,
  AddProtons2D,
  AddProtons3D,
  RemoveProtons,
  Symbol,
  Help, ///< tag: the help page's context number
  StopAnimate,
  Speed,     ///< tag: 0 fast, 1 medium, 2 slow
  BuildCode, ///< tag: the build code it arms
  // The editors' menu bars; a tag is the edit's value (a step, style, axis, angle, percent).
  AtomFont,
  AtomLeftRight,
  AtomReflect,
  AtomHydrogens,
  AtomProtons,
  AtomCharge,
  AtomStyle,
  AtomClone,
  AtomDelete,
  GroupProperties,
  GroupOptimise, ///< tag: the optimiser's method code
  GroupInvert,
  GroupReflect,
  GroupRotate,
  GroupTurn,
  GroupTilt,
  GroupZoom,
  BondType, ///< tag: the bond editor's picture 1..6
  SymbolResize,
  SymbolRotate,
  TextDone,
  // Rows that stand for a group of items rather than one item:
  BuildCodes,     ///< the build-code items under the row's menu path, in their table's order
  Styles,         ///< the fifteen display styles
  RecentDocuments ///< the submenu of the documents opened or saved last, filled by the window
};

/// One row of the menu table. path is the menu the item stands in ("&File", "SymmOp/Reflect"),
/// empty for an item on the bar itself; "&" marks the access key and "&&" is a literal "&".
struct MenuEntry
{
  MenuBarId bar;
  const char* path;
  const char* caption;
  Command command;
  int tag = 0;
  bool separatorBefore = false;
  /// A standard shortcut beside the access key (never a single letter: the drawing surface
  /// owns those); several are separated by "; ".
  const char* shortcut = nullptr;
  bool checkable = false;
};

/// Every item of the eight menu bars but the build-code items (which come from the core's
/// build-code table) and the display styles, in menu order.
std::span<const MenuEntry> menuEntries();

/// A display style: its view code and caption, in menu order.
struct StyleItem
{
  int code;
  const char* caption;
};
std::span<const StyleItem> styleItems();

} // namespace trelvix
