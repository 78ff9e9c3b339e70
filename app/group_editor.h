#pragma once

#include "app/tool_window.h"

#include <array>
#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;

namespace trelvix {

class CommandLayer;
enum class EditorEdit : std::uint8_t;

/// The group editor: three sliders that rotate, turn, tilt, pivot or zoom the layer's edited
/// group while dragged and snap back on release, and the buttons that number, restyle, clone,
/// delete and fuse it.
/// Every change goes through the command layer; closing the window goes back to drawing.
class TGroupEditor : public ToolWindow
{
  Q_OBJECT

public:
  TGroupEditor(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the editor on the layer's edited group; a hidden one starts with its sliders at rest
  /// and "Rotate" chosen.
  void open();

signals:
  /// "Font" with a group open: the main window runs the font dialog and applies the font.
  void fontRequested();

private:
  /// Ranges, enabled sliders and pictures for the chosen mode and "Fine"; sliders at rest.
  void arrangeSliders();
  /// Slider index (0..2) dragged to position.
  void track(int index, int position);
  void deleteGroup();
  void finish();

  CommandLayer& m_layer;
  std::array<QSlider*, 3> m_sliders{};
  /// Pictures over the sliders: Image1 to Image5.
  std::array<QLabel*, 5> m_pictures{};
  QButtonGroup* m_mode;
  QButtonGroup* m_numbering;
  QCheckBox* m_fine;
};

} // namespace trelvix
