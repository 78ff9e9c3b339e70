#pragma once

// Helpers the GUI tests share: a scripted main window, menu items by bar, path and caption, and
// presses on the drawing surface.

#include "app/drawing_surface.h"
#include "app/main_window.h"
#include "app/menu_bars.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "program/program_init.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace trelvix::testing {

/// A main window in scripted mode (no dialog ever shows), shown offscreen at its start size,
/// plugged together as the program's start plugs it.
inline std::unique_ptr<TTrelvix3D> openWindow(const QStringList& arguments = { "trelvix3d" })
{
  initialiseProgram();
  auto window = std::make_unique<TTrelvix3D>(arguments, true);
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get()))
    qWarning("main window not exposed");
  return window;
}

/// The item with caption in the menu at path ("&Ring/&Add"; empty for the bar) of bar.
inline QAction* item(TTrelvix3D& window, MenuBarId bar, const char* path, const char* caption)
{
  return window.menus().find(bar, QString::fromUtf8(path), QString::fromUtf8(caption));
}

/// Triggers a MainMenu1 item as a click on it would; fails the test when it is missing.
inline bool choose(TTrelvix3D& window,
                   const char* path,
                   const char* caption,
                   MenuBarId bar = MenuBarId::MainMenu1)
{
  QAction* action = item(window, bar, path, caption);
  if (!action || !action->isEnabled())
    return false;
  action->trigger();
  return true;
}

/// Answers the next modal dialog the window runs as a user who leaves it open: it is shown
/// without a modal loop, for the test to drive and to close as the user would.
inline void keepNextDialogOpen(TTrelvix3D& window)
{
  window.shell().queueDialogAnswer([](QDialog& dialog) {
    dialog.show();
    return true;
  });
}

inline void pressAt(TTrelvix3D& window, QPoint point)
{
  QTest::mouseClick(&window.surface(), Qt::LeftButton, Qt::NoModifier, point);
}

inline int atomCount(TTrelvix3D& window)
{
  return window.layer().drawing().Atoms.Count();
}

} // namespace trelvix::testing
