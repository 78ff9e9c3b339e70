#include "app/frame_clipboard.h"

#include "render/render_file.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <memory>

namespace trelvix {

namespace {

std::unique_ptr<QMimeData> framePictures(const tDrawing& drawing)
{
  const FramePictures pictures = renderFrame(drawing);
  if (pictures.image.isNull())
    return nullptr;
  auto data = std::make_unique<QMimeData>();
  data->setData(QStringLiteral("image/svg+xml"), pictures.svg);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  pictures.image.save(&buffer, "PNG");
  data->setData(QStringLiteral("image/png"), png);
  data->setImageData(pictures.image);
  return data;
}

bool copyToClipboard(std::unique_ptr<QMimeData> data)
{
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!data || !clipboard)
    return false;
  clipboard->setMimeData(data.release());
  return true;
}

QString cell(const QString& text, int columns = 1)
{
  const QString span = columns > 1 ? QStringLiteral(" colspan=\"%1\"").arg(columns) : QString();
  return QStringLiteral("<td%1>%2</td>").arg(span, text.trimmed().toHtmlEscaped());
}

} // namespace

QString textLinesAsHtml(const QStringList& lines)
{
  // A name, "=", and its value up to the next name and "=" (two spaces apart) or the line's end.
  static const QRegularExpression pair(QStringLiteral(R"((\S+)\s*=\s*(.*?)(?=\s{2,}\S+\s*=|$))"));
  QString html = QStringLiteral("<table>\n");
  for (const QString& line : lines) {
    if (line.trimmed().isEmpty())
      continue;
    if (!line.contains(QLatin1Char('='))) {
      html += QStringLiteral("<tr>") + cell(line, 2) + QStringLiteral("</tr>\n");
      continue;
    }
    for (auto found = pair.globalMatch(line); found.hasNext();) {
      const QRegularExpressionMatch match = found.next();
      html += QStringLiteral("<tr>") + cell(match.captured(1)) + cell(match.captured(2)) +
              QStringLiteral("</tr>\n");
    }
  }
  return html + QStringLiteral("</table>\n");
}

bool copyFrameToClipboard(const tDrawing& drawing, const QStringList& lines)
{
  std::unique_ptr<QMimeData> data = framePictures(drawing);
  if (!data)
    return false;
  QStringList text;
  for (const QString& line : lines)
    text << line.trimmed();
  data->setText(text.join(QLatin1Char('\n')) + QLatin1Char('\n'));
  data->setHtml(textLinesAsHtml(lines));
  return copyToClipboard(std::move(data));
}

bool copyFrameToClipboard(const tDrawing& drawing)
{
  return copyToClipboard(framePictures(drawing));
}

} // namespace trelvix
