#include "app/reaction_plot.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>

namespace trelvix {

namespace {

constexpr QSize pictureSize(640, 400);
const QColor gibbsColour(0, 70, 170);
const QColor logKColour(200, 90, 0);

// The plot's own widget: it paints the dialog's curve.
class CurveCanvas : public QWidget
{
public:
  explicit CurveCanvas(const TReactionPlot& plot)
    : QWidget(const_cast<TReactionPlot*>(&plot))
    , m_plot(plot)
  {
    setMinimumSize(pictureSize / 1.25);
  }

protected:
  void paintEvent(QPaintEvent*) override
  {
    QPainter painter(this);
    TReactionPlot::paintCurve(painter, rect(), m_plot.curve());
  }

private:
  const TReactionPlot& m_plot;
};

struct Range
{
  double low;
  double high;

  double at(double value, double from, double to) const
  {
    return high > low ? from + (value - low) / (high - low) * (to - from) : (from + to) / 2;
  }
};

template<class Value>
Range rangeOf(const ReactionCurve& curve, Value value)
{
  Range r{ value(curve.points.front()), value(curve.points.front()) };
  for (const CurvePoint& p : curve.points) {
    r.low = std::min(r.low, value(p));
    r.high = std::max(r.high, value(p));
  }
  // Zero stays in view: the sign of ΔG is what the plot is for.
  r.low = std::min(r.low, 0.0);
  r.high = std::max(r.high, 0.0);
  return r;
}

} // namespace

TReactionPlot::TReactionPlot(QWidget* parent)
  : QDialog(parent)
  , m_canvas(nullptr)
  , m_summary(new QLabel(this))
{
  setWindowTitle(QStringLiteral("ΔG against T"));
  m_canvas = new CurveCanvas(*this);
  m_summary->setObjectName(QStringLiteral("PlotSummary"));
  auto* exportButton = new QPushButton(QStringLiteral("Export ..."), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  connect(exportButton, &QPushButton::clicked, this, &TReactionPlot::chooseExport);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_summary);
  buttons->addStretch();
  buttons->addWidget(exportButton);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_canvas, 1);
  layout->addLayout(buttons);
}

void TReactionPlot::setCurve(ReactionCurve curve)
{
  m_curve = std::move(curve);
  m_summary->setText(QString::fromStdString(m_curve.summary));
  m_canvas->update();
}

void TReactionPlot::paintCurve(QPainter& painter, const QRectF& rect, const ReactionCurve& curve)
{
  painter.fillRect(rect, Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF plot = rect.adjusted(60, 20, -60, -40);
  painter.setPen(Qt::black);
  painter.drawRect(plot);
  if (curve.points.empty()) {
    painter.drawText(plot, Qt::AlignCenter, QString::fromStdString(curve.summary));
    return;
  }
  const Range t{ curve.points.front().T, curve.points.back().T };
  const Range g = rangeOf(curve, [](const CurvePoint& p) { return p.dG / 1000; });
  const Range k = rangeOf(curve, [](const CurvePoint& p) { return p.logK; });
  const auto x = [&](double T) { return t.at(T, plot.left(), plot.right()); };

  // Axes' end values and captions.
  const QFontMetricsF metrics(painter.font());
  const auto label = [&](double value, double px, double py, Qt::Alignment align) {
    const QString s = QString::number(value, 'g', 4);
    QRectF box(0, 0, metrics.horizontalAdvance(s) + 4, metrics.height());
    if (align & Qt::AlignRight)
      box.moveTopRight(QPointF(px, py - box.height() / 2));
    else if (align & Qt::AlignLeft)
      box.moveTopLeft(QPointF(px, py - box.height() / 2));
    else
      box.moveTopLeft(QPointF(px - box.width() / 2, py));
    painter.drawText(box, Qt::AlignCenter, s);
  };
  label(t.low, plot.left(), plot.bottom() + 4, Qt::AlignHCenter);
  label(t.high, plot.right(), plot.bottom() + 4, Qt::AlignHCenter);
  painter.drawText(QRectF(plot.left(), plot.bottom() + 18, plot.width(), 20),
                   Qt::AlignCenter,
                   QStringLiteral("T (K)"));
  painter.setPen(gibbsColour);
  label(g.high, plot.left() - 4, plot.top(), Qt::AlignRight);
  label(g.low, plot.left() - 4, plot.bottom(), Qt::AlignRight);
  painter.drawText(QRectF(rect.left(), rect.top(), 120, 18), QStringLiteral("ΔG (Kcal)"));
  painter.setPen(logKColour);
  label(k.high, plot.right() + 4, plot.top(), Qt::AlignLeft);
  label(k.low, plot.right() + 4, plot.bottom(), Qt::AlignLeft);
  painter.drawText(QRectF(rect.right() - 60, rect.top(), 60, 18), QStringLiteral("log K"));

  // ΔG = 0.
  const double zero = g.at(0, plot.bottom(), plot.top());
  painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));

  const auto drawLine = [&](const QColor& colour, auto value, const Range& r) {
    QPainterPath path;
    for (std::size_t n = 0; n < curve.points.size(); ++n) {
      const QPointF p(x(curve.points[n].T),
                      r.at(value(curve.points[n]), plot.bottom(), plot.top()));
      n == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
  };
  drawLine(
    logKColour, [](const CurvePoint& p) { return p.logK; }, k);
  drawLine(
    gibbsColour, [](const CurvePoint& p) { return p.dG / 1000; }, g);

  // The turning temperature, marked and named.
  if (curve.signChangeT) {
    const double px = x(*curve.signChangeT);
    painter.setPen(QPen(Qt::darkGreen, 1, Qt::DashLine));
    painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
    painter.setPen(Qt::darkGreen);
    painter.drawText(QRectF(px + 4, plot.top() + 4, 220, 18),
                     QString::fromStdString(curve.summary));
  }
}

bool TReactionPlot::exportTo(const QString& path) const
{
  const QString lower = path.toLower();
  if (lower.endsWith(QStringLiteral(".csv"))) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
      return false;
    const std::string csv = curveCsv(m_curve);
    return file.write(csv.data(), static_cast<qint64>(csv.size())) ==
           static_cast<qint64>(csv.size());
  }
  if (lower.endsWith(QStringLiteral(".svg"))) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(pictureSize);
    svg.setViewBox(QRect(QPoint(0, 0), pictureSize));
    svg.setTitle(QStringLiteral("ΔG against T"));
    QPainter painter;
    if (!painter.begin(&svg))
      return false;
    paintCurve(painter, QRectF(QPointF(0, 0), pictureSize), m_curve);
    return painter.end();
  }
  if (lower.endsWith(QStringLiteral(".png"))) {
    QImage image(pictureSize, QImage::Format_ARGB32);
    QPainter painter(&image);
    paintCurve(painter, QRectF(QPointF(0, 0), pictureSize), m_curve);
    painter.end();
    return image.save(path, "PNG");
  }
  return false;
}

void TReactionPlot::chooseExport()
{
  const QString path = QFileDialog::getSaveFileName(
    this,
    QStringLiteral("Export"),
    QString(),
    QStringLiteral("SVG picture (*.svg);;PNG picture (*.png);;Numbers (*.csv)"));
  if (!path.isEmpty())
    exportTo(path);
}

} // namespace trelvix
