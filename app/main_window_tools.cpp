// The tool windows the main window opens directly: help, symbol palette, comments, settings and
// the file chooser; and the defaults file at start.
#include "app/arrow_form.h"
#include "app/bond_editor.h"
#include "app/comments_form.h"
#include "app/group_editor.h"
#include "app/help_viewer.h"
#include "app/import_dialog.h"
#include "app/main_window.h"
#include "app/periodic_table.h"
#include "app/settings_form.h"
#include "app/symbol_editor.h"
#include "app/text_editor.h"
#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <QDir>
#include <array>

namespace trelvix {

namespace {
constexpr int generalHelp = 111;
} // namespace

void TTrelvix3D::createToolWindows()
{
  m_help = new HelpViewer(this);
  m_arrows = new TArrowForm(this);
  m_comments = new TCommentsForm(this);
  m_import = new TImportDialog(this);
  connect(m_arrows, &TArrowForm::armed, this, [this](int code) {
    m_layer->armBuildCode(static_cast<std::uint16_t>(code));
  });
  connect(m_arrows, &TArrowForm::closed, this, &TTrelvix3D::backToDrawing);
  connect(m_comments, &TCommentsForm::helpRequested, this, [this] { showHelp(generalHelp); });
  connect(m_import, &TImportDialog::helpRequested, this, [this] { showHelp(generalHelp); });
  createEditors();

  SettingsActions actions;
  actions.zoomDocument = [this](double factor) { m_layer->Zoom(factor); };
  // Bonds and symbols keep their own widths; new ones take the default set here.
  actions.setLineWidth = [this](std::uint8_t) { repaintDocument(); };
  actions.setFont = [this](const FontRecord& font) { m_layer->SetFont(font); };
  actions.changeFont = [this](FontRecord& font) { return chooseFont(font); };
  actions.setOneLevelUndo = [this](bool on) { applyUndoChoice(on); };
  actions.setElementColours = [this](bool) { repaintDocument(); };
  m_settings = new TSettingsForm(m_defaults, defaultsPath(), std::move(actions), this);
}

void TTrelvix3D::createEditors()
{
  m_periodicTable = new TPeriodicTable(*m_layer, this);
  m_bondEditor = new TBondEditor(*m_layer, this);
  m_symbolEditor = new TSymbolEditor(*m_layer, this);
  m_textEditor = new TTextEditor(*m_layer, this);
  m_groupEditor = new TGroupEditor(*m_layer, this);
  const std::array<ToolWindow*, 5> tools{
    m_periodicTable, m_bondEditor, m_symbolEditor, m_textEditor, m_groupEditor
  };
  for (ToolWindow* tool : tools) {
    connect(tool, &ToolWindow::closed, this, &TTrelvix3D::backToDrawing);
    connect(tool, &ToolWindow::helpRequested, this, &TTrelvix3D::showHelp);
  }
  connect(m_textEditor, &TTextEditor::fontRequested, this, &TTrelvix3D::changeEditedFont);
  connect(m_groupEditor, &TGroupEditor::fontRequested, this, &TTrelvix3D::changeEditedFont);
}

std::array<QWidget*, 5> TTrelvix3D::editors() const
{
  return { m_periodicTable, m_bondEditor, m_symbolEditor, m_textEditor, m_groupEditor };
}

void TTrelvix3D::loadStartDefaults()
{
  const StartDefaults start =
    startDefaults(defaultsPath(), QDir::currentPath().toStdString(), logicalDpiY());
  m_defaults = start.record;
  applyUndoChoice(oneLevelUndo(m_defaults));
  if (!start.written.ok) {
    // The program goes on with the defaults in memory.
    m_shell.message("Cannot write the defaults file " + defaultsPath() + ": " +
                      start.written.reason,
                    "",
                    MessageIcon::Error,
                    MessageButtons::Ok);
  }
}

void TTrelvix3D::applyUndoChoice(bool oneLevel)
{
  m_layer->setUndoLevels(oneLevel ? 1 : UndoHistory::defaultLevels);
  undoStateChanged();
}

void TTrelvix3D::showHelp(int context)
{
  m_help->showPage(context);
}

void TTrelvix3D::showSymbolPalette()
{
  showBesideOwner(m_arrows);
}

void TTrelvix3D::editComments()
{
  m_comments->editComments(*m_layer, m_shell);
}

void TTrelvix3D::showSettings()
{
  m_shell.runDialog(*m_settings);
}

} // namespace trelvix
