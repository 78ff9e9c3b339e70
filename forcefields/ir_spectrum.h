#pragma once

// The IR spectrum of normal modes: each mode's intensity broadened by a Lorentzian, as a table
// and as a plot on the program's canvas (the wavenumber axis decreasing to the right, as
// chemists read it).
#include "forcefields/normal_modes.h"
#include "platform/canvas.h"

#include <string>
#include <vector>

namespace trelvix {

struct SpectrumOptions
{
  /// Half width at half maximum of each band, cm⁻¹.
  double halfWidth = 10;
  /// The wavenumber range, cm⁻¹, and the spacing of the table's points.
  double from = 400;
  double to = 4000;
  double spacing = 2;
  /// Transmittance (100 % at no absorption, bands pointing down) instead of absorbance.
  bool transmittance = false;
};

struct SpectrumPoint
{
  double wavenumber = 0; ///< cm⁻¹
  /// Σ Iₖ · (γ/π) / ((ν − νₖ)² + γ²): km/mol per cm⁻¹.
  double absorbance = 0;
};

/// The broadened spectrum of the real modes (imaginary ones have no band), from options.from to
/// options.to.
std::vector<SpectrumPoint> broadenedSpectrum(const std::vector<NormalMode>& modes,
                                             const SpectrumOptions& options = {});

/// "wavenumber_cm-1,absorbance" (or "transmittance_percent") then one line per point.
std::string spectrumCsv(const std::vector<SpectrumPoint>& spectrum, const SpectrumOptions& options);

/// Transmittance in percent of a point of spectrum whose strongest point is peak: 100 ·
/// 10^(−A/peak).
double transmittancePercent(double absorbance, double peak);

/// The plot in box on canvas: a frame, the wavenumber axis decreasing to the right with ticks
/// every 500 cm⁻¹, the curve, the axis caption "Wavenumber (cm⁻¹)", and the highlighted mode's
/// stick (highlighted < 0 for none).
void drawSpectrum(Canvas& canvas,
                  const Rect& box,
                  const std::vector<NormalMode>& modes,
                  const SpectrumOptions& options,
                  int highlighted = -1);

} // namespace trelvix
