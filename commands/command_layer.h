#pragma once

#include "commands/command_result.h"
#include "commands/force_field_command.h"
#include "commands/undo_history.h"
#include "commands/view_transform.h"
#include "mechanics/optimiser.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvix {

class Canvas;
class CommandObserver;
class ForceField;
class ReactionThermo;
struct FontRecord;
class StopTool;
class tDrawing;
class tLAtm;
class tLink;
class tStructure;
class tSymbol;
class tXY;
enum class ThermoModel;

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

/// What a press of the measurement tool measures.
enum class MeasureKind : std::uint8_t
{
  BondLength,
  BondAngle,
  TorsionAngle,
  Distance
};

/// The measurements the document offers: bond lengths when it has chemical bonds, bond and
/// torsion angles when its force field has angle and torsion terms, distances when it has more
/// than one element atom.
struct MetricKinds
{
  bool bondLength = false;
  bool bondAngle = false;
  bool torsionAngle = false;
  bool distance = false;

  bool has(MeasureKind kind) const;
};

/// The keys held with a pointer event that choose what a right click opens.
enum class PointerKeys : std::uint8_t
{
  None,
  Shift,
  Ctrl,
  Other ///< any other combination: a right click in drawing mode does nothing
};

/// What the atom editor's element cells do in add-atom mode: a new lone atom, or a branch on
/// the atom under the press.
enum class AtomPlacement : std::uint8_t
{
  Add,
  Branch
};

/// The edits the editor windows and their menus make on their current object. The value passed
/// with them is given in brackets; edits without a current object do nothing.
enum class EditorEdit : std::uint8_t
{
  // Atom editor
  AtomLeftRight,   ///< the label's text direction swapped
  AtomReflect,     ///< the label reflected
  AtomHydrogens,   ///< (±1) one hydrogen more or less
  AtomProtons,     ///< (±1) a proton more or less: charge and hydrogen together
  AtomCharge,      ///< (±1) charge
  AtomStyle,       ///< (0 bare vertex, 1 symbol, 2 symbol with hydrogens)
  AtomElement,     ///< (Z) the atom becomes the element, its symbol and hydrogens shown
  AtomClone,       ///< a copy above the document, which becomes the current atom
  AtomDelete,      ///< deleted with its bonds; back to drawing
                   // Bond editor
  BondType,        ///< (picture 1..8) the bond type of the editor's pictures and menu
  BondPivot,       ///< (degrees) the moving part turned about the bond, from where it was
  BondRotate,      ///< (degrees) the bond turned in the plane about its centre
  BondZoom,        ///< (percent) the bond scaled by 0.01 x value
  BondScrollEnd,   ///< the scroll bar released: the turned positions become the reference
  BondSide,        ///< the side of a multiple bond's second line cycled
  BondLine,        ///< the line width stepped
  BondCut,         ///< deleted; back to drawing
                   // Symbol editor
  SymbolRotate,    ///< (degrees) turned about its centre from its reference shape
  SymbolZoom,      ///< (factor) scaled from its reference shape
  SymbolScrollEnd, ///< the scroll bar back at rest: the slid shape becomes the reference
  SymbolRotateBy,  ///< (degrees) turned about its centre, from its present shape
  SymbolScale,     ///< (percent) scaled by 0.01 x value, from its present shape
  SymbolFlip,      ///< flipped top to bottom
  SymbolReflect,   ///< reflected left to right
  SymbolLine,      ///< line width stepped
  SymbolStyle,     ///< style stepped
  SymbolClone,     ///< a copy beside it, which becomes the current symbol
  SymbolDelete,    ///< deleted
                   // Text editor
  TextClone,       ///< a copy below it, which becomes the current text
  TextDelete,      ///< deleted; back to drawing
                   // Group editor: sliders act from where the group was when the slider was taken
  GroupPivotAtom,  ///< (degrees) turned in the plane about the pivot atom
  GroupPivotAtomY, ///< (degrees) turned about the vertical through the pivot atom
  GroupPivotAtomX, ///< (degrees) turned about the horizontal through the pivot atom
  GroupBondPivot,  ///< (degrees) the part beyond the pivot bond turned to this position
  GroupRotate,     ///< (degrees) turned in the plane about its centre
  GroupTurn,       ///< (degrees) turned about the vertical axis
  GroupTilt,       ///< (degrees) turned about the horizontal axis
  GroupZoom,       ///< (factor) scaled about its centre
  GroupSliderEnd,  ///< a slider released: the group's new positions become its reference
  GroupNumber,     ///< (1 relative to the group, 0 to the drawing) numbered, or unnumbered
  GroupLine,       ///< line widths stepped
  GroupClone,      ///< a copy beside it, which becomes the group
  GroupDelete,     ///< deleted with its atoms and bonds; back to drawing
  GroupFuse,       ///< one structure from the group; pieces wholly inside it go
  GroupInvert,     ///< inverted through its centre
  GroupReflect,    ///< (axis 1..3) reflected
  GroupRotateBy,   ///< (degrees) rotated about the view axis
  GroupTurnBy,     ///< (degrees) turned about the vertical axis
  GroupTiltBy,     ///< (degrees) tilted about the horizontal axis
  GroupScale       ///< (percent) scaled by 0.01 x value
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

  /// The document, read-only: every change to it is a command of the layer.
  const tDrawing& drawing() const { return *m_drawing; }

  // Observers (not owned; remove before destroying them).
  void addObserver(CommandObserver* observer);
  void removeObserver(CommandObserver* observer);

  /// True while a long command runs; every other command is refused meanwhile.
  bool busy() const { return m_busy; }
  /// True while an animation runs; like a long command it refuses every edit meanwhile.
  bool animating() const { return m_animation.has_value(); }

  /// Whether every edit takes an undo copy first (the window). A batch of edits with nothing to
  /// undo them (the command line's build) turns them off: one copy taken at the first edit is
  /// what an arithmetic overflow rolls back to.
  void setUndoCopies(bool on);
  /// How many steps Undo can go back: UndoHistory::defaultLevels unless set. One level is the
  /// classic Undo item, which takes turns undoing and redoing its one step ("Undo"/"Redo").
  void setUndoLevels(std::size_t levels);
  std::size_t undoLevels() const { return m_history.levels(); }
  /// The history itself, for what it holds (steps and their memory).
  const UndoHistory& undoHistory() const { return m_history; }

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
  /// A left press in drawing mode: the armed placement, else BuildAt with the pending code.
  CommandResult pressAt(double x, double y);
  /// Arms what a library above the core places (a molecule read from SMILES): the next left
  /// press in drawing mode runs place with the press's position through Place, once. It counts
  /// as the pending code, so whatever disarms a build code (another code, Reset, back to
  /// drawing, Undo, Optimize) disarms it too.
  void armPlacement(std::function<std::string(double x, double y)> place);
  bool placementArmed() const { return m_pending == placementCode && m_armedPlacement; }
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
  /// Gives every text of the document the font and makes it the default font of new texts (the
  /// Font command); no undo copy. Observers hear both changes.
  CommandResult SetFont(const FontRecord& font);
  /// Builds in 3D from now on (3D Draw Mode) or not; the build codes that need it follow.
  /// Refused while busy; observers hear it.
  CommandResult SetDrawMode3D(bool on);
  /// Scales the whole document by factor about the page's origin (a new bond-length scale);
  /// no undo copy.
  CommandResult Zoom(double factor);
  /// The view code of the document (0..19, 100..119 the stereo pair); allowed while busy.
  CommandResult SetView(int code);

  // ---- The 3D view (command_layer_view.cpp)
  /// How the page is shown on the surface (zoom and pan); identity for a new or opened document.
  const ViewTransform& view() const { return m_view; }
  /// Turns the model's element atoms about their centre of gravity by degrees about the screen's
  /// x (rightwards), y (downwards) and z (into the screen) axes, in that order (axisRotation). The
  /// first step of a gesture takes the undo copy, the others none: one drag is one undo step.
  CommandResult TurnView(double aboutX, double aboutY, double aboutZ, bool firstStep);
  /// Zooms the view by factor about the surface point (x, y), which stays where it is; the scale
  /// stays within ViewTransform's limits.
  CommandResult ZoomView(double factor, double x, double y);
  /// Moves the view by (dx, dy) surface pixels.
  CommandResult PanView(double dx, double dy);
  /// The view that shows every atom, label and symbol of the document, centred, inside a surface
  /// of width × height pixels with a margin; no larger than twice the drawn size.
  CommandResult FitView(double width, double height);
  /// Where the document's atoms, labels and symbols lie, with room for their letters and
  /// spheres; none for an empty document. Fitting and the window's scroll bars read it.
  std::optional<DrawnExtent> drawnExtent() const;
  void ResetView();

  // ---- Showing the document (command_layer_display.cpp)
  /// Draws the document on the main canvas and presents it (the window's repaint).
  void Repaint();
  /// Draws the document on canvas (a picture or a frame of it), as Repaint draws the window's.
  void Print(Canvas& canvas);
  /// The partial charges of the atoms of object (the document or one of its groups), which the
  /// dipole moment and the charge display read. They follow from the geometry: no undo step, and
  /// the saved flag stays. `result.known` is false for any other object.
  CommandResult ComputeCharges(const tStructure& object);
  /// The strain-energy message under the drawing, the last strain energy in kcal/mol written
  /// with width characters and decimals places; no undo step.
  CommandResult ShowEnergy(int width, int decimals);

  // ---- Animation (command_layer_animation.cpp)
  /// Starts an animation: the positions of the atoms are kept as its start. While it runs every
  /// edit is refused (the view code may still change). Nothing happens while busy or when an
  /// animation already runs (`result.known` false then).
  CommandResult StartAnimation();
  /// One frame: the model turned by angle degrees about axis (1 the horizontal, 2 the vertical
  /// axis of the screen) from where it stood at the start, about its centre of gravity then.
  /// A frame the model cannot turn (an arithmetic overflow) ends the animation, the atoms back
  /// where they started.
  CommandResult AnimationFrame(double angle, int axis);
  /// Ends the animation: every atom back where it started, so that the document, its saved flag
  /// and its undo history are as they were before it; the observers told. Nothing without one.
  CommandResult StopAnimation();

  // ---- Geometry
  /// Runs a geometry command on the edited group when the group editor is open, else on the
  /// whole document, with an undo copy first; an arithmetic overflow restores the document. The
  /// layer is busy meanwhile. Optimize Protons on a document without protons does nothing
  /// (`result.known` false).
  CommandResult Optimize(OptimiseCommand command,
                         StopTool& stop,
                         const OptimiseProgress& progress = {});
  /// The optimiser of MMFF94 and UFF, given by the program above the core at start-up.
  void setForceFieldOptimiser(ForceFieldOptimiser optimiser);
  bool hasForceFieldOptimiser() const { return static_cast<bool>(m_forceFieldOptimiser); }
  /// Optimize with a force field beside the classic one, on the same target as Optimize, busy
  /// meanwhile, one undo step (hydrogens it adds included). When the run refuses (an atom the
  /// force field cannot type) its reason is the message and the document, Undo and the saved
  /// flag stay as they were. What the run did lands in run when given. Without an optimiser
  /// `result.known` is false.
  CommandResult OptimizeWith(ForceFieldChoice choice,
                             StopTool& stop,
                             const ForceFieldProgress& progress = {},
                             ForceFieldRun* run = nullptr);

  // ---- Undo
  /// Whether the Undo item is enabled: a step to go back to (with one level: a step to undo or
  /// to redo, the item taking turns).
  bool canUndo() const;
  bool canRedo() const { return m_history.canRedo(); }
  /// "Undo", or with one level "Redo" when the next Undo call redoes.
  const char* undoCaption() const;
  /// Whether the Reset item is enabled (it is once an edit has been made).
  bool canReset() const { return m_resetEnabled; }
  /// One step back (with one level: back, or forward again after a step back).
  CommandResult Undo();
  /// One step forward again after Undo; any new step forgets what could be redone.
  CommandResult Redo();

  // ---- Documents
  /// New: replaces the document with an empty one ("untitled.tvx") and starts a new history.
  CommandResult NewDocument();
  /// Open: replaces the document with the one read from path (name cut to 255 characters) and
  /// starts a new history; on failure the current document stays and the loader's message is
  /// in the result.
  CommandResult OpenDocument(const std::string& path);
  /// Import: the document read from path, its bonds scaled to this document's mean bond length
  /// (the default length in a document without bonds; a document without bonds keeps its
  /// size), appended beside the drawing as one edit. A file that does not load changes
  /// nothing and the loader's message is in the result.
  CommandResult ImportDocument(const std::string& path);
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
  /// The second half of Import for a document read by a library above the core (another
  /// program's file): drawing, its bonds scaled as Import scales them, appended beside the
  /// drawing as one edit.
  CommandResult AppendDrawing(std::unique_ptr<tDrawing> drawing);

  // ---- Editors
  EditorMode editorMode() const { return m_mode; }
  /// Sets the mode; back to drawing (EditorMode::Drawing) also disarms the pending code, removes
  /// the highlights and forgets the editors' objects.
  void setEditorMode(EditorMode mode);
  /// The structure open in the group editor (nullptr when none); cleared when it is freed.
  tStructure* editedGroup() const { return m_editedGroup; }
  void setEditedGroup(tStructure* group);
  /// The group the measuring and optimising commands work on while the group editor is open
  /// (nullptr otherwise); measuredObject() falls back on the whole document.
  tStructure* measuredGroup() const;
  tStructure& measuredObject();
  /// The atom the atom editor works on (nullptr when none); cleared when it is freed.
  tXY* editedAtom() const { return m_editedAtom; }
  void setEditedAtom(tXY* atom);
  /// The bond editor's bond and its reference atom (the end nearer the pick).
  tLink* editedBond() const { return m_editedBond; }
  tXY* bondReference() const { return m_bondReference; }
  tSymbol* editedSymbol() const { return m_editedSymbol; }
  /// The label or formula open in the text editor.
  tLAtm* editedText() const { return m_editedText; }
  /// How the atom editor places the element it arms (add-atom mode).
  AtomPlacement atomPlacement() const { return m_placement; }
  /// The group editor's pivot atom (its group's first atom) and pivot bond (its first bond).
  tXY* pivotAtom() const;
  tLink* pivotBond() const;

  // ---- Pointer: picking, opening the editors, dragging
  /// A right click at (x, y) with keys held: in drawing mode it opens the editor for the object
  /// there (atom editor, text editor, symbol editor; Shift the bond editor; Ctrl the group
  /// editor); in an editor's mode that editor takes the object there. The mode says which
  /// editor is open afterwards.
  CommandResult rightClick(double x, double y, PointerKeys keys);
  /// The rubber band released: the group editor opens on what the rectangle from (x1, y1) to
  /// (x2, y2) encloses. A rectangle drawn leftwards or upwards, or enclosing nothing, does
  /// nothing (`result.changed` false).
  CommandResult selectRectangle(double x1, double y1, double x2, double y2);
  /// The group editor on group (a structure of the document); nothing for any other.
  CommandResult openGroupEditor(tStructure* group);
  /// The atom editor opened by Add Atom or Branch Atom: add-atom mode (8), nothing armed yet.
  void openAtomPlacement(AtomPlacement placement);
  /// A release in add-atom mode: the armed element (code 801..903) placed at (x, y) as the
  /// atom editor was opened; nothing when no element is armed.
  CommandResult placeArmedAtom(double x, double y);
  /// An element cell clicked in the atom editor: arms 800 + z and, while an atom is edited,
  /// changes it at once.
  CommandResult chooseElement(int z);
  /// The atom editor's text line: the edited atom's label text (64 characters); no undo copy.
  CommandResult SetAtomText(const std::string& text);
  /// Left press, move and release in an editor's mode: the editor's object follows the pointer
  /// (an undo copy is taken at the press). While dragging only what moves is redrawn; the
  /// release repaints. Each does nothing without an object or outside a drag.
  CommandResult startDrag(double x, double y);
  CommandResult dragTo(double x, double y);
  CommandResult endDrag(double x, double y);
  bool dragging() const { return m_drag.has_value(); }

  // ---- Editor edits
  /// An edit on the current object of the editor it belongs to (see EditorEdit). Edits that
  /// delete or copy take an undo copy first; the others are undone with the editor's work.
  /// `result.known` is false when there is no object for it.
  CommandResult Edit(EditorEdit edit, double value = 0);
  /// The font of the atom editor's atom, the text editor's text or the group editor's group,
  /// as the mode says.
  CommandResult EditFont(const FontRecord& font);
  /// The font the current editor's object has (the font dialog starts from it).
  const FontRecord* editedFont() const;

  // ---- Reaction tool
  /// The reaction tool opened: the amounts shown under the pieces and the strain-energy message
  /// hidden (the tool keeps the message's flag, `drawing().energyTextFlag`, to give it back).
  /// A view change: no undo copy, and the document is not marked changed.
  CommandResult OpenReactionView();
  /// The reaction tool closed: highlights off, amounts hidden, the strain-energy message's flag
  /// given back, every atom's fixed flag cleared.
  CommandResult CloseReactionView(std::uint8_t energyTextFlag);
  /// Highlights group alone (the reaction tool's current reactant); nullptr highlights nothing.
  CommandResult HighlightReactant(tStructure* group);
  /// The amount of group (a piece of the document) in moles; no undo copy. `result.known` is
  /// false for a group not in the document or an amount that is no finite number.
  CommandResult SetAmount(tStructure* group, double moles);
  /// The phase of group (tbasefragment::Phase, 0..5); no undo copy.
  CommandResult SetPhase(tStructure* group, int phase);
  /// The thermochemistry of the document's species, as the reaction tool and the report read
  /// it: each species' force field built afresh with its formation energy and levels, and with
  /// ThermoModel::Best what the better sources know. The species name the document's
  /// structures: they hold until the next edit or replacement.
  std::unique_ptr<ReactionThermo> PrepareReaction(ThermoModel model);
  /// Writes the reaction report for T kelvin and P atmospheres under the drawing, runs copy on
  /// the document while the report is in it, and removes the report again. The document ends as
  /// it was: it is not marked changed.
  CommandResult Report(double T, double P, const std::function<void(tDrawing&)>& copy);

  // ---- Measurement tool
  /// The tool opened: editor mode 7, the document's force-field terms built, no distance atom
  /// held.
  void openMeasurements();
  /// The tool closed: the terms freed, the distance atoms forgotten, back to drawing.
  void closeMeasurements();
  /// Which measurements the document offers now (the terms are built when missing).
  MetricKinds availableMeasurements();
  /// A press at (x, y) in drawing units measuring kind: the object there is drawn highlighted
  /// with its value beside it until the next redraw, and the value is in `result.measurement`
  /// (empty when nothing was measured). A kind the document does not offer measures nothing.
  /// Distances take two presses: the first holds an atom (`drawing().m1`), the second measures
  /// from it (`drawing().m2`); the same atom twice, or any edit between, lets both go. Nothing in
  /// the document changes (`result.changed` is false).
  CommandResult measureAt(MeasureKind kind, double x, double y);

private:
  /// What an edit does to the undo history.
  enum class UndoPolicy
  {
    Step,      ///< a step of its own: the document before it goes into the history
    Merged,    ///< undone with the step before it (an editor's work after its first step)
    Untracked, ///< no step (typing, comments, fonts, scale, amounts); a longer history forgets
               ///< what Redo would bring back, which would drop this edit
    View       ///< shows the document differently: the history is not touched
  };
  /// How perform runs an edit.
  struct Perform
  {
    bool keepLinkAtoms = false; ///< the atoms held by Link Atoms stay held
    UndoPolicy undo = UndoPolicy::Step;
    bool longRun = false; ///< the layer is busy while the edit runs
    /// The document is updated afterwards (its positions become the reference). A slider's
    /// steps leave it out, so that each starts from where the slider was taken.
    bool update = true;
  };
  /// Every edit: refused while busy; the undo copy, then the edit; an arithmetic overflow puts
  /// the document back and says "Arithmetic overflow"; then the editor references are checked,
  /// a repaint asked for and the observers told. An edit that returns false changed nothing
  /// after all (a placement that failed): it makes no step and leaves the saved flag.
  CommandResult performChecked(const std::function<bool()>& edit, Perform how);
  CommandResult perform(const std::function<void()>& edit, Perform how);
  CommandResult perform(const std::function<void()>& edit) { return perform(edit, Perform{}); }
  /// The undo copy of the document as it is now (the step a drag or an edit starts).
  void recordStep();
  /// Undo or Redo: the history's neighbour state becomes the document.
  CommandResult travel(bool back);
  bool classicUndo() const { return m_history.levels() == 1; }
  /// Busy or animating: every edit is refused.
  bool blocked() const { return m_busy || m_animation.has_value(); }
  CommandResult refused() const;
  /// One press of Link Atoms at (x, y).
  void linkAtoms(double x, double y);
  void replace(std::unique_ptr<tDrawing> drawing);
  /// The document file at path (name cut to 255 characters); nullptr with the loader's message
  /// and reason in result when it does not load.
  std::unique_ptr<tDrawing> load(const std::string& path, CommandResult& result);
  void forgetEditorObjects();
  void forgetMissingObjects();
  /// The document's own record of the edited group, which the model asks about.
  void syncEditorState();
  void notifyEdited(bool replaced, bool savedBefore);
  /// The Reset item enabled and, when the Undo or Redo item changed, the observers told.
  void undoStateMayHaveChanged(bool resetBefore, bool undoBefore, bool redoBefore);
  void tell(const std::function<void(CommandObserver&)>& call);
  /// A drag under way: the pointer's last position and, for a symbol, the point dragged
  /// (nullptr when the whole symbol moves).
  struct DragState
  {
    double lastX = 0;
    double lastY = 0;
    tXY* handle = nullptr;
  };
  /// Opens an editor: the mode, its object highlighted, the observers told.
  void enterEditor(EditorMode mode);
  /// The structure of every element atom and bond inside a rectangle (inclusive when asked),
  /// or an existing piece when it is exactly that; nullptr for nothing inside.
  tStructure* enclosedGroup(double x1, double y1, double x2, double y2, bool inclusive);
  /// Forgets a selection group the group editor made (it leaves the document's pieces).
  void dropSelection();
  /// Puts every atom back where the animation started and ends it.
  void putAnimationBack();
  /// One editor edit as its handler sees it, and its row of the edit table
  /// (command_layer_edits.cpp): the object it needs, its policies and its handler.
  struct EditCall;
  struct EditRow;
  static const EditRow& editRow(EditorEdit edit);

  std::unique_ptr<tDrawing> m_drawing;
  UndoHistory m_history;
  /// Without undo copies: the document before the batch's first edit, for an overflow.
  std::unique_ptr<tDrawing> m_rollback;
  std::vector<CommandObserver*> m_observers;
  std::uint16_t m_pending = 0;
  /// The pending code of an armed placement: no build code has it.
  static constexpr std::uint16_t placementCode = 0xFFFF;
  std::function<std::string(double, double)> m_armedPlacement;
  EditorMode m_mode = EditorMode::Drawing;
  bool m_busy = false;
  bool m_undoCopies = true;
  std::string m_path;
  bool m_resetEnabled = false;
  tXY* m_link1 = nullptr;
  tXY* m_link2 = nullptr;
  tLAtm* m_text = nullptr;
  tLAtm* m_placedText = nullptr;
  tStructure* m_editedGroup = nullptr;
  tXY* m_editedAtom = nullptr;
  tLink* m_editedBond = nullptr;
  tXY* m_bondReference = nullptr;
  tSymbol* m_editedSymbol = nullptr;
  tLAtm* m_editedText = nullptr;
  AtomPlacement m_placement = AtomPlacement::Add;
  /// A group the rectangle made from parts of pieces; removed again when the editor closes
  /// unless Fuse kept it.
  tStructure* m_selection = nullptr;
  /// The document's view while the group editor shows it in the normal view.
  int m_savedView = -1;
  /// The last position of the bond pivot slider and of the bond editor's pivot scroll.
  double m_lastPivot = 0;
  /// A slider or scroll bar is being moved: its first step took the undo copy.
  bool m_gesture = false;
  std::optional<DragState> m_drag;
  /// An animation under way: where each atom stood when it started, and the centre of gravity
  /// the frames keep.
  struct AtomPosition
  {
    tXY* atom;
    double x, y, z;
  };
  struct AnimationStart
  {
    std::vector<AtomPosition> positions;
    double centreX = 0, centreY = 0, centreZ = 0;
  };
  std::optional<AnimationStart> m_animation;
  /// The document's force-field terms while the measurement tool needs them; dropped by every
  /// edit (they name the document's atoms) and built again when missing.
  std::unique_ptr<ForceField> m_measureTerms;
  ForceFieldOptimiser m_forceFieldOptimiser;
  ViewTransform m_view;
};

} // namespace trelvix
