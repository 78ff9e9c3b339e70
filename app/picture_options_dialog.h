#pragma once

#include "render/render_file.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace trelvix {

class tDrawing;

/// Export Picture's choices for one format: the size (as a scale of the drawing), the
/// resolution of a PNG, the background and the margin, with a preview of the very picture they
/// make and its size. Widgets are named "scale", "resolution", "background" and "margin".
class PictureOptionsDialog : public QDialog
{
public:
  PictureOptionsDialog(const tDrawing& drawing,
                       const PictureOptions& start,
                       QWidget* parent = nullptr);

  /// The options the widgets show, for the dialog's format.
  PictureOptions options() const;

private:
  void refresh();

  const tDrawing& m_drawing;
  RenderFormat m_format;
  QSpinBox* m_scale = nullptr;
  QSpinBox* m_resolution = nullptr;
  QComboBox* m_background = nullptr;
  QDoubleSpinBox* m_margin = nullptr;
  QLabel* m_size = nullptr;
  QLabel* m_preview = nullptr;
};

/// The export choices kept in "export-picture.ini" in folder (the defaults folder): 300 dpi,
/// full size, white and the usual margin the first time.
PictureOptions rememberedPictureOptions(const QString& folder);
void rememberPictureOptions(const QString& folder, const PictureOptions& options);

} // namespace trelvix
