#pragma once

#include "mechanics/reaction_curve.h"

#include <QDialog>

class QLabel;
class QPainter;

namespace trelvix {

/// The reaction tool's plot of ΔG and log K against temperature (the range the species' data
/// cover within 200 to 2000 K), the temperature where ΔG changes sign marked and named
/// ("spontaneous below 463 K"). Its picture exports to SVG or PNG and its numbers to CSV.
class TReactionPlot : public QDialog
{
  Q_OBJECT

public:
  explicit TReactionPlot(QWidget* parent = nullptr);

  /// Shows the curve.
  void setCurve(ReactionCurve curve);
  const ReactionCurve& curve() const { return m_curve; }

  /// Writes the picture (.svg, .png) or the numbers (.csv) by the file's extension; false when
  /// the extension is none of those or the file cannot be written.
  bool exportTo(const QString& path) const;

  /// Draws the plot into rect: ΔG (Kcal) on the left axis, log K on the right, T below.
  static void paintCurve(QPainter& painter, const QRectF& rect, const ReactionCurve& curve);

private:
  void chooseExport();

  ReactionCurve m_curve;
  QWidget* m_canvas;
  QLabel* m_summary;
};

} // namespace trelvix
