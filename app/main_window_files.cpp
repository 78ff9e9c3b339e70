// The file commands of the main window: start-up, New, Open, Open Recent, Import, Save, Save As,
// leaving, and files dropped on the window. Nothing replaces a changed document without asking
// "Save changes to NAME?", and a save over an existing file keeps that file as NAME~ first.
#include "app/animator.h"
#include "app/import_dialog.h"
#include "app/main_window.h"
#include "app/menu_bars.h"
#include "app/recent_documents.h"
#include "app/startup.h"
#include "commands/command_layer.h"
#include "document/defaults_file.h"
#include "document/drawing.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

namespace trelvix {

namespace {

const QString documentFilter = QStringLiteral("Trelvix File (*.tvx *.TVX)");
constexpr const char* defaultName = "UNTITLED.TVX";

bool hasDocumentExtension(const QString& name)
{
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot >= 0 && name.mid(dot).toUpper().startsWith(QStringLiteral(".TVX"));
}

/// The files a drop may bring: the program's documents open, the other formats are imported.
bool droppable(const QString& path)
{
  static const QStringList suffixes{ "tvx", "mol", "sdf", "smi", "xyz", "pdb" };
  return suffixes.contains(QFileInfo(path).suffix().toLower());
}

QStringList droppedFiles(const QMimeData* data)
{
  QStringList files;
  if (!data)
    return files;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile() && droppable(url.toLocalFile()))
      files << url.toLocalFile();
  }
  return files;
}

} // namespace

void TTrelvix3D::startWith(const QStringList& arguments)
{
  loadStartDefaults();
  m_recent = std::make_unique<RecentDocuments>(QString::fromStdString(defaultsFolder()));
  connect(m_menus->recentMenu(), &QMenu::aboutToShow, this, &TTrelvix3D::refreshRecentMenu);
  if (const auto name = startupDocumentName(arguments)) {
    // A file that does not load leaves the empty document.
    if (m_layer->OpenDocument(*name).changed)
      m_recent->remember(QString::fromStdString(*name));
  }
  setWindowTitle(tightCaption(m_layer->drawing().fileName.str()));
  refreshRecentMenu();
}

bool TTrelvix3D::settleChanges(bool leaving)
{
  const tDrawing& drawing = m_layer->drawing();
  if (drawing.savedFlag != 0)
    return true;
  // An empty drawing (symbols and labels are atoms too) has nothing to lose when it is replaced
  // (leaving still offers the save, as closing always has).
  if (!leaving && drawing.Atoms.Count() == 0)
    return true;
  const std::string name = drawing.fileName.str();
  switch (m_shell.askToSave(fileNamePart(name))) {
    case MessageAnswer::No:
      return true;
    case MessageAnswer::Yes:
      break;
    default:
      return false;
  }
  // Leaving goes on to the quit question even when the save did not happen, as it always has;
  // anything else stops, so that nothing unsaved is replaced.
  const bool saved = fileNamePart(name).toUpper().startsWith(QString::fromLatin1(defaultName))
                       ? saveAs()
                       : saveUnderName(currentPath());
  return saved || leaving;
}

std::string TTrelvix3D::currentPath() const
{
  // The layer keeps the whole path; the document's own name may be cut short.
  const std::string& path = m_layer->documentPath();
  return path.empty() ? m_layer->drawing().fileName.str() : path;
}

void TTrelvix3D::newDocument()
{
  if (m_shell.message("Erase Drawing", "", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return;
  if (!settleChanges(false))
    return;
  m_layer->NewDocument();
  m_layer->ResetView();
  setWindowTitle(spacedCaption(m_layer->drawing().fileName.str()));
  refreshViewChecks();
  repaintDocument();
}

void TTrelvix3D::openDocument()
{
  const std::optional<QString> name = m_shell.chooseFile([this] { return m_import->chooseFile(); });
  if (!name)
    return;
  // A choice without a document extension (an empty folder) keeps the current document.
  if (hasDocumentExtension(*name))
    openPath(*name);
  setWindowTitle(spacedCaption(m_layer->drawing().fileName.str()));
  refreshViewChecks();
  repaintDocument();
}

bool TTrelvix3D::openPath(const QString& path)
{
  if (!settleChanges(false))
    return false;
  const bool opened = m_layer->OpenDocument(path.left(255).toStdString()).changed;
  if (opened) {
    m_recent->remember(path);
    m_layer->ResetView();
  } else {
    m_recent->forget(path); // the loader has said why it does not open
  }
  refreshRecentMenu();
  setWindowTitle(spacedCaption(m_layer->drawing().fileName.str()));
  refreshViewChecks();
  repaintDocument();
  return opened;
}

void TTrelvix3D::refreshRecentMenu()
{
  QMenu* menu = m_menus->recentMenu();
  menu->clear();
  const QStringList& paths = m_recent->paths();
  for (qsizetype i = 0; i < paths.size(); ++i) {
    // "&1 ring.tvx" ... "1&0 last.tvx": a digit to reach each one from the keyboard.
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
    QAction* entry =
      menu->addAction(QStringLiteral("%1 %2").arg(number, QFileInfo(paths[i]).fileName()));
    entry->setData(paths[i]);
    entry->setToolTip(paths[i]);
    entry->setStatusTip(paths[i]);
    const QString path = paths[i];
    connect(entry, &QAction::triggered, this, [this, path] {
      if (!m_layer->busy() && !m_animator->running())
        openPath(path);
    });
  }
  menu->setEnabled(!paths.isEmpty());
}

void TTrelvix3D::importDocument()
{
  const std::optional<QString> name = m_shell.chooseFile([this] { return m_import->chooseFile(); });
  if (!name || !hasDocumentExtension(*name))
    return;
  if (!settleChanges(false))
    return;
  m_layer->ImportDocument(name->left(255).toStdString());
  repaintDocument();
}

std::optional<QString> TTrelvix3D::askSaveName()
{
  return m_shell.chooseFile([this]() -> std::optional<QString> {
    QFileDialog dialog(this, tr("Save As"), QDir::currentPath(), documentFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tvx"));
    const QString current = fileNamePart(m_layer->drawing().fileName.str());
    dialog.selectFile(current.isEmpty() ? QString::fromLatin1(defaultName) : current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
      return std::nullopt;
    return dialog.selectedFiles().constFirst();
  });
}

bool TTrelvix3D::keepPreviousFile(const QString& path)
{
  if (!QFileInfo(path).isFile())
    return true;
  const QString backup = path + QLatin1Char('~');
  QFile::remove(backup);
  QFile previous(path);
  if (previous.copy(backup))
    return true;
  // The old file is all the user has: it is not written over without its copy.
  m_shell.message("Cannot keep the previous file as " + backup.toStdString() + ": " +
                    previous.errorString().toStdString(),
                  "",
                  MessageIcon::Error,
                  MessageButtons::Ok);
  return false;
}

bool TTrelvix3D::saveUnderName(const std::string& path)
{
  if (!keepPreviousFile(QString::fromStdString(path)))
    return false;
  // A failed save keeps the old file, name and saved flag; the layer has shown why.
  const bool saved = m_layer->SaveDocument(path).acted();
  if (saved) {
    m_recent->remember(QString::fromStdString(path));
    refreshRecentMenu();
  }
  return saved;
}

bool TTrelvix3D::saveAs()
{
  const std::optional<QString> name = askSaveName();
  if (!name)
    return false;
  const bool saved = saveUnderName(QFileInfo(*name).absoluteFilePath().toStdString());
  setWindowTitle(spacedCaption(m_layer->drawing().fileName.str()));
  return saved;
}

void TTrelvix3D::saveDocument()
{
  const std::string name = m_layer->drawing().fileName.str();
  const QString upper = QString::fromStdString(name).toUpper();
  if (!QString::fromLatin1(defaultName).contains(upper)) {
    saveUnderName(currentPath());
    return;
  }
  const std::optional<QString> chosen = askSaveName();
  if (!chosen)
    return;
  saveUnderName(QFileInfo(*chosen).absoluteFilePath().toStdString());
  setWindowTitle(tightCaption(m_layer->drawing().fileName.str()));
}

void TTrelvix3D::exitProgram()
{
  const tDrawing& drawing = m_layer->drawing();
  if (drawing.savedFlag == 0 && drawing.Atoms.Count() > 0 && !settleChanges(true))
    return;
  if (m_shell.message("Quit Trelvix3D", "", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return;
  m_leaving = true;
  close();
}

void TTrelvix3D::dragEnterEvent(QDragEnterEvent* event)
{
  if (!droppedFiles(event->mimeData()).isEmpty() && !m_layer->busy() && !m_animator->running())
    event->acceptProposedAction();
}

void TTrelvix3D::dropEvent(QDropEvent* event)
{
  const QStringList files = droppedFiles(event->mimeData());
  if (files.isEmpty() || m_layer->busy() || m_animator->running())
    return;
  event->acceptProposedAction();
  // A document opens (one at a time: the first); other structure files join the drawing.
  for (const QString& file : files) {
    if (hasDocumentExtension(file)) {
      openPath(file);
      return;
    }
  }
  for (const QString& file : files)
    importStructurePath(file);
}

} // namespace trelvix
