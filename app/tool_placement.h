#pragma once

class QWidget;

namespace trelvix {

/// Shows a tool window beside its owner window: to the right of it where the screen has room,
/// else to its left, else at the screen's right edge over the owner; top edges aligned. A tool
/// that is already showing stays where the user put it.
void showBesideOwner(QWidget* tool);

/// Moves a tool window that is not shown yet (a dialog about to run modally) beside its owner
/// by the same rule, from the size its layout asks for.
void placeBesideOwner(QWidget* tool);

} // namespace trelvix
