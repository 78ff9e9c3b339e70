// The geometry commands of the main window (with the Stop window) and the document font.
#include "app/animator.h"
#include "app/main_window.h"
#include "app/menu_bars.h"
#include "app/stop_tool.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "mechanics/optimiser.h"
#include "model/defaults.h"
#include "platform/qt/qt_font.h"

#include <QFontDialog>
#include <QTimer>
#include <algorithm>

namespace trelvix {

namespace {

constexpr int smallestPoints = 6;
constexpr int largestPoints = 72;

/// The font record of a font chosen in the font dialog; the rest of base stays.
FontRecord recordOf(const QFont& font, const FontRecord& base, int logicalDpi)
{
  FontRecord record = base;
  const int points =
    std::clamp(font.pointSize() > 0 ? font.pointSize() : 10, smallestPoints, largestPoints);
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : (points * logicalDpi + 36) / 72;
  // A negative height is the character height, as the font dialog's size means.
  record.height = static_cast<std::int16_t>(-pixels);
  record.weight = static_cast<std::int16_t>(std::clamp(static_cast<int>(font.weight()), 1, 1000));
  record.italic = font.italic() ? 1 : 0;
  record.underline = font.underline() ? 1 : 0;
  record.strikeOut = font.strikeOut() ? 1 : 0;
  record.setFace(font.family().toStdString());
  return record;
}

} // namespace

void TTrelvix3D::optimise(int method)
{
  if (m_layer->busy() || m_animator->running())
    return;
  m_layer->armBuildCode(0);
  const auto command = static_cast<OptimiseCommand>(method);
  if (command == OptimiseCommand::OptimizeProtons && m_layer->drawing().Atoms.nprotons() <= 0)
    return; // nothing to move: the menu bar stays
  // The bar in use comes back afterwards: the group editor's, while it stays open.
  const MenuBarId before = m_menus->current();
  showMenuBar(MenuBarId::OptimizeMenu);
  m_stopTool->FormShow();
  m_layer->Optimize(
    command, m_stopTool->state(), [this](int, double energy) { m_stopTool->refresh(energy); });
  m_stopTool->finish();
  showMenuBar(before);
  repaintDocument();
  if (m_closeWhenIdle)
    QTimer::singleShot(0, this, &QWidget::close);
}

bool TTrelvix3D::chooseFont(FontRecord& record)
{
  QFontDialog dialog(qFontFromRecord(record), this);
  dialog.setWindowTitle(tr("Font"));
  dialog.setOption(QFontDialog::ScalableFonts);
  if (!m_shell.runDialog(dialog))
    return false;
  record = recordOf(dialog.currentFont(), record, logicalDpiY());
  return true;
}

void TTrelvix3D::changeFont()
{
  // The font command changes the document and the default font in memory only; the defaults
  // file gets it with its next write.
  FontRecord record = modelDefaults().font;
  if (chooseFont(record))
    m_layer->SetFont(record);
}

} // namespace trelvix
