#include "app/frame_clipboard.h"

#include "render/render_file.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

namespace trelvix {

bool copyFrameToClipboard(const tDrawing& drawing)
{
  const FramePictures pictures = renderFrame(drawing);
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (pictures.image.isNull() || !clipboard)
    return false;
  auto data = std::make_unique<QMimeData>();
  data->setData(QStringLiteral("image/svg+xml"), pictures.svg);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  pictures.image.save(&buffer, "PNG");
  data->setData(QStringLiteral("image/png"), png);
  data->setImageData(pictures.image);
  clipboard->setMimeData(data.release());
  return true;
}

} // namespace trelvix
