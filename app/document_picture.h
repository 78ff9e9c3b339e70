#pragma once

#include <QImage>
#include <QString>
#include <memory>
#include <string>

namespace trelvix {

class tDrawing;

/// A document read for a look only (the file chooser's preview): the loader's message, when it
/// had one, is kept instead of being shown.
struct PreviewDocument
{
  std::unique_ptr<tDrawing> drawing; ///< nullptr when the file could not be read
  std::string message;               ///< the loader's message (empty when none)
};

/// Reads the document file at path without showing any message.
PreviewDocument readPreviewDocument(const std::string& path);

/// A white width × height picture of drawing, drawn by the document itself as the window draws
/// it. The drawing is shrunk to fit (never enlarged) and moved so that its centre of gravity lies
/// in the middle of the picture; pass a copy when the drawing must stay where it is. A null image
/// when the drawing cannot be drawn (an arithmetic overflow).
QImage centredPicture(tDrawing& drawing, int width, int height);

} // namespace trelvix
