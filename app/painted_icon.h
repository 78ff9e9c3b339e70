#pragma once

#include <QIcon>
#include <QSize>

class QPainter;

namespace trelvix {

/// An icon of size (logical pixels) drawn by draw on a transparent pixmap for the screen's pixel
/// density, antialiased, with a black pen of penWidth.
QIcon paintedIcon(QSize size, qreal devicePixelRatio, double penWidth, void (*draw)(QPainter&));

} // namespace trelvix
