#pragma once

#include "commands/command_result.h"
#include "mechanics/optimiser.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

class CommandObserver;
struct FontRecord;
class StopTool;
class tDrawing;
class tLAtm;
class tStructure;
class tXY;

/// Which editor receives the pointer: 0 drawing, 1 atom editor, 2 bond editor, 3 group editor,
/// 4 symbol editor, 5 text editor, 7 measurement, 8 add atom.
enum class EditorMode : std::uint8_t
{
  Drawing = 0,
  AtomEditor = 1,
  BondEditor = 2,
  GroupEditor = 3,
  SymbolEditor = 4,
  TextEditor = 5,
  Measurement = 7,
  AddAtom = 8
};

/// The one door through which a front end changes the document. It owns the document with its
/// undo and redo copies, the pending build code, the editor mode and the editor state the model
/// asks about (the edited group, the atom editor's atom, the link atoms), and clears every such
/// reference when its object goes. Every command returns what happened; observers hear of every
/// change. While a long command (optimising) runs the layer is busy and refuses any other
/// command, which then returns with `refused` set and does nothing.
class CommandLayer
{
public:
  /// Takes the document and makes it current; the undo and redo copies start as copies of it.
  explicit CommandLayer(std::unique_ptr<tDrawing> drawing);
  ~CommandLayer();
  CommandLayer(const CommandLayer&) = delete;
  CommandLayer& operator=(const CommandLayer&) = delete;

  tDrawing& drawing() { return *m_drawing; }
  const tDrawing& drawing() const { return *m_drawing; }

  // Observers (not owned; remove before destroying them).
  void addObserver(CommandObserver* observer);
  void removeObserver(CommandObserver* observer);

  /// True while a long command runs; every other command is refused meanwhile.
  bool busy() const { return m_busy; }

  /// Whether every edit takes an undo copy first (the window). A batch of edits with nothing to
  /// undo them (the command line's build) turns them off: one copy taken at the first edit is
  /// what an arithmetic overflow rolls back to.
  void setUndoCopies(bool on);

  // ---- Build codes and the pending code
  /// What the next left press in drawing mode places; 0 for nothing.
  std::uint16_t pendingBuildCode() const { return m_pending; }
  /// Arms code for the next presses (the menu items that arm a code).
  void armBuildCode(std::uint16_t code);
  /// The Reset item: disarms the pending code and forgets the held link atoms.
  void Reset();
  /// Performs build code at (x, y) in drawing units: enables Undo when the code is not 0, takes
  /// the undo copy, runs the building procedure, asks for a repaint. An arithmetic overflow puts
  /// the document back as it was and says "Arithmetic overflow". Codes without a procedure do
  /// nothing but the copy and the repaint (`result.known` is false for them).
  CommandResult BuildAt(double x, double y, int code);
  /// A left press in drawing mode: BuildAt with the pending code.
  CommandResult pressAt(double x, double y) { return BuildAt(x, y, m_pending); }
  /// The label (607) or formula (608) at (x, y) with its text, as placed and then typed into the
  /// text editor.
  CommandResult AddText(int code, const std::string& text, double x, double y);
  /// Sets the text of a label or formula (the text editor typing); no undo copy.
  CommandResult SetText(tLAtm* text, const std::string& value);
  /// The label or formula the last code 607 or 608 placed, for the text editor to open;
  /// nullptr after any other command.
  tLAtm* textToEdit() const { return m_text; }
  /// The first link atom held by Link Atoms (code 524), or nullptr.
  const tXY* firstLinkAtom() const { return m_link1; }

  // ---- Atom editor placements, protons, keys, comments
  CommandResult AddAtom(int z, double x, double y);
  CommandResult BranchAtom(int z, double x, double y);
  CommandResult AddProtons2D();
  CommandResult AddProtons3D();
  CommandResult RemoveProtons();
  /// A key released with the pointer at (x, y): Delete, K, 1..5, T, G, R, A, the element keys
  /// C H B N O F Q P S X Z Y I, U, D, + and -; each but + and - takes the undo copy first.
  /// `result.known` is false for any other key (which does nothing); `result.changed` is false
  /// when there was no atom or bond for the key.
  CommandResult KeyUp(std::string_view key, double x, double y);
  /// Moves the whole document, or only the edited group while the group editor is open, by
  /// (dx, dy) pixels (the arrow keys).
  CommandResult Nudge(double dx, double dy);
  /// Title (95 characters), author (95) and notes (319); longer texts are cut.
  CommandResult SetComments(const std::string& title,
                            const std::string& author,
                            const std::string& notes);
  /// Gives every text of the document the font (the Font command); no undo copy.
  CommandResult SetFont(const FontRecord& font);
  /// Scales the whole document by factor about the page's origin (a new bond-length scale);
  /// no undo copy.
  CommandResult Zoom(double factor);
  /// The view code of the document (0..19, 100..119 the stereo pair); allowed while busy.
  CommandResult SetView(int code);

  // ---- Geometry
  /// Runs a geometry command on the edited group when the group editor is open, else on the
  /// whole document, with an undo copy first; an arithmetic overflow restores the document. The
  /// layer is busy meanwhile. Optimize Protons on a document without protons does nothing
  /// (`result.known` false).
  CommandResult Optimize(OptimiseCommand command,
                         StopTool& stop,
                         const OptimiseProgress& progress = {});

  // ---- Undo
  /// Undo and Redo in turn (one level): true when the item is enabled.
  bool canUndo() const { return m_undoEnabled; }
  /// "Undo" or "Redo": what the next Undo call does.
  const char* undoCaption() const { return m_undoTag < 0 ? "Undo" : "Redo"; }
  /// Whether the Reset item is enabled (it is once an edit has been made).
  bool canReset() const { return m_undoEnabled; }
  CommandResult Undo();

  // ---- Documents
  /// New: replaces the document with an empty one ("untitled.tvx"); the undo copies stay.
  CommandResult NewDocument();
  /// Open: replaces the document with the one read from path (name cut to 255 characters); on
  /// failure the current document stays and the loader's message is in the result.
  CommandResult OpenDocument(const std::string& path);
  /// Writes the document under path (its name becomes the file name of path); a failed save
  /// keeps the old file, the old name and the saved flag, and says why.
  CommandResult SaveDocument(const std::string& path);
  /// The file the document was read from or last saved to; empty for a new document.
  const std::string& documentPath() const { return m_path; }
  /// Places what a library above the core builds into the document (a molecule read from
  /// SMILES): place runs as an edit, with the undo copy and the rollback of every edit, and
  /// returns an empty text when it placed its piece, else why not (shown as the message; the
  /// piece must then have left the document unchanged).
  CommandResult Place(const std::function<std::string()>& place);
  /// Replaces the document with drawing (an imported or converted one).
  CommandResult ReplaceDocument(std::unique_ptr<tDrawing> drawing);

  // ---- Editors
  EditorMode editorMode() const { return m_mode; }
  /// Sets the mode; back to drawing (EditorMode::Drawing) also disarms the pending code, removes
  /// the highlights and forgets the editors' objects.
  void setEditorMode(EditorMode mode);
  /// The structure open in the group editor (nullptr when none); cleared when it is freed.
  tStructure* editedGroup() const { return m_editedGroup; }
  void setEditedGroup(tStructure* group);
  /// The atom the atom editor works on (nullptr when none); cleared when it is freed.
  tXY* editedAtom() const { return m_editedAtom; }
  void setEditedAtom(tXY* atom);

private:
  /// How perform runs an edit.
  struct Perform
  {
    bool keepLinkAtoms = false; ///< the atoms held by Link Atoms stay held
    bool snapshot = true;       ///< an undo copy is taken first
    bool enableUndo = true;     ///< the Undo item is enabled (caption "Undo")
    bool longRun = false;       ///< the layer is busy while the edit runs
  };
  /// Every edit: refused while busy; the undo copy, then the edit; an arithmetic overflow puts
  /// the document back and says "Arithmetic overflow"; then the editor references are checked,
  /// a repaint asked for and the observers told.
  CommandResult perform(const std::function<void()>& edit, Perform how);
  CommandResult perform(const std::function<void()>& edit) { return perform(edit, Perform{}); }
  CommandResult refused() const;
  /// One press of Link Atoms at (x, y).
  void linkAtoms(double x, double y);
  void replace(std::unique_ptr<tDrawing> drawing);
  void forgetEditorObjects();
  void forgetMissingObjects();
  /// The document's own record of the edited group, which the model asks about.
  void syncEditorState();
  void notifyEdited(bool replaced, bool savedBefore);
  void enableUndo();
  void tell(const std::function<void(CommandObserver&)>& call);

  std::unique_ptr<tDrawing> m_drawing;
  std::unique_ptr<tDrawing> m_undo;
  std::unique_ptr<tDrawing> m_redo;
  std::vector<CommandObserver*> m_observers;
  std::uint16_t m_pending = 0;
  EditorMode m_mode = EditorMode::Drawing;
  bool m_busy = false;
  bool m_undoCopies = true;
  std::string m_path;
  bool m_undoEnabled = false;
  int m_undoTag = -1;
  tXY* m_link1 = nullptr;
  tXY* m_link2 = nullptr;
  tLAtm* m_text = nullptr;
  tLAtm* m_placedText = nullptr;
  tStructure* m_editedGroup = nullptr;
  tXY* m_editedAtom = nullptr;
};

} // namespace trelvix
