#pragma once

#include "commands/command_result.h"
#include "forcefields/ir_spectrum.h"
#include "forcefields/vibrations.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;
class QTimer;

namespace trelvix {

class CommandLayer;
class QtShell;
class SpectrumView;

/// The tool window "Vibrations": the normal modes of the measured object (the group editor's
/// group, else the whole document) with MMFF94, or UFF where MMFF94 cannot type an atom, listed
/// with their wavenumbers and IR intensities beside the IR spectrum (Lorentzian bands of
/// adjustable half width, absorbance or transmittance, the wavenumber axis decreasing to the
/// right). Choosing a mode swings the atoms along it on the drawing (amplitude adjustable) until
/// Stop, which puts every atom back where it was; "Export ..." writes the plot (SVG, PNG, PDF) or
/// the table (CSV). While the Hessian is computed the window processes events and Stop ends it.
class TVibrationsTool
  : public QDialog
  , public CommandObserver
{
  Q_OBJECT

public:
  TVibrationsTool(CommandLayer& layer, QtShell& shell, QWidget* parent = nullptr);
  ~TVibrationsTool() override;

  /// Computes the modes of the measured object; false (the reason shown as a message) when there
  /// are none.
  bool analyse();
  const StructureVibrations& vibrations() const { return m_vibrations; }
  const SpectrumOptions& spectrumOptions() const { return m_options; }

  /// Starts swinging the atoms along mode (a row of the table).
  void animateMode(int mode);
  /// Ends the swing and the Hessian's computation; the atoms go back where they were analysed.
  void stop();
  bool animating() const;
  /// The plot (.svg, .png, .pdf) or the table of modes (.csv) written to path; an empty text on
  /// success, else why not.
  std::string exportTo(const QString& path) const;

  // CommandObserver: a changed document makes the modes stale.
  void documentReplaced() override;
  void documentChanged() override;

signals:
  void modesChanged();

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void fillTable();
  void step();
  void exportChosen();
  void forgetModes(bool restore);

  CommandLayer& m_layer;
  QtShell& m_shell;
  StructureVibrations m_vibrations;
  SpectrumOptions m_options;
  QTableWidget* m_table;
  SpectrumView* m_plot;
  QDoubleSpinBox* m_width;
  QCheckBox* m_transmittance;
  QSlider* m_amplitude;
  QLabel* m_status;
  QPushButton* m_stop;
  QPushButton* m_export;
  QTimer* m_timer;
  int m_mode = -1;
  double m_phase = 0;
  bool m_stopRequested = false;
};

} // namespace trelvix
