#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace trelvix {

/// The help window: the program's HTML help pages, one per help context (111 general help,
/// 113 measurement kinds, 115 2D tutorial, 117 customer support, 118 periodic table,
/// 119 3D tutorial, 121 bond editor, 126 measurements, 127 molecular data), with Back, Forward,
/// Home and the links between them.
class HelpViewer : public QWidget
{
  Q_OBJECT

public:
  explicit HelpViewer(QWidget* parent = nullptr);

  /// Shows and raises the window at the page of context; false (with a note in the window)
  /// when the page is not installed.
  bool showPage(int context);

  /// The folder of the help pages: share/trelvix3d/help beside the program's bin folder when
  /// installed, else the source tree's help folder; empty when neither holds the pages.
  static QString helpFolder();
  /// The file of the page for context (it may not exist).
  static QString pagePath(int context);

  QTextBrowser* browser() const { return m_browser; }

private:
  QTextBrowser* m_browser;
  QToolButton* m_back;
  QToolButton* m_forward;
  QToolButton* m_home;
};

} // namespace trelvix
