#include "commands/command_layer.h"

#include "commands/core_init.h"
#include "commands/message_capture.h"
#include "document/code_table.h"
#include "document/drawing.h"
#include "document/editor_operations.h"
#include "document/file_format.h"
#include "document/hydrogen_writing.h"
#include "document/key_edits.h"
#include "document/placing_procedures.h"
#include "document/symbol.h"
#include "document/undo.h"
#include "mechanics/force_field.h"
#include "mechanics/stop_tool.h"
#include "model/defaults.h"
#include "model/link.h"
#include "model/structure_atom.h"
#include "platform/checked.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>
#include <string>

namespace trelvix {

namespace {

/// What the user reads when an edit fails halfway: an overflow says so, as it always has; any
/// other fault gets plain words instead of the library's internal text.
std::string failureText(const std::exception& e)
{
  if (dynamic_cast<const OverflowError*>(&e))
    return e.what();
  if (dynamic_cast<const std::bad_alloc*>(&e))
    return "Not enough memory for this command: the drawing is as it was";
  return "The command failed: the drawing is as it was";
}

constexpr int linkAtomsCode = 524;
constexpr int labelCode = 607;
constexpr int formulaCode = 608;

template<class List, class T>
bool holds(const List& list, const T* item)
{
  return std::find(list.begin(), list.end(), item) != list.end();
}

/// Marks the layer busy for the lifetime of the scope and tells the observers.
class BusyScope
{
public:
  BusyScope(bool& busy, const std::function<void(bool)>& tell)
    : m_busy(busy)
    , m_tell(tell)
  {
    m_busy = true;
    m_tell(true);
  }
  ~BusyScope()
  {
    m_busy = false;
    m_tell(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

private:
  bool& m_busy;
  std::function<void(bool)> m_tell;
};

/// The mean length of the drawn bonds (a symbol's strokes are hidden bonds and do not count).
double meanBondLength(const tDrawing& drawing)
{
  tbonds drawn;
  for (tLink* b : drawing.Bonds) {
    if (b->visible)
      drawn.Add(b);
  }
  const double mean = drawn.MeanLength();
  return mean;
}

} // namespace

CommandObserver::~CommandObserver() = default;

CommandLayer::CommandLayer(std::unique_ptr<tDrawing> drawing)
  : m_drawing(std::move(drawing))
{
  initialiseCore();
  setCurrentDrawing(m_drawing.get());
}

CommandLayer::~CommandLayer()
{
  if (CurrentDrawing == m_drawing.get())
    setCurrentDrawing(nullptr);
}

void CommandLayer::addObserver(CommandObserver* observer)
{
  if (observer && !holds(m_observers, observer))
    m_observers.push_back(observer);
}

void CommandLayer::removeObserver(CommandObserver* observer)
{
  std::erase(m_observers, observer);
}

void CommandLayer::tell(const std::function<void(CommandObserver&)>& call)
{
  // A copy: an observer may remove itself while it is told.
  const std::vector<CommandObserver*> observers = m_observers;
  for (CommandObserver* o : observers)
    call(*o);
}

void CommandLayer::setUndoCopies(bool on)
{
  m_undoCopies = on;
}

void CommandLayer::setUndoLevels(std::size_t levels)
{
  m_history.setLevels(levels);
  // The window shows a Redo item for the longer history only: it hears of every change.
  tell([](CommandObserver& o) { o.undoStateChanged(); });
}

// ---- The editor state

void CommandLayer::forgetEditorObjects()
{
  m_link1 = m_link2 = nullptr;
  m_text = nullptr;
  m_editedGroup = nullptr;
  m_editedAtom = nullptr;
  m_editedBond = nullptr;
  m_bondReference = nullptr;
  m_editedSymbol = nullptr;
  m_editedText = nullptr;
  // A replaced document took any selection group with it.
  m_selection = nullptr;
  m_drag.reset();
  m_gesture = false;
  syncEditorState();
}

void CommandLayer::forgetMissingObjects()
{
  // An edit may have freed what an editor holds (Delete, Link Atoms merging pieces, a rollback):
  // every reference still held must be an object of the document.
  const tDrawing& d = *m_drawing;
  const auto keepAtom = [&](auto*& atom) {
    if (atom && !holds(d.Atoms, atom))
      atom = nullptr;
  };
  keepAtom(m_link1);
  keepAtom(m_link2);
  keepAtom(m_text);
  keepAtom(m_editedAtom);
  keepAtom(m_bondReference);
  keepAtom(m_editedText);
  if (m_editedGroup && !holds(d.Groups, m_editedGroup))
    m_editedGroup = nullptr;
  if (m_selection && !holds(d.Groups, m_selection))
    m_selection = nullptr;
  if (m_editedBond && !holds(d.Bonds, m_editedBond)) {
    m_editedBond = nullptr;
    m_bondReference = nullptr;
  }
  if (m_editedSymbol && !holds(*d.Symbols, m_editedSymbol))
    m_editedSymbol = nullptr;
  syncEditorState();
}

void CommandLayer::syncEditorState()
{
  m_drawing->editedGroup = m_mode == EditorMode::GroupEditor ? m_editedGroup : nullptr;
}

void CommandLayer::setEditorMode(EditorMode mode)
{
  if (mode == EditorMode::Drawing) {
    // A slider left where it was: what it moved stays where it is now.
    if (m_gesture)
      m_drawing->update();
    m_pending = 0;
    dropSelection();
    m_editedGroup = nullptr;
    m_editedAtom = nullptr;
    m_editedBond = nullptr;
    m_bondReference = nullptr;
    m_editedSymbol = nullptr;
    m_editedText = nullptr;
    m_gesture = false;
    if (m_savedView >= 0) {
      m_drawing->viewMode = static_cast<std::uint8_t>(m_savedView);
      m_savedView = -1;
    }
    m_drawing->Color(false);
    currentShell().requestRepaint();
  }
  const bool changed = mode != m_mode;
  m_mode = mode;
  syncEditorState();
  if (changed || mode == EditorMode::Drawing)
    tell([](CommandObserver& o) { o.modeChanged(); });
}

void CommandLayer::setEditedGroup(tStructure* group)
{
  m_editedGroup = group && holds(m_drawing->Groups, group) ? group : nullptr;
  syncEditorState();
}

tStructure* CommandLayer::measuredGroup() const
{
  return m_mode == EditorMode::GroupEditor ? m_editedGroup : nullptr;
}

tStructure& CommandLayer::measuredObject()
{
  tStructure* group = measuredGroup();
  return group ? *group : *m_drawing;
}

void CommandLayer::setEditedAtom(tXY* atom)
{
  m_editedAtom = atom && holds(m_drawing->Atoms, atom) ? atom : nullptr;
}

// ---- Edits

CommandResult CommandLayer::refused() const
{
  CommandResult result;
  result.refused = true;
  return result;
}

void CommandLayer::undoStateMayHaveChanged(bool resetBefore, bool undoBefore, bool redoBefore)
{
  if (resetBefore != m_resetEnabled || undoBefore != canUndo() || redoBefore != canRedo())
    tell([](CommandObserver& o) { o.undoStateChanged(); });
}

void CommandLayer::recordStep()
{
  if (m_undoCopies)
    m_history.record(undoSnapshot(*m_drawing));
  else if (!m_rollback)
    m_rollback = m_drawing->clone(); // the one copy a failed step of a batch rolls back to
  m_resetEnabled = true;
}

void CommandLayer::notifyEdited(bool replaced, bool savedBefore)
{
  // The measurement tool's terms and held distance atom name atoms the edit may have removed.
  m_measureTerms.reset();
  m_drawing->m1 = m_drawing->m2 = nullptr;
  if (replaced)
    tell([](CommandObserver& o) { o.documentReplaced(); });
  else
    tell([](CommandObserver& o) { o.documentChanged(); });
  const bool saved = m_drawing->savedFlag != 0;
  if (saved != savedBefore)
    tell([saved](CommandObserver& o) { o.savedChanged(saved); });
}

CommandResult CommandLayer::perform(const std::function<void()>& edit, Perform how)
{
  return performChecked(
    [&] {
      edit();
      return true;
    },
    how);
}

CommandResult CommandLayer::performChecked(const std::function<bool()>& edit, Perform how)
{
  if (blocked())
    return refused();
  CommandResult result;
  const MessageCapture capture(result);
  // Atoms held by Link Atoms are forgotten by any other edit, which may delete them.
  if (!how.keepLinkAtoms)
    m_link1 = m_link2 = nullptr;
  m_text = nullptr;
  const bool resetBefore = m_resetEnabled, undoBefore = canUndo(), redoBefore = canRedo();
  const std::uint8_t savedBefore = m_drawing->savedFlag;
  std::unique_ptr<tDrawing> before;
  if (how.undo == UndoPolicy::Step && m_undoCopies)
    before = undoSnapshot(*m_drawing);
  else if (how.undo == UndoPolicy::Step && !m_rollback)
    m_rollback = m_drawing->clone(); // the one copy a failed step of a batch rolls back to
  m_drawing->savedFlag = 0;
  bool replaced = false;
  bool changed = true;
  try {
    if (how.longRun) {
      const BusyScope busy(
        m_busy, [this](bool on) { tell([on](CommandObserver& o) { o.busyChanged(on); }); });
      changed = edit();
    } else {
      changed = edit();
    }
  } catch (const std::exception& e) {
    // The document may be half changed: the copy taken just before is the document again (or,
    // for an edit without a copy of its own, the one before the last step).
    const tDrawing* newest = m_history.newest();
    std::unique_ptr<tDrawing> restored = before       ? std::move(before)
                                         : newest     ? newest->clone()
                                         : m_rollback ? m_rollback->clone()
                                                      : nullptr;
    if (restored) {
      m_drawing = std::move(restored);
      setCurrentDrawing(m_drawing.get());
      replaced = true;
    }
    changed = false;
    showMessage(failureText(e), "", MessageIcon::Error);
  }
  if (!changed && !replaced) {
    // Nothing changed after all: no step, and the saved state stays.
    m_drawing->savedFlag = savedBefore;
  } else if (before) {
    m_history.record(std::move(before));
    m_resetEnabled = true;
  } else if (how.undo == UndoPolicy::Merged) {
    m_history.forgetRedo();
    m_resetEnabled = true;
  } else if (how.undo == UndoPolicy::Untracked && !classicUndo()) {
    m_history.forgetRedo();
  }
  if (how.update)
    m_drawing->update();
  forgetMissingObjects();
  currentShell().requestRepaint();
  result.changed = changed || replaced;
  undoStateMayHaveChanged(resetBefore, undoBefore, redoBefore);
  notifyEdited(replaced, savedBefore != 0);
  return result;
}

void CommandLayer::armBuildCode(std::uint16_t code)
{
  if (blocked())
    return;
  m_pending = code;
  tell([](CommandObserver& o) { o.modeChanged(); });
}

void CommandLayer::Reset()
{
  if (blocked())
    return;
  m_pending = 0;
  m_link1 = m_link2 = nullptr;
  tell([](CommandObserver& o) { o.modeChanged(); });
}

CommandResult CommandLayer::BuildAt(double x, double y, int code)
{
  const bool known = code == 0 || isBuildCode(code);
  CommandResult result = perform(
    [&] {
      if (code == linkAtomsCode)
        linkAtoms(x, y);
      else if (code == labelCode || code == formulaCode)
        m_placedText = addTextAtom(code, x, y);
      else
        buildProcedure(code, x, y);
    },
    { .keepLinkAtoms = code == linkAtomsCode,
      .undo = code != 0 ? UndoPolicy::Step : UndoPolicy::View });
  // The text editor opens on the label just placed.
  if (m_placedText && holds(m_drawing->Atoms, m_placedText))
    m_text = m_placedText;
  m_placedText = nullptr;
  result.known = result.known && known;
  return result;
}

void CommandLayer::linkAtoms(double x, double y)
{
  // Only element atoms are linked: a label or a symbol point counts as no atom.
  tXY* hit = m_drawing->GetAtom(x, y);
  if (hit && !hit->isatom())
    hit = nullptr;
  (m_link1 ? m_link2 : m_link1) = hit;
  if (m_link1 && m_link2 && m_link1 != m_link2) {
    linkAtomPair(*m_drawing, m_link1, m_link2);
    m_link1 = m_link2 = nullptr;
  } else if (m_link1 == m_link2) {
    showMessage("Move Pointer", "", MessageIcon::Information);
    m_link2 = nullptr;
  }
}

CommandResult CommandLayer::AddText(int code, const std::string& text, double x, double y)
{
  if (code != labelCode && code != formulaCode)
    return unknownCommand();
  return perform([&] {
    if (tLAtm* placed = addTextAtom(code, x, y))
      placed->SetSymbol(text);
  });
}

CommandResult CommandLayer::SetText(tLAtm* text, const std::string& value)
{
  if (!text || !holds(m_drawing->Atoms, text))
    return unknownCommand();
  tLAtm* keep = text;
  CommandResult result =
    perform([&] { text->SetSymbol(value); }, { .undo = UndoPolicy::Untracked });
  m_text = keep; // the text editor goes on editing it
  return result;
}

CommandResult CommandLayer::AddAtom(int z, double x, double y)
{
  return perform([&] { addLoneAtom(z, x, y); });
}

CommandResult CommandLayer::BranchAtom(int z, double x, double y)
{
  return perform([&] { linkElementAt(z, x, y); });
}

CommandResult CommandLayer::AddProtons2D()
{
  return perform([&] { m_drawing->Protonate(); });
}

CommandResult CommandLayer::AddProtons3D()
{
  return perform([&] { m_drawing->protonate3d(); });
}

CommandResult CommandLayer::RemoveProtons()
{
  return perform([&] { m_drawing->Deprotonate(); });
}

CommandResult CommandLayer::KeyUp(std::string_view key, double x, double y)
{
  const KeyUndo undo = keyUndo(key);
  if (undo == KeyUndo::Unknown) {
    CommandResult result;
    result.refused = blocked();
    result.known = false;
    return result;
  }
  if (std::none_of(m_drawing->Atoms.begin(),
                   m_drawing->Atoms.end(),
                   [](const tXY* a) { return a->isatom(); }) &&
      m_drawing->Labels.empty()) {
    // Keys act on the object under the pointer: an empty document has none.
    CommandResult result;
    result.refused = blocked();
    return result;
  }
  // The charge keys take no copy of their own in the one-level Undo; a longer history makes
  // every key a step, as users of today's editors expect.
  const bool step = undo == KeyUndo::Snapshot || !classicUndo();
  // A key with nothing under the pointer changes nothing: it costs no step.
  return performChecked([&] { return applyKey(*m_drawing, key, x, y); },
                        { .undo = step ? UndoPolicy::Step : UndoPolicy::Untracked });
}

CommandResult CommandLayer::Nudge(double dx, double dy)
{
  return perform(
    [&] {
      if (m_mode == EditorMode::GroupEditor && m_editedGroup)
        m_editedGroup->Move(dx, dy, 0);
      else
        m_drawing->Move(dx, dy, 0);
    },
    { .undo = UndoPolicy::Untracked });
}

CommandResult CommandLayer::SetComments(const std::string& title,
                                        const std::string& author,
                                        const std::string& notes)
{
  // The longest texts the file keeps (each field zero-terminated).
  constexpr std::size_t titleLength = 95, notesLength = 319;
  return perform(
    [&] {
      m_drawing->title = title.substr(0, titleLength);
      m_drawing->author = author.substr(0, titleLength);
      m_drawing->notes = notes.substr(0, notesLength);
    },
    { .undo = UndoPolicy::Untracked });
}

CommandResult CommandLayer::SetFont(const FontRecord& font)
{
  CommandResult result =
    perform([&] { m_drawing->ChangeFont(font); }, { .undo = UndoPolicy::Untracked });
  if (result.acted()) {
    modelDefaults().font = font;
    tell([](CommandObserver& o) { o.defaultsChanged(); });
  }
  return result;
}

CommandResult CommandLayer::SetDrawMode3D(bool on)
{
  if (m_busy)
    return refused();
  CommandResult result;
  result.changed = modelDefaults().DrawMode3D != on;
  modelDefaults().DrawMode3D = on;
  if (result.changed)
    tell([](CommandObserver& o) { o.defaultsChanged(); });
  return result;
}

CommandResult CommandLayer::Zoom(double factor)
{
  if (!(factor > 0) || !std::isfinite(factor))
    return unknownCommand();
  return perform([&] { m_drawing->Zoom(factor); }, { .undo = UndoPolicy::Untracked });
}

CommandResult CommandLayer::SetView(int code)
{
  const bool valid = (code >= 0 && code <= 19) || (code >= 100 && code <= 119);
  if (!valid)
    return unknownCommand();
  // A view is no edit: the saved flag and the undo copies stay, and a style may be chosen while
  // the optimiser runs (its menu offers them).
  const std::uint8_t saved = m_drawing->savedFlag;
  m_drawing->viewMode = static_cast<std::uint8_t>(code);
  m_drawing->savedFlag = saved;
  currentShell().requestRepaint();
  tell([](CommandObserver& o) { o.documentChanged(); });
  return {};
}

CommandResult CommandLayer::Optimize(OptimiseCommand command,
                                     StopTool& stop,
                                     const OptimiseProgress& progress)
{
  if (blocked())
    return refused();
  m_pending = 0;
  tell([](CommandObserver& o) { o.modeChanged(); });
  if (command == OptimiseCommand::OptimizeProtons && m_drawing->Atoms.nprotons() <= 0)
    return unknownCommand();
  return perform(
    [&] {
      tStructure& target = measuredObject();
      optimizeGeometry(target, command, stop, progress);
      orientHydrogenLabels(target);
    },
    { .longRun = true });
}

// ---- Undo

bool CommandLayer::canUndo() const
{
  return m_history.canUndo() || (classicUndo() && m_history.canRedo());
}

const char* CommandLayer::undoCaption() const
{
  return classicUndo() && !m_history.canUndo() && m_history.canRedo() ? "Redo" : "Undo";
}

CommandResult CommandLayer::Undo()
{
  // The one-level item takes turns: after a step back it goes forward again.
  return travel(!(classicUndo() && !m_history.canUndo()));
}

CommandResult CommandLayer::Redo()
{
  return travel(false);
}

CommandResult CommandLayer::travel(bool back)
{
  if (blocked())
    return refused();
  CommandResult result;
  if (back ? !m_history.canUndo() : !m_history.canRedo())
    return result;
  const bool savedBefore = m_drawing->savedFlag != 0;
  m_pending = 0;
  m_drawing->Color(false);
  m_drawing = back ? m_history.undo(std::move(m_drawing)) : m_history.redo(std::move(m_drawing));
  setCurrentDrawing(m_drawing.get());
  forgetEditorObjects();
  m_drawing->update();
  currentShell().requestRepaint();
  result.changed = true;
  tell([](CommandObserver& o) { o.modeChanged(); });
  tell([](CommandObserver& o) { o.undoStateChanged(); });
  notifyEdited(true, savedBefore);
  return result;
}

// ---- Documents

void CommandLayer::replace(std::unique_ptr<tDrawing> drawing)
{
  const bool savedBefore = m_drawing->savedFlag != 0;
  m_drawing = std::move(drawing);
  setCurrentDrawing(m_drawing.get());
  forgetEditorObjects();
  m_drawing->update();
  currentShell().requestRepaint();
  notifyEdited(true, savedBefore);
}

CommandResult CommandLayer::NewDocument()
{
  if (blocked())
    return refused();
  CommandResult result;
  result.changed = true;
  replace(std::make_unique<tDrawing>());
  m_path.clear();
  m_history.clear();
  tell([](CommandObserver& o) { o.undoStateChanged(); });
  return result;
}

std::unique_ptr<tDrawing> CommandLayer::load(const std::string& path, CommandResult& result)
{
  const MessageCapture capture(result);
  return loadDrawing(path.substr(0, 255), &result.reason);
}

CommandResult CommandLayer::OpenDocument(const std::string& path)
{
  if (blocked())
    return refused();
  CommandResult result;
  std::unique_ptr<tDrawing> loaded = load(path, result);
  if (!loaded)
    return result;
  result.changed = true;
  replace(std::move(loaded));
  m_path = path;
  // A fresh document starts a history of its own.
  m_history.clear();
  tell([](CommandObserver& o) { o.undoStateChanged(); });
  return result;
}

CommandResult CommandLayer::ImportDocument(const std::string& path)
{
  if (blocked())
    return refused();
  CommandResult result;
  std::unique_ptr<tDrawing> loaded = load(path, result);
  if (!loaded)
    return result;
  CommandResult edit = AppendDrawing(std::move(loaded));
  edit.message = result.message.empty() ? edit.message : result.message;
  return edit;
}

CommandResult CommandLayer::AppendDrawing(std::unique_ptr<tDrawing> drawing)
{
  if (blocked())
    return refused();
  if (!drawing)
    return unknownCommand();
  return perform([&] {
    // Its bonds take the length of this document's (or the default one in an empty
    // document); a document without bonds keeps its size.
    const double theirs = meanBondLength(*drawing);
    const double ours = meanBondLength(*m_drawing);
    const double wanted = ours > 0 ? ours : bondScale();
    if (theirs > 0 && std::isfinite(wanted / theirs))
      drawing->Zoom(wanted / theirs);
    m_drawing->Append(*drawing);
  });
}

CommandResult CommandLayer::SaveDocument(const std::string& path)
{
  if (blocked())
    return refused();
  CommandResult result;
  const bool savedBefore = m_drawing->savedFlag != 0;
  bool written = false;
  {
    const MessageCapture capture(result);
    written = saveDrawing(*m_drawing, path, &result.reason);
  }
  if (written) {
    m_path = path;
    if (!savedBefore)
      tell([](CommandObserver& o) { o.savedChanged(true); });
  }
  return result;
}

CommandResult CommandLayer::pressAt(double x, double y)
{
  if (blocked())
    return refused();
  if (!placementArmed())
    return BuildAt(x, y, m_pending);
  // A molecule is placed once: a second press should not drop another copy unasked.
  const std::function<std::string(double, double)> place = std::move(m_armedPlacement);
  m_armedPlacement = nullptr;
  m_pending = 0;
  tell([](CommandObserver& o) { o.modeChanged(); });
  return Place([&] { return place(x, y); });
}

void CommandLayer::armPlacement(std::function<std::string(double x, double y)> place)
{
  if (blocked())
    return;
  m_armedPlacement = std::move(place);
  m_pending = m_armedPlacement ? placementCode : 0;
  tell([](CommandObserver& o) { o.modeChanged(); });
}

CommandResult CommandLayer::Place(const std::function<std::string()>& place)
{
  if (blocked())
    return refused();
  // A placement that fails has left the document as it was, so it must not cost the user a
  // step, enable Undo or mark the document changed.
  std::string failure;
  CommandResult result = performChecked(
    [&] {
      failure = place();
      return failure.empty();
    },
    Perform{});
  if (failure.empty())
    return result;
  const MessageCapture capture(result);
  showMessage(failure, "", MessageIcon::Error);
  return result;
}

} // namespace trelvix
