#include "app/vibrations_tool.h"

#include "app/qt_shell.h"
#include "commands/command_layer.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/svg_canvas.h"
#include "platform/shell.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace trelvix {

namespace {

constexpr int exportWidth = 800;
constexpr int exportHeight = 400;
// The swing: 25 frames a period, 40 ms a frame; amplitudes in hundredths of an Ångström.
constexpr int framesPerPeriod = 25;
constexpr int frameMilliseconds = 40;
constexpr int smallestAmplitude = 5;
constexpr int largestAmplitude = 50;
constexpr int startAmplitude = 20;

QString number(double value, int decimals)
{
  return QString::number(value, 'f', decimals);
}

std::string saveBytes(const QString& path, const QByteArray& bytes)
{
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return "Cannot write " + path.toStdString();
  return {};
}

} // namespace

/// The IR spectrum drawn by the program's canvas on the widget.
class SpectrumView : public QWidget
{
public:
  SpectrumView(const TVibrationsTool& tool, QWidget* parent)
    : QWidget(parent)
    , m_tool(tool)
  {
    setMinimumSize(360, 220);
  }

  int highlighted = -1;

protected:
  void paintEvent(QPaintEvent*) override
  {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QtCanvas canvas(painter);
    drawSpectrum(canvas,
                 Rect{ 0, 0, width(), height() },
                 m_tool.vibrations().analysis.modes,
                 m_tool.spectrumOptions(),
                 highlighted);
  }

private:
  const TVibrationsTool& m_tool;
};

TVibrationsTool::TVibrationsTool(CommandLayer& layer, QtShell& shell, QWidget* parent)
  : QDialog(parent)
  , m_layer(layer)
  , m_shell(shell)
{
  setWindowTitle(tr("Vibrations"));
  setModal(false);
  m_table = new QTableWidget(0, 2, this);
  m_table->setObjectName("modes");
  m_table->setHorizontalHeaderLabels({ QString::fromUtf8("cm\u207B\u00B9"), tr("km/mol") });
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_plot = new SpectrumView(*this, this);
  m_width = new QDoubleSpinBox(this);
  m_width->setObjectName("width");
  m_width->setRange(1, 100);
  m_width->setValue(m_options.halfWidth);
  m_width->setSuffix(QString::fromUtf8(" cm\u207B\u00B9"));
  m_transmittance = new QCheckBox(tr("Transmittance"), this);
  m_amplitude = new QSlider(Qt::Horizontal, this);
  m_amplitude->setObjectName("amplitude");
  m_amplitude->setRange(smallestAmplitude, largestAmplitude);
  m_amplitude->setValue(startAmplitude);
  m_status = new QLabel(this);
  m_stop = new QPushButton(tr("Stop"), this);
  m_export = new QPushButton(tr("Export ..."), this);
  m_timer = new QTimer(this);
  m_timer->setInterval(frameMilliseconds);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(tr("Half width"), this));
  controls->addWidget(m_width);
  controls->addWidget(m_transmittance);
  controls->addWidget(new QLabel(tr("Amplitude"), this));
  controls->addWidget(m_amplitude);
  controls->addWidget(m_stop);
  controls->addWidget(m_export);
  auto* panes = new QHBoxLayout;
  panes->addWidget(m_table, 1);
  panes->addWidget(m_plot, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes);
  layout->addLayout(controls);
  layout->addWidget(m_status);

  connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0)
      animateMode(row);
  });
  connect(m_width, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    m_options.halfWidth = value;
    m_plot->update();
  });
  connect(m_transmittance, &QCheckBox::toggled, this, [this](bool on) {
    m_options.transmittance = on;
    m_plot->update();
  });
  connect(m_stop, &QPushButton::clicked, this, &TVibrationsTool::stop);
  connect(m_export, &QPushButton::clicked, this, &TVibrationsTool::exportChosen);
  connect(m_timer, &QTimer::timeout, this, &TVibrationsTool::step);
  m_layer.addObserver(this);
}

TVibrationsTool::~TVibrationsTool()
{
  m_layer.removeObserver(this);
}

bool TVibrationsTool::analyse()
{
  forgetModes(true);
  m_stopRequested = false;
  m_status->setText(tr("Computing the Hessian ..."));
  StructureVibrations v =
    normalModesOf(m_layer.measuredObject(), VibrationField::Automatic, [this](int done, int total) {
      m_status->setText(tr("Computing the Hessian: %1 of %2").arg(done).arg(total));
      QCoreApplication::processEvents();
      return !m_stopRequested;
    });
  if (!v.failure.empty()) {
    m_status->setText(QString::fromStdString(v.failure));
    showMessage(v.failure, "Vibrations", MessageIcon::Error);
    return false;
  }
  m_vibrations = std::move(v);
  m_status->setText(m_vibrations.analysis.minimum()
                      ? tr("%1: %2 modes")
                          .arg(QString::fromStdString(m_vibrations.forceField))
                          .arg(m_vibrations.analysis.modes.size())
                      : tr("%1: not a minimum (imaginary modes shown negative)")
                          .arg(QString::fromStdString(m_vibrations.forceField)));
  fillTable();
  m_plot->update();
  emit modesChanged();
  return true;
}

void TVibrationsTool::fillTable()
{
  const std::vector<NormalMode>& modes = m_vibrations.analysis.modes;
  m_table->blockSignals(true);
  m_table->setRowCount(static_cast<int>(modes.size()));
  for (int row = 0; row < m_table->rowCount(); ++row) {
    const NormalMode& m = modes[static_cast<std::size_t>(row)];
    m_table->setItem(row, 0, new QTableWidgetItem(number(m.wavenumber, 1)));
    m_table->setItem(row, 1, new QTableWidgetItem(number(m.intensity, 1)));
  }
  m_table->blockSignals(false);
}

void TVibrationsTool::animateMode(int mode)
{
  if (mode < 0 || static_cast<std::size_t>(mode) >= m_vibrations.analysis.modes.size())
    return;
  if (m_mode >= 0)
    displaceAlongMode(m_vibrations, static_cast<std::size_t>(m_mode), 0);
  m_mode = mode;
  m_phase = 0;
  m_plot->highlighted = mode;
  m_plot->update();
  m_timer->start();
}

void TVibrationsTool::step()
{
  if (m_mode < 0)
    return;
  m_phase += 2 * std::numbers::pi / framesPerPeriod;
  const double amplitude = m_amplitude->value() / 100.0;
  displaceAlongMode(m_vibrations, static_cast<std::size_t>(m_mode), amplitude * std::sin(m_phase));
  currentShell().requestRepaint();
}

bool TVibrationsTool::animating() const
{
  return m_timer->isActive();
}

void TVibrationsTool::stop()
{
  m_stopRequested = true;
  m_timer->stop();
  if (m_mode >= 0)
    displaceAlongMode(m_vibrations, static_cast<std::size_t>(m_mode), 0);
  m_mode = -1;
  m_plot->highlighted = -1;
  m_plot->update();
  currentShell().requestRepaint();
}

void TVibrationsTool::forgetModes(bool restore)
{
  m_timer->stop();
  if (restore && m_mode >= 0)
    displaceAlongMode(m_vibrations, static_cast<std::size_t>(m_mode), 0);
  m_mode = -1;
  m_plot->highlighted = -1;
  m_vibrations = StructureVibrations{};
  m_table->setRowCount(0);
  m_plot->update();
}

void TVibrationsTool::documentReplaced()
{
  // The atoms the modes name may be gone: nothing is put back.
  forgetModes(false);
}

void TVibrationsTool::documentChanged()
{
  // The edit has placed the atoms itself; the modes no longer describe them.
  forgetModes(false);
}

void TVibrationsTool::closeEvent(QCloseEvent* event)
{
  stop();
  QDialog::closeEvent(event);
}

std::string TVibrationsTool::exportTo(const QString& path) const
{
  const std::vector<NormalMode>& modes = m_vibrations.analysis.modes;
  if (modes.empty())
    return "There are no modes to export";
  const Rect box{ 0, 0, exportWidth, exportHeight };
  if (path.endsWith(".csv", Qt::CaseInsensitive)) {
    std::string text = "mode,wavenumber_cm-1,intensity_km_mol-1,reduced_mass_u\n";
    char line[96];
    for (std::size_t k = 0; k < modes.size(); ++k) {
      std::snprintf(line,
                    sizeof line,
                    "%zu,%.2f,%.3f,%.4f\n",
                    k + 1,
                    modes[k].wavenumber,
                    modes[k].intensity,
                    modes[k].reducedMass);
      text += line;
    }
    return saveBytes(path, QByteArray::fromStdString(text));
  }
  if (path.endsWith(".svg", Qt::CaseInsensitive)) {
    SvgCanvas canvas(exportWidth, exportHeight, "IR spectrum");
    drawSpectrum(canvas, box, modes, m_options);
    canvas.finish();
    return saveBytes(path, canvas.svg());
  }
  if (path.endsWith(".png", Qt::CaseInsensitive)) {
    ImageCanvas canvas(exportWidth, exportHeight);
    drawSpectrum(canvas, box, modes, m_options);
    return saveBytes(path, canvas.png());
  }
  if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
    QByteArray bytes;
    {
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      QPdfWriter writer(&buffer);
      writer.setResolution(96);
      writer.setPageSize(QPageSize(QSizeF(exportWidth, exportHeight), QPageSize::Point));
      writer.setPageMargins(QMarginsF(0, 0, 0, 0));
      QPainter painter(&writer);
      QtCanvas canvas(painter);
      drawSpectrum(canvas, box, modes, m_options);
    }
    return saveBytes(path, bytes);
  }
  return "Export writes .svg, .png, .pdf or .csv files";
}

void TVibrationsTool::exportChosen()
{
  const std::optional<QString> path = m_shell.chooseFile([this]() -> std::optional<QString> {
    const QString chosen = QFileDialog::getSaveFileName(
      this, tr("Export"), QString(), tr("Spectrum (*.svg *.png *.pdf);;Modes table (*.csv)"));
    if (chosen.isEmpty())
      return std::nullopt;
    return chosen;
  });
  if (!path)
    return;
  const std::string failure = exportTo(*path);
  if (!failure.empty())
    showMessage(failure, "Vibrations", MessageIcon::Error);
}

} // namespace trelvix
