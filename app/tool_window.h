#pragma once

#include <QWidget>

class QCloseEvent;
class QKeyEvent;

namespace trelvix {

/// A tool window of the main window (the editors, the periodic table, the measurement tool): it
/// stays on top of its owner, tells when it is closed, and asks for its help page when F1 is
/// typed in it.
class ToolWindow : public QWidget
{
  Q_OBJECT

public:
  /// helpContext: the help page F1 asks for; 0 for a window without one (F1 does nothing).
  explicit ToolWindow(QWidget* parent, int helpContext = 0);

signals:
  /// The window closed (its close box, its Done or OK, or its object gone): back to drawing.
  void closed();
  /// F1 in the window: the main window shows the help page of context.
  void helpRequested(int context);

protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  int m_helpContext;
};

} // namespace trelvix
