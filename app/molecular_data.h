#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace trelvix {

class CommandLayer;

/// The property window "Molecular Data" (modal): formula, formula weight, composition, strain
/// energy, dipole moment and principal moments of the measured object, which is the group
/// editor's group while the group editor is open and the whole document otherwise; and its
/// standard thermochemistry at the chosen temperature with the source it came from. The window
/// shows the core's texts; it changes nothing.
class TMolecularData : public QDialog
{
  Q_OBJECT

public:
  TMolecularData(CommandLayer& layer, QWidget* parent = nullptr);

  /// Fills the fields for the measured object. A group that is not a whole molecule (atoms
  /// outside it are bonded to it) gets its formula and weight; its strain, dipole and moments
  /// keep the texts they had.
  void measure();

private:
  /// The thermochemistry fields at the chosen temperature.
  void showThermochemistry();

  // The fields carry their names as object names too.
  QLineEdit* ChemicalFormula;
  QLineEdit* FormulaWeight;
  QLineEdit* ChemicalComposition;
  QLabel* StrainEnergyLabel;
  QLineEdit* DipoleMoment;
  QLineEdit* MomentsOfInertia;
  QDoubleSpinBox* ThermoTemperature;
  QLineEdit* ThermoIdentity;
  QLineEdit* ThermoSource;
  QLineEdit* FormationEnthalpy;
  QLineEdit* StandardEntropy;
  QLineEdit* HeatCapacity;
  QLineEdit* HeatContent;
  QLineEdit* FormationGibbs;
  CommandLayer& m_layer;
};

} // namespace trelvix
