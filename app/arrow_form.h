#pragma once

#include <QWidget>
#include <vector>

class QToolButton;

namespace trelvix {

/// The symbol palette: thirteen picture buttons that arm the build codes of the graphic symbols
/// (arrows 720-727, arc 728, triangle 729), of the text label (607) and formula (608) and of the
/// plus sign between reacting pieces (730), and "Close". A picture looks pressed while the mouse
/// button is down on it.
class TArrowForm : public QWidget
{
  Q_OBJECT

public:
  explicit TArrowForm(QWidget* parent = nullptr);

  /// The picture buttons in palette order, each with its build code.
  struct Picture
  {
    QToolButton* button;
    int code;
  };
  const std::vector<Picture>& pictures() const { return m_pictures; }

signals:
  /// A picture was clicked: code is to be placed by the next presses on the drawing.
  void armed(int code);
  /// "Close" hid the palette: the main window goes back to drawing.
  void closed();

private:
  std::vector<Picture> m_pictures;
};

} // namespace trelvix
