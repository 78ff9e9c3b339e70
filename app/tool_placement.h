#pragma once

class QWidget;

namespace trelvix {

/// Shows a tool window beside its owner window: to the right of it where the screen has room,
/// else to its left, else at the screen's right edge over the owner; top edges aligned. A tool
/// that is already showing stays where the user put it.
void showBesideOwner(QWidget* tool);

} // namespace trelvix
