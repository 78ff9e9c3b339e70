#pragma once

#include "app/tool_window.h"
#include "commands/command_result.h"

#include <cstdint>
#include <optional>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace trelvix {

class CommandLayer;
enum class MeasureKind : std::uint8_t;

/// The measurement tool: four choices of what a press on the drawing measures ("Bond Length",
/// "Bond Angle", "Torsion Angle", "Distance") and "Ok". While it shows the main window is in
/// measurement mode and hands its left presses to measureAt; the value is drawn on the
/// document by the core, and the tool keeps the last one in view after the drawing is redrawn. "Ok"
/// or the close box closes it and the main window goes back to drawing.
class TMetricTool : public ToolWindow
{
  Q_OBJECT

public:
  TMetricTool(CommandLayer& layer, QWidget* parent = nullptr);

  /// Shows the tool beside the main window: measurement mode, the document's terms built, the
  /// choices the document offers enabled and the first of them checked.
  void open();
  /// The checked choice; none when the document offers nothing.
  std::optional<MeasureKind> checkedKind() const;
  /// A press on the drawing at (x, y): measures the checked choice there.
  CommandResult measureAt(double x, double y);

protected:
  /// Esc is "Ok".
  void keyPressEvent(QKeyEvent* event) override;

private:
  /// Enables the choices the document offers; the checked one stays checked while it is
  /// enabled, else the first enabled one is checked.
  void showAvailable();
  /// "Ok" (Button2Click): closes the tool, which ends the measurement.
  void Button2Click();

  CommandLayer& m_layer;
  QButtonGroup* m_kinds;
  // The choices carry their names as object names too.
  QRadioButton* RBBondLength;
  QRadioButton* RBBondAngle;
  QRadioButton* RBTorsionAngle;
  QRadioButton* RBDistance;
  /// The last value measured ("1.53 Å"); empty until a press measures something.
  QLabel* m_value;
};

} // namespace trelvix
