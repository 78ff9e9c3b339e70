// The broadened IR spectrum: Lorentzian bands of the modes' intensities, and the plot with its
// wavenumber axis decreasing to the right.
#include "forcefields/ir_spectrum.h"
#include "platform/recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace trelvix {
namespace {

NormalMode band(double wavenumber, double intensity)
{
  NormalMode m;
  m.wavenumber = wavenumber;
  m.intensity = intensity;
  return m;
}

TEST(IrSpectrum, EachBandIsALorentzianOfItsIntensity)
{
  SpectrumOptions options;
  options.halfWidth = 10;
  options.from = 1000;
  options.to = 2000;
  options.spacing = 1;
  const std::vector<NormalMode> modes = { band(1500, 100), band(-300, 1000) };
  const std::vector<SpectrumPoint> s = broadenedSpectrum(modes, options);
  ASSERT_EQ(s.size(), 1001u);
  // At the centre I / (π γ); one half width away half of it; the imaginary mode adds nothing.
  EXPECT_NEAR(s[500].absorbance, 100 / (std::numbers::pi * 10), 1e-12);
  EXPECT_NEAR(s[510].absorbance, 0.5 * 100 / (std::numbers::pi * 10), 1e-12);
  // The area within ±500 cm⁻¹ is I (2/π) atan(500/γ).
  double area = 0;
  for (const SpectrumPoint& p : s)
    area += p.absorbance * options.spacing;
  EXPECT_NEAR(area, 100 * 2 / std::numbers::pi * std::atan(500.0 / 10), 0.1);

  options.transmittance = true;
  const std::string csv = spectrumCsv(s, options);
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "wavenumber_cm-1,transmittance_percent");
  EXPECT_DOUBLE_EQ(transmittancePercent(s[500].absorbance, s[500].absorbance), 10.0);
  EXPECT_DOUBLE_EQ(transmittancePercent(0, s[500].absorbance), 100.0);
}

TEST(IrSpectrum, ThePlotRunsFromHighWavenumbersOnTheLeft)
{
  RecordingCanvas canvas;
  SpectrumOptions options;
  options.from = 500;
  options.to = 3500;
  drawSpectrum(canvas, Rect{ 0, 0, 648, 300 }, { band(3000, 50), band(1000, 10) }, options);
  const CanvasOp* curve = nullptr;
  std::vector<std::string> ticks;
  for (const CanvasOp& op : canvas.ops()) {
    if (op.kind == CanvasOp::Kind::Polyline)
      curve = &op;
    if (op.kind == CanvasOp::Kind::Text)
      ticks.push_back(op.text);
  }
  ASSERT_TRUE(curve);
  // The curve's points run up the wavenumbers every 2 cm⁻¹; the plot spans x 24 .. 624, 500 cm⁻¹
  // at the right edge and 3500 at the left.
  EXPECT_EQ(curve->points.front().x, 624);
  EXPECT_EQ(curve->points.back().x, 24);
  // The stronger band (3000 cm⁻¹, 1/6 of the way in) stands higher (smaller y) than the weaker.
  const Point strong = curve->points[(3000 - 500) / 2];
  const Point weak = curve->points[(1000 - 500) / 2];
  EXPECT_EQ(strong.x, 24 + 600 / 6);
  EXPECT_LT(strong.y, weak.y);
  const std::vector<std::string> expected = {
    "500", "1000", "1500", "2000", "2500", "3000", "3500", "Wavenumber (cm\u207B\u00B9)"
  };
  EXPECT_EQ(ticks, expected);
}

} // namespace
} // namespace trelvix
