// File > Export Picture: the drawing's frame as a PNG, SVG or PDF file for publication, at the
// size, resolution, background and margin chosen (and remembered) in a dialog with a preview.
#include "app/main_window.h"
#include "app/picture_options_dialog.h"
#include "commands/command_layer.h"
#include "document/defaults_file.h"
#include "document/drawing.h"
#include "render/render_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace trelvix {

namespace {

struct PictureType
{
  const char* filter;
  const char* suffix;
  RenderFormat format;
};

// The first is the one a name without a picture extension gets.
constexpr PictureType pictureTypes[] = {
  { "PNG Picture (*.png)", "png", RenderFormat::Png },
  { "SVG Drawing (*.svg)", "svg", RenderFormat::Svg },
  { "PDF Document (*.pdf)", "pdf", RenderFormat::Pdf },
};

const PictureType* typeOfName(const QString& name)
{
  const QString suffix = QFileInfo(name).suffix();
  const auto found =
    std::find_if(std::begin(pictureTypes), std::end(pictureTypes), [&](const PictureType& type) {
      return suffix.compare(QLatin1String(type.suffix), Qt::CaseInsensitive) == 0;
    });
  return found == std::end(pictureTypes) ? nullptr : found;
}

const PictureType& typeOfFilter(const QString& filter)
{
  const auto found =
    std::find_if(std::begin(pictureTypes), std::end(pictureTypes), [&](const PictureType& type) {
      return filter == QLatin1String(type.filter);
    });
  return found == std::end(pictureTypes) ? pictureTypes[0] : *found;
}

/// The name as chosen when it ends in a picture extension (which then decides the format),
/// else with the chosen type's extension added.
QString pictureName(const QString& name, const PictureType& chosen)
{
  return typeOfName(name) ? name : name + QLatin1Char('.') + QLatin1String(chosen.suffix);
}

} // namespace

void TTrelvix3D::exportPicture()
{
  const tDrawing& drawing = m_layer->drawing();
  // A picture is the frame of the atoms (symbols and labels have theirs among them).
  if (drawing.Atoms.empty()) {
    m_shell.message("Nothing to Export", "", MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  const std::optional<QString> chosen = m_shell.chooseFile([&]() -> std::optional<QString> {
    QStringList filters;
    for (const PictureType& type : pictureTypes)
      filters << QLatin1String(type.filter);
    QFileDialog dialog(this, tr("Export Picture"), QDir::currentPath(), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the extension of the chosen type, so that it asks before replacing the
    // file actually written.
    dialog.setDefaultSuffix(QLatin1String(pictureTypes[0].suffix));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      dialog.setDefaultSuffix(QLatin1String(typeOfFilter(filter).suffix));
    });
    const QString base =
      QFileInfo(QString::fromStdString(std::string(drawing.fileName.str()))).completeBaseName();
    dialog.selectFile((base.isEmpty() ? QStringLiteral("picture") : base) + QStringLiteral(".png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
      return std::nullopt;
    return pictureName(dialog.selectedFiles().constFirst(),
                       typeOfFilter(dialog.selectedNameFilter()));
  });
  if (!chosen || chosen->isEmpty())
    return;
  const QString name = pictureName(*chosen, pictureTypes[0]);
  const QString folder = QString::fromStdString(defaultsFolder());
  PictureOptions start = rememberedPictureOptions(folder);
  start.format = typeOfName(name)->format;
  PictureOptionsDialog choices(drawing, start, this);
  if (!m_shell.runDialog(choices))
    return;
  const PictureOptions options = choices.options();
  rememberPictureOptions(folder, options);
  const std::string failure = writePicture(drawing, name.toStdString(), options);
  if (!failure.empty())
    m_shell.message(failure, "", MessageIcon::Error, MessageButtons::Ok);
}

} // namespace trelvix
