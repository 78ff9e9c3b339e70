#pragma once

#include "app/menu_table.h"
#include "app/qt_shell.h"
#include "commands/command_result.h"
#include "document/defaults_file.h"
#include "platform/font_record.h"

#include <QMainWindow>
#include <QPointF>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace trelvix {

class CommandLayer;
class DrawingSurface;
class ScrolledSurface;
class HelpViewer;
class MenuBars;
class RecentDocuments;
class StatusLine;
class ToolBar;
class TAnimator;
class TArrowForm;
class TBondEditor;
class TCommentsForm;
class TGroupEditor;
class TImportDialog;
class TPeriodicTable;
class TSettingsForm;
class TStopTool;
class TSymbolEditor;
class TTextEditor;

/// The main window: the drawing surface under one of eight menu bars. It turns menu commands
/// and presses on the surface into calls on the command layer and keeps its caption, check marks
/// and Undo item in step with what the layer reports. The tool windows are created with it and
/// live as long as it does.
class TTrelvix3D
  : public QMainWindow
  , public CommandObserver
{
  Q_OBJECT

public:
  /// Loads the defaults, then opens the document the arguments name (see startupDocumentName)
  /// or starts with an empty one. In scripted mode (tests) no dialog or message box is shown:
  /// the shell answers them.
  explicit TTrelvix3D(const QStringList& arguments, bool scripted = false);
  ~TTrelvix3D() override;

  CommandLayer& layer() { return *m_layer; }
  QtShell& shell() { return m_shell; }
  DrawingSurface& surface() { return *m_surface; }
  MenuBars& menus() { return *m_menus; }
  StatusLine& statusLine() { return *m_status; }
  ToolBar& toolBar() { return *m_toolBar; }
  TAnimator& animator() { return *m_animator; }
  TStopTool& stopTool() { return *m_stopTool; }
  HelpViewer& helpViewer() { return *m_help; }
  TArrowForm& arrowForm() { return *m_arrows; }
  TCommentsForm& commentsForm() { return *m_comments; }
  TImportDialog& importDialog() { return *m_import; }
  TSettingsForm& settingsForm() { return *m_settings; }
  TPeriodicTable& periodicTable() { return *m_periodicTable; }
  TBondEditor& bondEditor() { return *m_bondEditor; }
  TSymbolEditor& symbolEditor() { return *m_symbolEditor; }
  TTextEditor& textEditor() { return *m_textEditor; }
  TGroupEditor& groupEditor() { return *m_groupEditor; }
  const DefaultsRecord& defaultsRecord() const { return m_defaults; }

  /// Runs a menu command as its item would (the tests and the tool windows use it too).
  /// Runs a menu or tool bar command. A fault a library throws past the command layer ends as a
  /// message, never as a closed window with the work lost.
  void perform(Command command, int tag = 0);
  /// Switches the menu bar (the editors and long commands do).
  void showMenuBar(MenuBarId bar);
  /// Back to drawing: MainMenu1, editor mode 0, nothing armed, highlights off, redraw.
  void backToDrawing();
  /// Redraws the whole document into the back buffer now.
  void repaintDocument();

  // CommandObserver
  void documentReplaced() override;
  void documentChanged() override;
  void undoStateChanged() override;
  void modeChanged() override;
  void busyChanged(bool busy) override;
  void defaultsChanged() override;

protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  /// The window's size and place, kept in the config folder when the program is left.
  void keepWindowPlace() const;
  void restoreWindowPlace();
  // main_window.cpp
  void scheduleRepaint();
  void undo();
  /// The one-level Undo item or the history of many steps, as Settings chose.
  void applyUndoChoice(bool oneLevel);
  void toggleDrawMode3D();
  void refreshBuildCodeItems();

  // main_window_pointer.cpp
  void pointerPressed(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  void pointerMoved(QPointF point, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys);
  void pointerReleased(QPointF point, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  void keyReleased(int key, Qt::KeyboardModifiers keys);
  /// Shows the editor window and menu bar of the layer's mode (back to drawing for mode 0).
  void showModeEditor();
  /// The rubber band's rectangle, drawn in grey NotXor: drawn twice it is gone.
  void drawRubberBand();
  bool rubberBandShown() const;
  /// A press that starts a view gesture instead of an edit: the middle button, or the left with
  /// Alt (turning; Shift turns about the screen's z axis) or with Space held (panning).
  bool startGesture(QPointF surface, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  /// The wheel zooms about the pointer.
  void wheelTurned(QPointF surface, int degrees, Qt::KeyboardModifiers keys);
  /// View > Fit to Window (and Home): every atom, label and symbol inside the surface.
  void fitToWindow();
  void scrollBarMoved(double dx, double dy);
  /// The view changed: the surface's buffer takes it and the document is drawn again.
  void viewChanged();

  // main_window_editors.cpp
  /// The items of the editors' menu bars that are one edit of the editor's object; nothing for
  /// any other command.
  void performEditorCommand(Command command, int tag);
  // main_window_commands.cpp
  /// Looks the command up in the window's command table and runs it, unless an optimisation or
  /// an animation goes on and the command could change the document.
  void runCommand(Command command, int tag);
  /// The font dialog on the edited object's font, applied on OK.
  void changeEditedFont();

  // main_window_output.cpp
  /// The document's frame as a picture on the clipboard: SVG and PNG in one entry.
  void copyToClipboard();
  /// The print dialog, then the document printed (to a PDF file when there is no printer).
  void printDocument();

  // main_window_clipboard.cpp
  /// Edit > Copy as SMILES (false) or Copy as MOL (true): the drawing's molecules as text.
  void copyStructureText(bool molfile);
  /// Edit > Paste: SMILES or MOL text from the clipboard placed at the pointer, one undo step.
  void pasteStructure();

  // main_window_files.cpp
  void startWith(const QStringList& arguments);
  void newDocument();
  void openDocument();
  /// Opens the document at path once a changed document has been settled; false when it was not
  /// opened (cancelled, or the file does not load: then it leaves the recent list).
  bool openPath(const QString& path);
  void refreshRecentMenu();
  void importDocument();
  void saveDocument();
  bool saveAs();
  /// Writes the document under path, the file there first kept as path + "~".
  bool saveUnderName(const std::string& path);
  /// Copies the file at path to path + "~" when there is one; false (and said) when the copy
  /// cannot be made.
  bool keepPreviousFile(const QString& path);
  /// The whole path of the document's file (its name when it has none).
  std::string currentPath() const;
  std::optional<QString> askSaveName();
  void exitProgram();
  /// A changed document about to be replaced or left: "Save changes to NAME?". True to go on:
  /// saved (under its name, or through Save As when it has the default name) or discarded;
  /// false for Cancel. When leaving, a save that did not happen goes on too.
  bool settleChanges(bool leaving);

  // main_window_views.cpp
  void chooseStyle(int code);
  void normalView();
  void stereoView();
  void refreshViewChecks();
  void animate(int motion);
  void stopAnimation();
  void chooseSpeed(int index);

  // main_window_optimise.cpp
  void optimise(int method);
  // main_window_forcefields.cpp: MMFF94 and UFF, the Vibrations tool
  void optimiseWithForceField(int choice);
  void openVibrations();
  void changeFont();
  /// The font dialog preset to record (sizes 6 to 72); true and record changed on OK.
  bool chooseFont(FontRecord& record);

  // main_window_tools.cpp
  void createToolWindows();
  void createEditors();
  /// The five object editors (atom, bond, symbol, text, group).
  std::array<QWidget*, 5> editors() const;
  void loadStartDefaults();
  void showHelp(int context);
  void showSymbolPalette();
  void editComments();
  void showSettings();

  // main_window_analysis.cpp
  void showMolecularData();
  void openReactionTool();
  void showDipoleMoment();
  void showPrincipalMoments();
  void showStrainEnergy();

  // main_window_measure.cpp
  void openMetricTool();
  /// A left press in measurement mode: the measurement tool's choice measured at point.
  void measurePress(QPointF point);

  // main_window_picture.cpp
  void exportPicture();

  // main_window_exchange.cpp
  void importStructureFile();
  /// The molecules of the structure file at path appended to the drawing (one undo step).
  void importStructurePath(const QString& path);
  void exportStructureFile();
  void addFromSmiles();

  std::unique_ptr<CommandLayer> m_layer;
  QtShell m_shell;
  DefaultsRecord m_defaults{};
  ScrolledSurface* m_scrolled = nullptr;
  DrawingSurface* m_surface = nullptr;
  MenuBars* m_menus = nullptr;
  StatusLine* m_status = nullptr;
  ToolBar* m_toolBar = nullptr;
  TAnimator* m_animator = nullptr;
  TStopTool* m_stopTool = nullptr;
  HelpViewer* m_help = nullptr;
  TArrowForm* m_arrows = nullptr;
  TCommentsForm* m_comments = nullptr;
  TImportDialog* m_import = nullptr;
  TSettingsForm* m_settings = nullptr;
  TPeriodicTable* m_periodicTable = nullptr;
  TBondEditor* m_bondEditor = nullptr;
  TSymbolEditor* m_symbolEditor = nullptr;
  TTextEditor* m_textEditor = nullptr;
  TGroupEditor* m_groupEditor = nullptr;
  std::unique_ptr<RecentDocuments> m_recent;
  bool m_repaintPending = false;
  /// The rubber band: set by a left press in drawing mode, cleared by the release of a
  /// rectangle drawn downwards to the right; its corners in surface pixels.
  bool m_dragFlag = false;
  QPoint m_dragStart;
  QPoint m_dragEnd;
  /// The view gesture under way: what it does, where the pointer was last (surface pixels), and
  /// whether the next turning step is the drag's first (the one undo copy).
  enum class Gesture : std::uint8_t
  {
    None,
    Turn,
    TurnAboutZ,
    Pan
  };
  Gesture m_gesture = Gesture::None;
  QPointF m_gestureLast;
  bool m_gestureFirstStep = true;
  /// A close asked for while a long command ran: done once it has ended.
  bool m_closeWhenIdle = false;
  /// The close was confirmed: closeEvent lets it through.
  bool m_leaving = false;
};

} // namespace trelvix
