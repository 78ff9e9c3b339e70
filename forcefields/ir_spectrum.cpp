#include "forcefields/ir_spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace trelvix {

namespace {

constexpr Colour curveColour = 0x00A00000;     // dark blue (0x00BBGGRR)
constexpr Colour highlightColour = 0x000000D0; // red
constexpr int tickSpacing = 500;

double peakOf(const std::vector<SpectrumPoint>& spectrum)
{
  double peak = 0;
  for (const SpectrumPoint& p : spectrum)
    peak = std::max(peak, p.absorbance);
  return peak;
}

} // namespace

std::vector<SpectrumPoint> broadenedSpectrum(const std::vector<NormalMode>& modes,
                                             const SpectrumOptions& options)
{
  std::vector<SpectrumPoint> spectrum;
  if (!(options.spacing > 0) || !(options.to > options.from))
    return spectrum;
  const double gamma = options.halfWidth;
  const auto count = static_cast<std::size_t>((options.to - options.from) / options.spacing) + 1;
  spectrum.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    SpectrumPoint p;
    p.wavenumber = options.from + static_cast<double>(k) * options.spacing;
    for (const NormalMode& m : modes) {
      if (m.imaginary())
        continue;
      const double offset = p.wavenumber - m.wavenumber;
      p.absorbance += m.intensity * (gamma / std::numbers::pi) / (offset * offset + gamma * gamma);
    }
    spectrum.push_back(p);
  }
  return spectrum;
}

double transmittancePercent(double absorbance, double peak)
{
  return peak > 0 ? 100 * std::pow(10.0, -absorbance / peak) : 100;
}

std::string spectrumCsv(const std::vector<SpectrumPoint>& spectrum, const SpectrumOptions& options)
{
  std::string text = options.transmittance ? "wavenumber_cm-1,transmittance_percent\n"
                                           : "wavenumber_cm-1,absorbance_km_mol-1_cm\n";
  const double peak = peakOf(spectrum);
  char line[64];
  for (const SpectrumPoint& p : spectrum) {
    const double value =
      options.transmittance ? transmittancePercent(p.absorbance, peak) : p.absorbance;
    std::snprintf(line, sizeof line, "%.1f,%.6g\n", p.wavenumber, value);
    text += line;
  }
  return text;
}

void drawSpectrum(Canvas& canvas,
                  const Rect& box,
                  const std::vector<NormalMode>& modes,
                  const SpectrumOptions& options,
                  int highlighted)
{
  const std::vector<SpectrumPoint> spectrum = broadenedSpectrum(modes, options);
  const int captionHeight = canvas.textExtent("0").height;
  const Rect plot{ box.left + 24, box.top + 8, box.right - 24, box.bottom - 2 * captionHeight - 8 };
  if (plot.right <= plot.left || plot.bottom <= plot.top || spectrum.empty())
    return;
  // The axis decreases to the right: the highest wavenumber sits at the left edge.
  const auto xOf = [&](double wavenumber) {
    const double t = (options.to - wavenumber) / (options.to - options.from);
    return static_cast<std::int32_t>(std::lround(plot.left + t * (plot.right - plot.left)));
  };
  const double peak = peakOf(spectrum);
  // Absorbance rises from the baseline to 95 % of the height; transmittance falls from 100 % at
  // the top towards 0 % at the bottom.
  const auto yOf = [&](double absorbance) {
    const double height = plot.bottom - plot.top;
    const double y = options.transmittance
                       ? plot.top + (1 - transmittancePercent(absorbance, peak) / 100) * height
                       : plot.bottom - (peak > 0 ? absorbance / peak : 0) * 0.95 * height;
    return static_cast<std::int32_t>(std::lround(y));
  };

  canvas.setPen(Pen{ PenStyle::Solid, 1, black });
  canvas.setBrush(Brush{ BrushStyle::Clear, white });
  const Point frame[] = { { plot.left, plot.top },
                          { plot.right, plot.top },
                          { plot.right, plot.bottom },
                          { plot.left, plot.bottom } };
  canvas.polygon(frame);
  canvas.setTextColour(black);
  canvas.setTextAlign(TextAlign{ HAlign::Center, VAlign::Top });
  const int firstTick = static_cast<int>(std::ceil(options.from / tickSpacing)) * tickSpacing;
  for (int w = firstTick; w <= options.to; w += tickSpacing) {
    const std::int32_t x = xOf(w);
    canvas.line({ x, plot.bottom }, { x, plot.bottom + 4 });
    canvas.text({ x, plot.bottom + 5 }, std::to_string(w));
  }
  canvas.text({ (plot.left + plot.right) / 2, plot.bottom + 5 + captionHeight },
              "Wavenumber (cm\u207B\u00B9)");

  if (highlighted >= 0 && static_cast<std::size_t>(highlighted) < modes.size() &&
      !modes[static_cast<std::size_t>(highlighted)].imaginary()) {
    const double w = modes[static_cast<std::size_t>(highlighted)].wavenumber;
    if (w >= options.from && w <= options.to) {
      canvas.setPen(Pen{ PenStyle::Dash, 1, highlightColour });
      canvas.line({ xOf(w), plot.top }, { xOf(w), plot.bottom });
    }
  }
  std::vector<Point> curve;
  curve.reserve(spectrum.size());
  for (const SpectrumPoint& p : spectrum)
    curve.push_back({ xOf(p.wavenumber), yOf(p.absorbance) });
  canvas.setPen(Pen{ PenStyle::Solid, 1, curveColour });
  canvas.polyline(curve);
}

} // namespace trelvix
