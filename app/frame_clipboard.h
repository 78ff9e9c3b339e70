#pragma once

#include <QString>
#include <QStringList>

namespace trelvix {

class tDrawing;

/// Puts the document's frame pictures (renderFrame) on the clipboard as one entry: the SVG for
/// office programs, the PNG and the bitmap for image editors. False, and the clipboard untouched,
/// when there is nothing to draw or it cannot be drawn.
bool copyFrameToClipboard(const tDrawing& drawing);

/// copyFrameToClipboard with text lines beside the pictures, for notebooks and spreadsheets: as
/// plain text, one line each, and as an HTML table (see textLinesAsHtml).
bool copyFrameToClipboard(const tDrawing& drawing, const QStringList& lines);

/// Text lines as an HTML table: each "name = value" on a line is a row of two cells ("P = 1.0
/// T = 298K" gives two rows), a line without "=" a row of its own across both.
QString textLinesAsHtml(const QStringList& lines);

} // namespace trelvix
