#include "app/picture_options_dialog.h"

#include "document/drawing.h"
#include "model/defaults.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// On paper a drawing pixel is 0.254 mm: margins are asked in millimetres of the picture.
constexpr double millimetresPerPixel = 25.4 / drawingPixelsPerInch;
constexpr int previewWidth = 420;
constexpr int previewHeight = 260;
// A resolution for print: journals ask 300 dpi for line art and more for fine detail.
constexpr int defaultDpi = 300;
constexpr int minimumDpi = 10;
constexpr int maximumDpi = 1200;

double defaultMarginMillimetres()
{
  return bondScale() / 2 * millimetresPerPixel;
}

/// The margin in drawing pixels that prints as millimetres at the scale.
int marginPixels(double millimetres, double scale)
{
  return static_cast<int>(std::lround(millimetres / (millimetresPerPixel * scale)));
}

QString settingsFile(const QString& folder)
{
  return QDir(folder).filePath(QStringLiteral("export-picture.ini"));
}

/// A checkerboard shows through a transparent picture, as image editors show it.
QPixmap onCheckerboard(const QImage& image)
{
  QPixmap shown(image.size());
  shown.fill(Qt::white);
  QPainter painter(&shown);
  constexpr int square = 8;
  for (int y = 0; y < image.height(); y += square)
    for (int x = (y / square) % 2 * square; x < image.width(); x += 2 * square)
      painter.fillRect(x, y, square, square, QColor(0xdd, 0xdd, 0xdd));
  painter.drawImage(0, 0, image);
  return shown;
}

} // namespace

PictureOptionsDialog::PictureOptionsDialog(const tDrawing& drawing,
                                           const PictureOptions& start,
                                           QWidget* parent)
  : QDialog(parent)
  , m_drawing(drawing)
  , m_format(start.format)
{
  setWindowTitle(tr("Export Picture"));
  auto* form = new QFormLayout;

  m_scale = new QSpinBox(this);
  m_scale->setObjectName(QStringLiteral("scale"));
  m_scale->setRange(10, 1000);
  m_scale->setSuffix(QStringLiteral(" %"));
  m_scale->setValue(static_cast<int>(std::lround(start.scale * 100)));
  form->addRow(tr("&Size:"), m_scale);

  m_resolution = new QSpinBox(this);
  m_resolution->setObjectName(QStringLiteral("resolution"));
  m_resolution->setRange(minimumDpi, maximumDpi);
  m_resolution->setSuffix(QStringLiteral(" dpi"));
  m_resolution->setValue(std::clamp(start.dpi, minimumDpi, maximumDpi));
  // Vectors have no pixels: the resolution is a PNG's alone.
  if (m_format == RenderFormat::Png)
    form->addRow(tr("&Resolution:"), m_resolution);
  else
    m_resolution->hide();

  m_background = new QComboBox(this);
  m_background->setObjectName(QStringLiteral("background"));
  m_background->addItems({ tr("White"), tr("Transparent") });
  m_background->setCurrentIndex(start.transparent ? 1 : 0);
  // A PDF page is white in every viewer.
  if (m_format != RenderFormat::Pdf)
    form->addRow(tr("&Background:"), m_background);
  else
    m_background->hide();

  m_margin = new QDoubleSpinBox(this);
  m_margin->setObjectName(QStringLiteral("margin"));
  m_margin->setRange(0, 50);
  m_margin->setDecimals(1);
  m_margin->setSingleStep(0.5);
  m_margin->setSuffix(QStringLiteral(" mm"));
  m_margin->setValue(start.margin ? *start.margin * millimetresPerPixel * start.scale
                                  : defaultMarginMillimetres());
  form->addRow(tr("&Margin:"), m_margin);

  m_size = new QLabel(this);
  form->addRow(tr("Picture:"), m_size);

  m_preview = new QLabel(this);
  m_preview->setAlignment(Qt::AlignCenter);
  m_preview->setMinimumSize(previewWidth, previewHeight);
  m_preview->setFrameShape(QFrame::StyledPanel);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_preview);
  layout->addLayout(form);
  layout->addWidget(buttons);

  for (QSpinBox* box : { m_scale, m_resolution })
    connect(box, &QSpinBox::valueChanged, this, &PictureOptionsDialog::refresh);
  connect(m_margin, &QDoubleSpinBox::valueChanged, this, &PictureOptionsDialog::refresh);
  connect(m_background, &QComboBox::currentIndexChanged, this, &PictureOptionsDialog::refresh);
  refresh();
}

PictureOptions PictureOptionsDialog::options() const
{
  PictureOptions options;
  options.format = m_format;
  options.scale = m_scale->value() / 100.0;
  options.dpi = m_resolution->value();
  options.transparent = m_format != RenderFormat::Pdf && m_background->currentIndex() == 1;
  options.margin = marginPixels(m_margin->value(), options.scale);
  return options;
}

void PictureOptionsDialog::refresh()
{
  const PictureOptions chosen = options();
  const FramedCopy frame = framedCopy(m_drawing, chosen.margin);
  const double width = frame.width * chosen.scale;
  const double height = frame.height * chosen.scale;
  const QString paper = tr("%1 × %2 mm")
                          .arg(width * millimetresPerPixel, 0, 'f', 1)
                          .arg(height * millimetresPerPixel, 0, 'f', 1);
  if (m_format == RenderFormat::Png) {
    const double pixels = static_cast<double>(chosen.dpi) / drawingPixelsPerInch;
    m_size->setText(tr("%1 × %2 pixels, %3")
                      .arg(std::max<long>(std::lround(width * pixels), 1))
                      .arg(std::max<long>(std::lround(height * pixels), 1))
                      .arg(paper));
  } else {
    m_size->setText(paper);
  }
  // The preview is the same picture at a resolution that fits the box.
  PictureOptions preview = chosen;
  preview.format = RenderFormat::Png;
  const double fit = std::min({ previewWidth / std::max(width, 1.0),
                                previewHeight / std::max(height, 1.0),
                                static_cast<double>(chosen.dpi) / drawingPixelsPerInch });
  preview.dpi = std::max(1, static_cast<int>(fit * drawingPixelsPerInch));
  const Picture picture = makePicture(m_drawing, preview);
  const QImage image = QImage::fromData(picture.bytes, "PNG");
  if (image.isNull())
    m_preview->setText(QString::fromStdString(picture.message));
  else
    m_preview->setPixmap(onCheckerboard(image));
}

PictureOptions rememberedPictureOptions(const QString& folder)
{
  const QSettings kept(settingsFile(folder), QSettings::IniFormat);
  PictureOptions options;
  options.dpi = std::clamp(kept.value("dpi", defaultDpi).toInt(), minimumDpi, maximumDpi);
  options.scale = std::clamp(kept.value("scale", 1.0).toDouble(), 0.1, 10.0);
  options.transparent = kept.value("transparent", false).toBool();
  const double margin = kept.value("margin", defaultMarginMillimetres()).toDouble();
  options.margin = marginPixels(std::clamp(margin, 0.0, 50.0), options.scale);
  return options;
}

void rememberPictureOptions(const QString& folder, const PictureOptions& options)
{
  QSettings kept(settingsFile(folder), QSettings::IniFormat);
  kept.setValue("dpi", options.dpi);
  kept.setValue("scale", options.scale);
  if (options.format != RenderFormat::Pdf)
    kept.setValue("transparent", options.transparent);
  kept.setValue("margin", options.margin.value_or(0) * millimetresPerPixel * options.scale);
}

} // namespace trelvix
