#pragma once

#include <QStatusBar>
#include <cstdint>

class QLabel;

namespace trelvix {

class CommandLayer;
class tXY;

/// The main window's status bar: what the next press places (the armed item), the object under
/// the pointer (element, charge, hydrogens and position in Ångström) and, for a while, the last
/// message the program showed.
class StatusLine : public QStatusBar
{
  Q_OBJECT

public:
  explicit StatusLine(QWidget* parent = nullptr);

  /// "Armed: Ring 6" for the pending build code (0: "Nothing armed").
  void showArmed(const CommandLayer& layer);
  /// The atom under the pointer, or nothing.
  void showUnderPointer(const tXY* atom);

  QString armedText() const;
  QString pointerText() const;

private:
  QLabel* m_armed;
  QLabel* m_pointer;
};

/// The caption of what code arms, without access keys: "Ring > Add > 6", "Element Cl" for an
/// element picked in the atom editor; "Nothing armed" for 0.
QString armedCaption(std::uint16_t code, bool placementArmed);

} // namespace trelvix
