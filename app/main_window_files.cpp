// The file commands of the main window: start-up, New, Open, Save, Save As and leaving.
#include "app/import_dialog.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "commands/command_layer.h"
#include "document/drawing.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace trelvix {

namespace {

const QString documentFilter = QStringLiteral("Trelvix File (*.tvx *.TVX)");
constexpr const char* defaultName = "UNTITLED.TVX";

bool hasDocumentExtension(const QString& name)
{
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot >= 0 && name.mid(dot).toUpper().startsWith(QStringLiteral(".TVX"));
}

} // namespace

void TTrelvix3D::startWith(const QStringList& arguments)
{
  loadStartDefaults();
  if (const auto name = startupDocumentName(arguments))
    m_layer->OpenDocument(*name); // a file that does not load leaves the empty document
  setWindowTitle(tightCaption(m_layer->drawing().fileName.str()));
}

void TTrelvix3D::newDocument()
{
  if (m_shell.message("Erase Drawing", "", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return;
  m_layer->NewDocument();
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
    m_layer->OpenDocument(name->left(255).toStdString());
  setWindowTitle(spacedCaption(m_layer->drawing().fileName.str()));
  refreshViewChecks();
  repaintDocument();
}

void TTrelvix3D::importDocument()
{
  const std::optional<QString> name = m_shell.chooseFile([this] { return m_import->chooseFile(); });
  if (!name || !hasDocumentExtension(*name))
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

bool TTrelvix3D::saveUnderName(const std::string& path)
{
  // A failed save keeps the old file, name and saved flag; the layer has shown why.
  return m_layer->SaveDocument(path).acted();
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
    saveUnderName(name);
    return;
  }
  const std::optional<QString> chosen = askSaveName();
  if (!chosen)
    return;
  saveUnderName(QFileInfo(*chosen).absoluteFilePath().toStdString());
  setWindowTitle(tightCaption(m_layer->drawing().fileName.str()));
}

void TTrelvix3D::saveBeforeLeaving()
{
  const std::string name = m_layer->drawing().fileName.str();
  if (fileNamePart(name).toUpper().startsWith(QString::fromLatin1(defaultName)))
    saveAs();
  else
    saveUnderName(name);
}

void TTrelvix3D::exitProgram()
{
  const tDrawing& drawing = m_layer->drawing();
  if (drawing.savedFlag == 0 && drawing.Atoms.Count() > 0)
    saveBeforeLeaving();
  if (m_shell.message("Quit Trelvix3D", "", MessageIcon::Question, MessageButtons::YesNo) !=
      MessageAnswer::Yes)
    return;
  m_leaving = true;
  close();
}

} // namespace trelvix
