#include "app/menu_table.h"

#include "commands/force_field_command.h"
#include "mechanics/optimiser.h"

#include <array>

namespace trelvix {

namespace {

constexpr int code(OptimiseCommand c)
{
  return static_cast<int>(c);
}

constexpr int code(ForceFieldChoice c)
{
  return static_cast<int>(c);
}

constexpr auto M = MenuBarId::MainMenu1;
constexpr auto A = MenuBarId::AnimationMenu;
constexpr auto O = MenuBarId::OptimizeMenu;
constexpr auto AE = MenuBarId::AtomEditorMenu;
constexpr auto GE = MenuBarId::GroupEditorMenu;
constexpr auto BE = MenuBarId::BondEditorMenu;
constexpr auto SE = MenuBarId::SymbolEditorMenu;
constexpr auto TE = MenuBarId::TextEditorMenu;
using C = Command;

// clang-format off
constexpr MenuEntry entries[] = {
  // MainMenu1, the drawing menu bar.
  { M, "&File", "&New", C::New, 0, false, "Ctrl+N" },
  { M, "&File", "&Open ...", C::Open, 0, false, "Ctrl+O" },
  { M, "&File", "Open &Recent", C::RecentDocuments },
  { M, "&File", "&Import ...", C::Import },
  { M, "&File", "Import Structure File ...", C::ImportStructure },
  { M, "&File", "Export Structure File ...", C::ExportStructure },
  { M, "&File", "&Save", C::Save, 0, true, "Ctrl+S" },
  { M, "&File", "Save&As ...", C::SaveAs, 0, false, "Ctrl+Shift+S" },
  { M, "&File", "Co&mments ...", C::Comments, 0, true },
  { M, "&File", "CopyTo&Clipboard", C::CopyToClipboard, 0, true },
  { M, "&File", "Print ...", C::Print, 0, false, "Ctrl+P" },
  { M, "&File", "Export Picture ...", C::ExportPicture },
  { M, "&Edit", "Copy as &SMILES", C::CopySmiles },
  { M, "&Edit", "Copy as &MOL", C::CopyMol },
  { M, "&Edit", "&Paste", C::Paste, 0, true, "Ctrl+V" },
  { M, "C&hemistry", "&Measurements ...", C::Measurements },
  { M, "C&hemistry", "Molecular &Data ...", C::MolecularData },
  { M, "C&hemistry", "Di&pole Moment", C::DipoleMoment },
  { M, "C&hemistry", "Principal Mome&nts", C::PrincipalMoments },
  { M, "C&hemistry", "&Strain Energy", C::StrainEnergy },
  { M, "C&hemistry", "&Reaction Tool ...", C::ReactionTool },
  { M, "C&hemistry", "Vibrations ...", C::Vibrations },
  { M, "&3D Functions", "3&D Draw Mode", C::DrawMode3D, 0, false, nullptr, true },
  { M, "&3D Functions", "&Anneal Geometry", C::Optimise, code(OptimiseCommand::AnnealGeometry), true },
  { M, "&3D Functions", "&Optimize Geometry", C::Optimise, code(OptimiseCommand::OptimizeGeometry) },
  { M, "&3D Functions", "&Refine Geometry", C::Optimise, code(OptimiseCommand::RefineGeometry) },
  { M, "&3D Functions", "&Scramble And Optimize", C::Optimise, code(OptimiseCommand::ScrambleAndOptimize) },
  { M, "&3D Functions", "Optimize Protons", C::Optimise, code(OptimiseCommand::OptimizeProtons) },
  { M, "&3D Functions", "Optimize (MMFF94)", C::OptimiseForceField, code(ForceFieldChoice::MMFF94) },
  { M, "&3D Functions", "Optimize (UFF)", C::OptimiseForceField, code(ForceFieldChoice::UFF) },
  { M, "&3D Functions", "NormalView", C::NormalView, 0, true, nullptr, true },
  { M, "&3D Functions", "&Stereo View", C::StereoView, 0, false, nullptr, true },
  { M, "&3D Functions", "S&pin", C::Animate, 0, true },
  { M, "&3D Functions", "&Tumble", C::Animate, 1 },
  { M, "&3D Functions", "Roc&k", C::Animate, 2 },
  { M, "&3D Functions", "&Wag", C::Animate, 3 },
  { M, "&3D Functions", nullptr, C::Styles, 0, true },
  { M, "&3D Functions", "&Font ...", C::Font, 0, true },
  { M, "&3D Functions", "&Defaults ...", C::Defaults },
  { M, "&3D Functions", "Exit", C::Exit, 0, true, "Ctrl+Q" },
  { M, "&View", "&Fit to Window", C::FitToWindow },
  { M, "", "Reset", C::Reset },
  { M, "", "Undo", C::Undo, -1, false, "Ctrl+Z" },
  { M, "", "Redo", C::Redo, 0, false, "Ctrl+Shift+Z; Ctrl+Y" },
  { M, "&Atom", "&Add Atom ...", C::AddAtom },
  { M, "&Atom", "&Branch Atom ...", C::BranchAtom },
  { M, "&Atom", "Add from SM&ILES ...", C::AddFromSmiles },
  { M, "&Atom", nullptr, C::BuildCodes },
  { M, "&Atom", "&Link Atoms", C::BuildCode, 524 },
  { M, "&Atom", "Add Protons &2D", C::AddProtons2D, 0, true },
  { M, "&Atom", "Add Protons &3D", C::AddProtons3D },
  { M, "&Atom", "Remove Protons", C::RemoveProtons },
  { M, "&Branch", "&Atom ...", C::BranchAtom },
  { M, "&Branch", nullptr, C::BuildCodes, 0, true },
  { M, "Al&kane", nullptr, C::BuildCodes },
  { M, "Ben&zene", nullptr, C::BuildCodes },
  { M, "&Ring", nullptr, C::BuildCodes },
  { M, "", "&Symbol", C::Symbol },
  { M, "&Help", "&General Help", C::Help, 111, false, "F1" },
  { M, "&Help", "2D Drawing Tutorial", C::Help, 115 },
  { M, "&Help", "3D Drawing Tutorial", C::Help, 119 },
  { M, "&Help", "Customer Support", C::Help, 117, true },

  // AnimationMenu, while a model moves.
  { A, "", "STOP", C::StopAnimate },
  { A, "", "S&pin", C::Animate, 0 },
  { A, "", "&Tumble", C::Animate, 1 },
  { A, "", "&Rock", C::Animate, 2 },
  { A, "", "Wag", C::Animate, 3 },
  { A, "&3D Views", nullptr, C::Styles },
  { A, "Speed", "Fast", C::Speed, 0, false, nullptr, true },
  { A, "Speed", "Medium", C::Speed, 1, false, nullptr, true },
  { A, "Speed", "Slow", C::Speed, 2, false, nullptr, true },

  // OptimizeMenu, while the optimiser runs.
  { O, "&3D Views", nullptr, C::Styles },

  // AtomEditorMenu.
  { AE, "Te&xt", "Font", C::AtomFont },
  { AE, "Te&xt", "Left<>Right", C::AtomLeftRight },
  { AE, "Te&xt", "Reflect", C::AtomReflect },
  { AE, "&Protons", "+H", C::AtomHydrogens, 1 },
  { AE, "&Protons", "-H", C::AtomHydrogens, -1 },
  { AE, "&Protons", "+H(+)", C::AtomProtons, 1 },
  { AE, "&Protons", "-H(+)", C::AtomProtons, -1 },
  { AE, "Charge", "Q+1", C::AtomCharge, 1 },
  { AE, "Charge", "Q-1", C::AtomCharge, -1 },
  { AE, "Style", "\u00b7", C::AtomStyle, 0 },
  { AE, "Style", "A", C::AtomStyle, 1 },
  { AE, "Style", "AHn", C::AtomStyle, 2 },
  { AE, "", "&Clone", C::AtomClone },
  { AE, "", "&Delete", C::AtomDelete },

  // GroupEditorMenu.
  { GE, "Molecule", "Properties ...", C::GroupProperties },
  { GE, "Molecule", "&Anneal Geometry", C::GroupOptimise, code(OptimiseCommand::AnnealGeometry), true },
  { GE, "Molecule", "&Optimize Geometry", C::GroupOptimise, code(OptimiseCommand::OptimizeGeometry) },
  { GE, "Molecule", "&Scramble And Optimize", C::GroupOptimise, code(OptimiseCommand::ScrambleAndOptimize) },
  { GE, "Molecule", "Re&fine Geometry", C::GroupOptimise, code(OptimiseCommand::RefineGeometry) },
  { GE, "Molecule", "Refine Protons", C::GroupOptimise, code(OptimiseCommand::OptimizeProtons) },
  { GE, "Molecule", "Optimize (MMFF94)", C::OptimiseForceField, code(ForceFieldChoice::MMFF94) },
  { GE, "Molecule", "Optimize (UFF)", C::OptimiseForceField, code(ForceFieldChoice::UFF) },
  { GE, "SymmOp", "Invert", C::GroupInvert },
  { GE, "SymmOp/Reflect", "Left-Right", C::GroupReflect, 1 },
  { GE, "SymmOp/Reflect", "Up-Down", C::GroupReflect, 2 },
  { GE, "SymmOp/Reflect", "In-Out", C::GroupReflect, 3 },
  { GE, "SymmOp/Rotate", "+180\u00b0", C::GroupRotate, 180 },
  { GE, "SymmOp/Rotate", "+120\u00b0", C::GroupRotate, 120 },
  { GE, "SymmOp/Rotate", "+90\u00b0", C::GroupRotate, 90 },
  { GE, "SymmOp/Rotate", "+60\u00b0", C::GroupRotate, 60 },
  { GE, "SymmOp/Rotate", "+90\u00b0", C::GroupRotate, 90, true },
  { GE, "SymmOp/Rotate", "+45\u00b0", C::GroupRotate, 45 },
  { GE, "SymmOp/Rotate", "-45\u00b0", C::GroupRotate, -45 },
  { GE, "SymmOp/Rotate", "-90\u00b0", C::GroupRotate, -90 },
  { GE, "SymmOp/Turn", "+180\u00b0", C::GroupTurn, 180 },
  { GE, "SymmOp/Turn", "+120\u00b0", C::GroupTurn, 120 },
  { GE, "SymmOp/Turn", "+90\u00b0", C::GroupTurn, 90 },
  { GE, "SymmOp/Turn", "+60\u00b0", C::GroupTurn, 60 },
  { GE, "SymmOp/Tilt", "+180\u00b0", C::GroupTilt, 180 },
  { GE, "SymmOp/Tilt", "+120\u00b0", C::GroupTilt, 120 },
  { GE, "SymmOp/Tilt", "+90\u00b0", C::GroupTilt, 90 },
  { GE, "SymmOp/Tilt", "+60\u00b0", C::GroupTilt, 60 },
  { GE, "&Zoom", "+50%", C::GroupZoom, 150 },
  { GE, "&Zoom", "+25%", C::GroupZoom, 125 },
  { GE, "&Zoom", "-25%", C::GroupZoom, 75 },
  { GE, "&Zoom", "-50%", C::GroupZoom, 50 },

  // BondEditorMenu.
  { BE, "&Bond Type", "&Single", C::BondType, 1 },
  { BE, "&Bond Type", "&Double", C::BondType, 2 },
  { BE, "&Bond Type", "&Triple", C::BondType, 3 },
  { BE, "&Bond Type", "Transition Single", C::BondType, 4 },
  { BE, "&Bond Type", "Transition Double", C::BondType, 5 },
  { BE, "&Bond Type", "Transition Triple", C::BondType, 6 },

  // SymbolEditorMenu.
  { SE, "Resi&ze", "+50%", C::SymbolResize, 150 },
  { SE, "Resi&ze", "-50%", C::SymbolResize, 50 },
  { SE, "&Rotate", "+90\u00b0", C::SymbolRotate, 90 },
  { SE, "&Rotate", "-90\u00b0", C::SymbolRotate, -90 },
  { SE, "&Rotate", "+45\u00b0", C::SymbolRotate, 45 },
  { SE, "&Rotate", "-45\u00b0", C::SymbolRotate, -45 },

  // TextEditorMenu.
  { TE, "", "Done", C::TextDone },
};

constexpr StyleItem styles[] = {
  { 0, "Normal" },
  { 12, "&Lines" },
  { 7, "&Rods" },
  { 13, "Circles+Te&xt" },
  { 11, "&Circles+Rods" },
  { 19, "B&&W Sp&heres" },
  { 17, "B&&W Sph&eres+Text" },
  { 18, "B&&W Spheres+Bonds" },
  { 16, "B&&W Sphe&res+Rods" },
  { 9, "Color Balls" },
  { 15, "Color Balls+Bonds" },
  { 8, "Color Balls+Rods" },
  { 5, "Color Balls+Text" },
  { 10, "Color Spheres" },
  { 14, "Color Spheres+Text" },
};
// clang-format on

} // namespace

std::span<const MenuEntry> menuEntries()
{
  return entries;
}

std::span<const StyleItem> styleItems()
{
  return styles;
}

} // namespace trelvix
