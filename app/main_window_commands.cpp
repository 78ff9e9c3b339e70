// What each menu and tool bar command does: one row per command, with whether it may run while
// an optimisation or an animation goes on. A new menu item is a row of the menu table and, when
// its command is new, a row here.
#include "app/animator.h"
#include "app/main_window.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <new>

namespace trelvix {

void TTrelvix3D::perform(Command command, int tag)
{
  try {
    runCommand(command, tag);
  } catch (const std::bad_alloc&) {
    m_shell.message(
      "Not enough memory for this command", "", MessageIcon::Error, MessageButtons::Ok);
  } catch (const std::exception&) {
    m_shell.message("The command failed", "", MessageIcon::Error, MessageButtons::Ok);
  }
}

void TTrelvix3D::runCommand(Command command, int tag)
{
  using W = TTrelvix3D;
  struct Row
  {
    Command command;
    void (*run)(W& window, int tag);
    /// Changes only how the model is shown or controls the motion, never the document's
    /// contents, so it may run while an optimisation or an animation goes on.
    bool whileRunning = false;
  };
  // clang-format off
  static constexpr Row rows[] = {
    { Command::New, [](W& w, int) { w.newDocument(); } },
    { Command::Open, [](W& w, int) { w.openDocument(); } },
    { Command::Import, [](W& w, int) { w.importDocument(); } },
    { Command::ImportStructure, [](W& w, int) { w.importStructureFile(); } },
    { Command::ExportStructure, [](W& w, int) { w.exportStructureFile(); } },
    { Command::ExportPicture, [](W& w, int) { w.exportPicture(); } },
    { Command::CopyToClipboard, [](W& w, int) { w.copyToClipboard(); } },
    { Command::Print, [](W& w, int) { w.printDocument(); } },
    { Command::Save, [](W& w, int) { w.saveDocument(); } },
    { Command::SaveAs, [](W& w, int) { w.saveAs(); } },
    { Command::Comments, [](W& w, int) { w.editComments(); } },
    { Command::Exit, [](W& w, int) { w.exitProgram(); } },
    { Command::MolecularData, [](W& w, int) { w.showMolecularData(); } },
    { Command::DipoleMoment, [](W& w, int) { w.showDipoleMoment(); } },
    { Command::PrincipalMoments, [](W& w, int) { w.showPrincipalMoments(); } },
    { Command::StrainEnergy, [](W& w, int) { w.showStrainEnergy(); } },
    { Command::Measurements, [](W& w, int) { w.openMetricTool(); } },
    { Command::ReactionTool, [](W& w, int) { w.openReactionTool(); } },
    { Command::Vibrations, [](W& w, int) { w.openVibrations(); } },
    { Command::AddFromSmiles, [](W& w, int) { w.addFromSmiles(); } },
    { Command::AddAtom, [](W& w, int element) {
        w.m_layer->openAtomPlacement(AtomPlacement::Add);
        w.showModeEditor();
        // The tool bar's atoms come with their element chosen.
        if (element > 0)
          w.m_layer->chooseElement(element);
      } },
    { Command::BranchAtom, [](W& w, int) {
        // Branching needs an atom to branch from; the mode is add-atom in any case.
        w.m_layer->openAtomPlacement(AtomPlacement::Branch);
        if (w.m_layer->drawing().Atoms.Count() > 0)
          w.showModeEditor();
      } },
    { Command::AddProtons2D, [](W& w, int) { w.m_layer->AddProtons2D(); } },
    { Command::AddProtons3D, [](W& w, int) { w.m_layer->AddProtons3D(); } },
    { Command::RemoveProtons, [](W& w, int) { w.m_layer->RemoveProtons(); } },
    { Command::BuildCode, [](W& w, int code) {
        w.m_layer->armBuildCode(static_cast<std::uint16_t>(code)); } },
    { Command::Symbol, [](W& w, int) { w.showSymbolPalette(); } },
    { Command::CopySmiles, [](W& w, int) { w.copyStructureText(false); } },
    { Command::CopyMol, [](W& w, int) { w.copyStructureText(true); } },
    { Command::Paste, [](W& w, int) { w.pasteStructure(); } },
    { Command::Reset, [](W& w, int) {
        w.m_layer->Reset();
        w.undoStateChanged();
      } },
    { Command::Undo, [](W& w, int) { w.undo(); } },
    { Command::Redo, [](W& w, int) {
        w.m_layer->Redo();
        w.undoStateChanged();
      } },
    { Command::DrawMode3D, [](W& w, int) { w.toggleDrawMode3D(); } },
    { Command::Optimise, [](W& w, int method) { w.optimise(method); } },
    { Command::OptimiseForceField, [](W& w, int choice) { w.optimiseWithForceField(choice); } },
    { Command::NormalView, [](W& w, int) { w.normalView(); } },
    { Command::StereoView, [](W& w, int) { w.stereoView(); } },
    { Command::FitToWindow, [](W& w, int) { w.fitToWindow(); } },
    { Command::Style, [](W& w, int code) { w.chooseStyle(code); }, true },
    { Command::Animate, [](W& w, int motion) { w.animate(motion); }, true },
    { Command::StopAnimate, [](W& w, int) { w.stopAnimation(); }, true },
    { Command::Speed, [](W& w, int speed) { w.chooseSpeed(speed); }, true },
    { Command::Font, [](W& w, int) { w.changeFont(); } },
    { Command::Defaults, [](W& w, int) { w.showSettings(); } },
    { Command::Help, [](W& w, int page) { w.showHelp(page); }, true },
    // The editors' items that are not one edit of the editor's object.
    { Command::AtomFont, [](W& w, int) { w.changeEditedFont(); } },
    { Command::GroupProperties, [](W& w, int) { w.perform(Command::MolecularData); } },
    { Command::GroupOptimise, [](W& w, int method) {
        if (w.m_layer->editedGroup())
          w.optimise(method);
      } },
    { Command::TextDone, [](W& w, int) { w.backToDrawing(); } },
  };
  // clang-format on

  const auto* row = std::find_if(
    std::begin(rows), std::end(rows), [command](const Row& r) { return r.command == command; });
  const bool whileRunning = row != std::end(rows) && row->whileRunning;
  if ((m_layer->busy() || m_animator->running()) && !whileRunning)
    return;
  if (row != std::end(rows))
    row->run(*this, tag);
  else
    performEditorCommand(command, tag); // the edits of the editors' objects
}

} // namespace trelvix
