#pragma once

#include <QColor>
#include <QLabel>
#include <cstdint>

namespace trelvix {

/// One element cell of the atom editor: the element's symbol on its group colour. A click
/// reports the element number.
class telement : public QLabel
{
  Q_OBJECT

public:
  /// The cell of element z (1..103), showing its symbol from the element table.
  telement(int z, QWidget* parent = nullptr);

  std::int16_t element() const { return m_element; }
  /// The cell's top in the add-atom arrangement, pixels within the cell grid.
  std::int16_t baseTop = 0;
  /// How far the cell moves down (pixels) when the table is opened to branch from an atom.
  std::int16_t verticalShift = 0;

  /// The background colour of element z's group.
  static QColor groupColour(int z);

signals:
  void clicked(int z);

protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  std::int16_t m_element;
};

} // namespace trelvix
