// Other programs' structure files and SMILES: Import Structure File appends the molecules of a
// file, Export Structure File writes the document's molecules, Add from SMILES arms a molecule
// that the next press places.
#include "app/main_window.h"
#include "app/smiles_dialog.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/molecular_data.h"
#include "exchange/exchange_format.h"
#include "exchange/molecule_export.h"
#include "exchange/molecule_import.h"
#include "model/defaults.h"
#include "platform/binary_io.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <array>

namespace trelvix {

namespace {

struct StructureFormat
{
  const char* title;
  const char* suffix;
};

constexpr std::array<StructureFormat, 5> structureFormats{ {
  { "SMILES", "smi" },
  { "MOL", "mol" },
  { "SDF", "sdf" },
  { "XYZ", "xyz" },
  { "PDB", "pdb" },
} };

/// "*.smi *.SMI": the dialogs list a file whatever the case of its extension.
QString patternsOf(const StructureFormat& format)
{
  const QString suffix = QString::fromLatin1(format.suffix);
  return QStringLiteral("*.%1 *.%2").arg(suffix, suffix.toUpper());
}

QString filterOf(const StructureFormat& format)
{
  return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(format.title), patternsOf(format));
}

/// The formats one by one, after all of them together when reading.
QStringList structureFilters(bool withAll)
{
  QStringList filters;
  QStringList all;
  for (const StructureFormat& format : structureFormats) {
    filters << filterOf(format);
    all << patternsOf(format);
  }
  if (withAll)
    filters.prepend(QStringLiteral("Structure Files (%1)").arg(all.join(QLatin1Char(' '))));
  return filters;
}

/// The exchange format of a chosen name; nothing for the program's own documents or an unknown
/// extension.
std::optional<ExchangeFormat> structureFormatOf(const std::string& path)
{
  const std::optional<ExchangeFormat> format = formatFromPath(path);
  if (format == ExchangeFormat::Tvx)
    return std::nullopt;
  return format;
}

struct ChosenFile
{
  std::string path;
  ExchangeFormat format;
};

/// The chosen file's path and format; nothing when no file was chosen, or (after saying so) when
/// its extension names no structure format.
std::optional<ChosenFile> structureFile(const std::optional<QString>& name)
{
  if (!name)
    return std::nullopt;
  std::string path = name->toStdString();
  const std::optional<ExchangeFormat> format = structureFormatOf(path);
  if (!format) {
    showMessage(
      path + ": not a structure file (.smi, .mol, .sdf, .xyz or .pdb)", "", MessageIcon::Error);
    return std::nullopt;
  }
  return ChosenFile{ std::move(path), *format };
}

/// The 3D draw mode asks for 3D models of molecules that come without coordinates (SMILES).
ImportOptions drawModeOptions()
{
  ImportOptions options;
  options.embed3D = modelDefaults().DrawMode3D;
  return options;
}

} // namespace

void TTrelvix3D::importStructureFile()
{
  const std::optional<QString> name = m_shell.chooseFile([this]() -> std::optional<QString> {
    const QString chosen =
      QFileDialog::getOpenFileName(this,
                                   tr("Import Structure File"),
                                   QDir::currentPath(),
                                   structureFilters(true).join(QStringLiteral(";;")));
    if (chosen.isEmpty())
      return std::nullopt;
    return chosen;
  });
  if (name)
    importStructurePath(*name);
}

void TTrelvix3D::importStructurePath(const QString& path)
{
  const std::optional<ChosenFile> file = structureFile(path);
  if (!file)
    return;
  // Read whole before the document is touched: a fault anywhere in the file changes nothing.
  ImportResult read = importFile(file->path, file->format, drawModeOptions());
  if (!read.drawing) {
    showMessage(read.message, "", MessageIcon::Error);
    return;
  }
  m_layer->AppendDrawing(std::move(read.drawing));
  repaintDocument();
}

void TTrelvix3D::exportStructureFile()
{
  const tDrawing& drawing = m_layer->drawing();
  // Asked before the dialog: there is nothing to choose a name for.
  if (!holdsMolecule(drawing)) {
    showMessage("No Molecule");
    return;
  }
  const std::optional<QString> name = m_shell.chooseFile([this]() -> std::optional<QString> {
    const QStringList filters = structureFilters(false);
    QFileDialog dialog(this, tr("Export Structure File"), QDir::currentPath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(structureFormats.front().suffix));
    // A name typed without an extension takes the one of the chosen format.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
      const auto index = static_cast<std::size_t>(filters.indexOf(f));
      if (index < structureFormats.size())
        dialog.setDefaultSuffix(QString::fromLatin1(structureFormats[index].suffix));
    });
    const QString stem =
      QFileInfo(QString::fromStdString(m_layer->drawing().fileName.str())).completeBaseName();
    dialog.selectFile(stem.isEmpty() ? QStringLiteral("untitled") : stem);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
      return std::nullopt;
    return dialog.selectedFiles().constFirst();
  });
  const std::optional<ChosenFile> file = structureFile(name);
  if (!file)
    return;
  const std::string text = exportDrawing(drawing, file->format);
  // Written to a temporary file and renamed: a failed write keeps the old file whole.
  std::string reason;
  if (saveFile(file->path,
               { reinterpret_cast<const std::uint8_t*>(text.data()), text.size() },
               &reason) != IoResult::Ok)
    showMessage(
      "Cannot write " + file->path + (reason.empty() ? "" : ": " + reason), "", MessageIcon::Error);
}

void TTrelvix3D::addFromSmiles()
{
  const std::optional<QString> typed = m_shell.askText([this]() -> std::optional<QString> {
    const std::unique_ptr<QInputDialog> dialog = makeSmilesDialog(this);
    if (dialog->exec() != QDialog::Accepted)
      return std::nullopt;
    return dialog->textValue();
  });
  if (!typed)
    return;
  const std::string smiles = typed->trimmed().toStdString();
  // Checked now, so that a typing error shows at once and the press never fails.
  const ImportOptions options = drawModeOptions();
  if (const std::string fault = checkSmiles(smiles, options); !fault.empty()) {
    showMessage(fault, "", MessageIcon::Error);
    return;
  }
  m_layer->armPlacement(
    [smiles, options](double x, double y) { return placeSmiles(smiles, x, y, options); });
}

} // namespace trelvix
