#pragma once

#include "document/defaults_file.h"
#include "platform/font_record.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QPushButton;

namespace trelvix {

/// What the settings window asks of the main window: the document edits that follow a changed
/// default, and the font dialog.
struct SettingsActions
{
  /// Zooms the whole document by factor about its origin, updates and repaints it.
  std::function<void(double factor)> zoomDocument;
  /// Sets the line width (0..3) of every bond and symbol of the document and repaints it.
  std::function<void(std::uint8_t width)> setLineWidth;
  /// Applies font to all text of the document and repaints it.
  std::function<void(const FontRecord& font)> setFont;
  /// The font dialog preset to font; true (font changed) on OK, false on Cancel.
  std::function<bool(FontRecord& font)> changeFont;
  /// Undo as the classic one-level item (true) or the history of many steps.
  std::function<void(bool oneLevel)> setOneLevelUndo;
  /// The 2D styles now colour by element (true) or draw black; the document is redrawn.
  std::function<void(bool on)> setElementColours;
};

/// The defaults window "Settings" (modal): the bond-length scale, the arrow-key step, the line
/// width, the default font and how Undo works. It edits the model's defaults and writes them to the
/// defaults file on every scale change, after a font change and on Done. A file that cannot be
/// written is reported and the settings stay in force in memory.
class TSettingsForm : public QDialog
{
  Q_OBJECT

public:
  /// record is the defaults record in force (its reserved bytes are written back as they are);
  /// path is the defaults file.
  TSettingsForm(DefaultsRecord& record,
                std::string path,
                SettingsActions actions,
                QWidget* parent = nullptr);

  /// The scale choices: drawn length in pixels of a 1.53 Å bond, shown as percent of 28.
  static constexpr std::array<std::uint16_t, 7> scales{ 14, 21, 28, 35, 42, 49, 56 };

protected:
  void showEvent(QShowEvent* event) override;

private:
  void chooseScale(int index);
  void chooseJump(int index);
  void chooseLine(int index);
  void chooseFont();
  void writeDefaults();

  DefaultsRecord& m_record;
  std::string m_path;
  SettingsActions m_actions;
  QButtonGroup* m_scale;
  QButtonGroup* m_jump;
  QButtonGroup* m_line;
  QCheckBox* m_oneLevelUndo;
  QCheckBox* m_elementColours;
};

} // namespace trelvix
