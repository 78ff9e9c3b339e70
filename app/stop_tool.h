#pragma once

#include "mechanics/stop_tool.h"

#include <QDialog>

class QLabel;

namespace trelvix {

/// The small window shown while the geometry is optimised: "Strain", the energy, "Kcal" and a
/// "Stop" button that ends the run after the current atom. It holds the stop flag the optimiser
/// polls.
class TStopTool : public QDialog
{
  Q_OBJECT

public:
  explicit TStopTool(QWidget* parent = nullptr);

  StopTool& state() { return m_state; }
  /// Shows the window beside its owner (clear of its menu bar) and clears the stop flag.
  void FormShow();
  /// Hides the window without touching the flag (the run ended by itself).
  void finish();
  /// Shows the energy the optimiser last wrote (energy in cal/mol, as it was written).
  void refresh(double energy);
  QString energyText() const;

signals:
  /// After every optimiser pass, with the strain energy in cal/mol.
  void energyShown(double energy);

public slots:
  /// The Stop button: hides the window and sets the stop flag.
  void StopBitBtn1Click();

protected:
  void reject() override;

private:
  StopTool m_state;
  QLabel* m_energy;
};

} // namespace trelvix
