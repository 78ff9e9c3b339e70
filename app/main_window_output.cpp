// Pictures of the drawing that leave the program: the clipboard and the printer.
#include "app/frame_clipboard.h"
#include "app/main_window.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "platform/checked.h"
#include "platform/qt/qt_canvas.h"
#include "render/render_file.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace trelvix {

namespace {

bool hasSomethingToCopy(const tDrawing& drawing)
{
  return !drawing.Atoms.empty() || !drawing.Bonds.empty() || !drawing.Symbols->empty();
}

} // namespace

void TTrelvix3D::copyToClipboard()
{
  const tDrawing& drawing = m_layer->drawing();
  if (!hasSomethingToCopy(drawing)) {
    m_shell.message("Nothing to Copy", "", MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  copyFrameToClipboard(drawing);
}

void TTrelvix3D::printDocument()
{
  if (m_layer->drawing().Atoms.empty())
    return;
  QPrinter printer(QPrinter::HighResolution);
  {
    // Without a printer the dialog offers printing to a PDF file.
    QPrintDialog dialog(&printer, this);
    if (!m_shell.runDialog(dialog))
      return;
  }
  try {
    const FramedCopy framed = framedCopy(m_layer->drawing());
    const double width = framed.width;
    const double height = framed.height;
    QPainter painter;
    if (!painter.begin(&printer)) {
      m_shell.message("Cannot print", "", MessageIcon::Error, MessageButtons::Ok);
      return;
    }
    // 0.254 mm per drawing pixel, shrunk to fit the page when larger.
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double scale = static_cast<double>(printer.resolution()) / drawingPixelsPerInch;
    scale = std::min({ scale, page.width() / width, page.height() / height });
    painter.scale(scale, scale);
    QtCanvas canvas(painter);
    framed.drawing->print(canvas);
    painter.end();
  } catch (const OverflowError& e) {
    m_shell.message(e.what(), "", MessageIcon::Error, MessageButtons::Ok);
  }
}

} // namespace trelvix
