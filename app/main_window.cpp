#include "app/main_window.h"

#include "app/animator.h"
#include "app/drawing_surface.h"
#include "app/menu_bars.h"
#include "app/recent_documents.h"
#include "app/scrolled_surface.h"
#include "app/status_line.h"
#include "app/stop_tool.h"
#include "app/tool_bar.h"
#include "commands/command_layer.h"
#include "document/code_table.h"
#include "document/defaults_file.h"
#include "document/drawing.h"
#include "forcefields/force_field_optimiser.h"
#include "model/defaults.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <new>

namespace trelvix {

TTrelvix3D::TTrelvix3D(const QStringList& arguments, bool scripted)
{
  setWindowTitle(QStringLiteral("Trelvix3D"));
  m_shell.setScripted(scripted);
  setCurrentShell(&m_shell);

  m_scrolled = new ScrolledSurface(this);
  m_surface = m_scrolled->surface();
  setCentralWidget(m_scrolled);
  m_menus = new MenuBars(this);
  setMenuWidget(m_menus);
  m_toolBar = new ToolBar(*m_menus, this);
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  m_status = new StatusLine(this);
  setStatusBar(m_status);
  m_shell.attach(this, m_surface);
  m_shell.setRepaintHandler([this] { scheduleRepaint(); });

  m_layer = std::make_unique<CommandLayer>(std::make_unique<tDrawing>());
  m_layer->addObserver(this);
  m_layer->setForceFieldOptimiser(optimizeWithForceField);
  m_animator = new TAnimator(*m_layer, this);
  m_stopTool = new TStopTool(this);
  createToolWindows();
  m_shell.setStopSource([this] { return m_stopTool->state().stopFlag(); });

  connect(m_menus, &MenuBars::triggered, this, &TTrelvix3D::perform);
  connect(m_toolBar, &ToolBar::triggered, this, &TTrelvix3D::perform);
  connect(m_surface, &DrawingSurface::pressed, this, &TTrelvix3D::pointerPressed);
  connect(m_surface, &DrawingSurface::moved, this, &TTrelvix3D::pointerMoved);
  connect(m_surface, &DrawingSurface::released, this, &TTrelvix3D::pointerReleased);
  connect(m_surface, &DrawingSurface::keyReleased, this, &TTrelvix3D::keyReleased);
  connect(m_surface, &DrawingSurface::redrawNeeded, this, &TTrelvix3D::scheduleRepaint);
  connect(m_surface, &DrawingSurface::wheeled, this, &TTrelvix3D::wheelTurned);
  connect(m_scrolled, &ScrolledSurface::scrolled, this, &TTrelvix3D::scrollBarMoved);
  m_surface->setView(&m_layer->view());
  // However the motion ends (STOP, the animator's Stop, closing), the drawing bar comes back.
  connect(m_animator, &TAnimator::finished, this, [this] {
    showMenuBar(MenuBarId::MainMenu1);
    if (m_closeWhenIdle)
      QTimer::singleShot(0, this, &QWidget::close);
  });

  // 640 × 480 at (1, 1), wider when the drawing bar's items or the tool bar need more room.
  // The frame, title bar included, at (1, 1): a client area placed there would put the title
  // bar above the screen.
  // The tool bar and the scroll bars come on top of that, so the drawing keeps its room.
  const int width = std::max({ 640, m_menus->sizeHint().width(), m_toolBar->sizeHint().width() });
  resize(width + 8 + m_scrolled->barExtent(),
         480 + m_toolBar->sizeHint().height() + m_scrolled->barExtent());
  move(1, 1);
  restoreWindowPlace();
  setAcceptDrops(true);
  startWith(arguments);
  undoStateChanged();
  refreshBuildCodeItems();
  refreshViewChecks();
}

TTrelvix3D::~TTrelvix3D()
{
  m_surface->setView(nullptr);
  m_layer->removeObserver(this);
  m_layer.reset();
  setCurrentShell(nullptr);
}

void TTrelvix3D::showMenuBar(MenuBarId bar)
{
  m_menus->showBar(bar);
  // The tool bar's items are the drawing bar's: with another bar shown they wait.
  m_toolBar->setEnabled(bar == MenuBarId::MainMenu1);
}

void TTrelvix3D::backToDrawing()
{
  for (QWidget* editor : editors())
    editor->hide();
  showMenuBar(MenuBarId::MainMenu1);
  m_layer->setEditorMode(EditorMode::Drawing);
  repaintDocument();
}

void TTrelvix3D::scheduleRepaint()
{
  if (m_repaintPending)
    return;
  m_repaintPending = true;
  QTimer::singleShot(0, this, [this] {
    if (m_repaintPending)
      repaintDocument();
  });
}

void TTrelvix3D::repaintDocument()
{
  m_repaintPending = false;
  if (!m_layer)
    return;
  m_layer->Repaint();
  m_scrolled->showExtent(m_layer->drawnExtent(), m_layer->view());
}

void TTrelvix3D::undo()
{
  m_layer->Undo();
  undoStateChanged();
}

void TTrelvix3D::toggleDrawMode3D()
{
  m_layer->SetDrawMode3D(!modelDefaults().DrawMode3D);
}

void TTrelvix3D::refreshBuildCodeItems()
{
  const bool mode3D = modelDefaults().DrawMode3D;
  for (QAction* item : m_menus->actions(Command::DrawMode3D))
    item->setChecked(mode3D);
  for (const BuildCodeItem& code : buildCodeItems()) {
    if (!code.needs3D)
      continue;
    for (QAction* item : m_menus->actions(Command::BuildCode, code.code))
      item->setEnabled(mode3D);
  }
}

void TTrelvix3D::documentReplaced()
{
  m_surface->syncView();
  scheduleRepaint();
}

void TTrelvix3D::defaultsChanged()
{
  refreshBuildCodeItems();
  scheduleRepaint();
}

void TTrelvix3D::documentChanged()
{
  scheduleRepaint();
}

void TTrelvix3D::undoStateChanged()
{
  for (QAction* item : m_menus->actions(Command::Undo, -1)) {
    item->setText(QString::fromUtf8(m_layer->undoCaption()));
    item->setData(m_layer->undoCaption()[0] == 'U' ? -1 : 1);
    item->setEnabled(m_layer->canUndo());
  }
  // The one-level Undo redoes by itself: the Redo item is for the longer history.
  const bool history = m_layer->undoLevels() > 1;
  for (QAction* item : m_menus->actions(Command::Redo)) {
    item->setVisible(history);
    item->setEnabled(history && m_layer->canRedo());
  }
  for (QAction* item : m_menus->actions(Command::Reset))
    item->setEnabled(m_layer->canReset());
}

void TTrelvix3D::modeChanged()
{
  m_status->showArmed(*m_layer);
  undoStateChanged();
}

void TTrelvix3D::busyChanged(bool)
{
  undoStateChanged();
}

void TTrelvix3D::closeEvent(QCloseEvent* event)
{
  if (m_leaving) {
    event->accept();
    return;
  }
  // A running optimisation or animation is ended first; the close is asked again afterwards.
  if (m_layer->busy() || m_animator->running()) {
    m_closeWhenIdle = true;
    m_stopTool->StopBitBtn1Click();
    m_animator->stopAnimating();
    event->ignore();
    return;
  }
  m_closeWhenIdle = false;
  if (m_layer->drawing().savedFlag == 0 && !settleChanges(true)) {
    event->ignore();
    return;
  }
  if (m_shell.message("Exit Trelvix3D", "", MessageIcon::Question, MessageButtons::YesNo) ==
      MessageAnswer::Yes) {
    m_leaving = true;
    keepWindowPlace();
    event->accept();
  } else {
    event->ignore();
  }
}

namespace {

QString windowPlaceFile()
{
  return QDir(QString::fromStdString(defaultsFolder())).filePath(QStringLiteral("window.ini"));
}

} // namespace

void TTrelvix3D::keepWindowPlace() const
{
  QSettings(windowPlaceFile(), QSettings::IniFormat).setValue("geometry", saveGeometry());
}

void TTrelvix3D::restoreWindowPlace()
{
  // The size and place the window had when the program was left last; Qt keeps a window that
  // would fall off today's screens on them.
  const QByteArray kept =
    QSettings(windowPlaceFile(), QSettings::IniFormat).value("geometry").toByteArray();
  if (!kept.isEmpty())
    restoreGeometry(kept);
}

} // namespace trelvix
