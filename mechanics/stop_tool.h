#pragma once

#include <string>

namespace trelvix {

/// The state of the small window shown while the geometry is optimised: the strain energy it
/// reads and the stop flag its Stop button sets. The window shows it; the optimiser reads the
/// flag between atoms and sets it itself when the run has converged.
class StopTool
{
public:
  static constexpr const char* caption = "Optimizing Geometry";
  static constexpr const char* strainLabel = "Strain";
  static constexpr const char* unitLabel = "Kcal";
  static constexpr const char* stopCaption = "Stop";

  /// The window appears: the stop flag is cleared.
  void FormShow();
  /// The Stop button: the window hides and the stop flag is set.
  void StopBitBtn1Click();
  void hide() { m_visible = false; }

  /// lblEnergy := energy (cal/mol) x 0.001, width 8 with 2 decimals.
  void showEnergy(double energy);

  bool stopFlag() const { return m_stop; }
  void setStopFlag(bool stop) { m_stop = stop; }
  bool visible() const { return m_visible; }
  const std::string& lblEnergy() const { return m_energy; }

private:
  bool m_stop = false;
  bool m_visible = false;
  std::string m_energy;
};

} // namespace trelvix
