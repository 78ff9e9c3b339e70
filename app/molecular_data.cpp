#include "app/molecular_data.h"

#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/molecular_data.h"
#include "mechanics/thermochemistry.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelvix {

namespace {

QLineEdit* field(QWidget* owner, const char* name, const char* hint = nullptr)
{
  auto* edit = new QLineEdit(owner);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setReadOnly(true);
  if (hint)
    edit->setToolTip(QString::fromLatin1(hint));
  return edit;
}

QString text(const std::string& s)
{
  return QString::fromStdString(s);
}

// A value in the window's units with its decimals, blank when the source does not give it.
QString valueText(const std::optional<double>& value, double scale, int decimals)
{
  return value ? QString::number(*value * scale, 'f', decimals) : QString();
}

} // namespace

TMolecularData::TMolecularData(CommandLayer& layer, QWidget* parent)
  : QDialog(parent)
  , ChemicalFormula(field(this, "ChemicalFormula"))
  , FormulaWeight(field(this, "FormulaWeight", "Formula weight in gram moles"))
  , ChemicalComposition(field(this, "ChemicalComposition"))
  , StrainEnergyLabel(new QLabel(this))
  , DipoleMoment(field(this, "DipoleMoment", "Dipole moment in debyes"))
  , MomentsOfInertia(field(this, "MomentsOfInertia", "Principal moments of inertia"))
  , ThermoTemperature(new QDoubleSpinBox(this))
  , ThermoIdentity(field(this, "ThermoIdentity", "The species the tables know it as"))
  , ThermoSource(field(this, "ThermoSource", "Where the figures come from, and how"))
  , FormationEnthalpy(field(this, "FormationEnthalpy", "Standard formation enthalpy, Kcal/mol"))
  , StandardEntropy(field(this, "StandardEntropy", "Standard entropy, cal/(mol K)"))
  , HeatCapacity(field(this, "HeatCapacity", "Heat capacity, cal/(mol K)"))
  , HeatContent(field(this, "HeatContent", "H - H(298.15 K), Kcal/mol"))
  , FormationGibbs(field(this, "FormationGibbs", "Standard Gibbs energy of formation, Kcal/mol"))
  , m_layer(layer)
{
  setWindowTitle(QStringLiteral("Molecular Data"));
  StrainEnergyLabel->setObjectName(QStringLiteral("StrainEnergyLabel"));

  auto* grid = new QGridLayout;
  const auto caption = [this](const char* s) { return new QLabel(QString::fromUtf8(s), this); };
  grid->addWidget(caption("Chemical Formula"), 0, 0);
  grid->addWidget(ChemicalFormula, 0, 1, 1, 2);
  grid->addWidget(caption("Formula Wt:"), 1, 0);
  grid->addWidget(FormulaWeight, 1, 1, 1, 2);
  grid->addWidget(caption("Composition ( Weight % )"), 2, 0);
  grid->addWidget(ChemicalComposition, 2, 1, 1, 2);
  grid->addWidget(caption("Strain"), 3, 0);
  grid->addWidget(StrainEnergyLabel, 3, 1);
  grid->addWidget(caption("Kcal"), 3, 2);
  grid->addWidget(caption("Dipole Moment :"), 4, 0);
  grid->addWidget(DipoleMoment, 4, 1, 1, 2);
  grid->addWidget(caption("Principal Moments(amu-Å²)"), 5, 0);
  grid->addWidget(MomentsOfInertia, 5, 1, 1, 2);

  // The standard thermochemistry at 1 bar and the chosen temperature.
  ThermoTemperature->setObjectName(QStringLiteral("ThermoTemperature"));
  ThermoTemperature->setRange(50, 3000);
  ThermoTemperature->setDecimals(2);
  ThermoTemperature->setValue(298.15);
  ThermoTemperature->setSuffix(QStringLiteral(" K"));
  const std::array<std::pair<const char*, QWidget*>, 8> thermoRows{ {
    { "Temperature", ThermoTemperature },
    { "Species", ThermoIdentity },
    { "Source", ThermoSource },
    { "ΔfH° (Kcal)", FormationEnthalpy },
    { "S° (cal/K)", StandardEntropy },
    { "Cp (cal/K)", HeatCapacity },
    { "H − H(298) (Kcal)", HeatContent },
    { "ΔfG° (Kcal)", FormationGibbs },
  } };
  for (std::size_t k = 0; k < thermoRows.size(); ++k) {
    const int row = 6 + static_cast<int>(k);
    grid->addWidget(caption(thermoRows[k].first), row, 0);
    grid->addWidget(thermoRows[k].second, row, 1, 1, 2);
  }
  connect(
    ThermoTemperature, &QDoubleSpinBox::valueChanged, this, &TMolecularData::showThermochemistry);

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
}

void TMolecularData::measure()
{
  tStructure* group = m_layer.measuredGroup();
  tStructure& object = m_layer.measuredObject();
  ChemicalFormula->setText(text(formulaText(object)));
  ChemicalComposition->setText(text(compositionText(object)));
  FormulaWeight->setText(text(formulaWeightText(object)));

  // A group bonded to atoms outside it is no whole molecule: it has no dipole, strain or
  // moments of its own.
  if (group && group->GetLigands() != 0)
    return;
  m_layer.ComputeCharges(object);
  DipoleMoment->setText(text(dipoleText(object.DipoleMoment(), 6)));
  StrainEnergyLabel->setText(text(strainText(totalStrainEnergy(object), 6)));
  // The group's moments are shown whole, the document's with one decimal.
  MomentsOfInertia->setText(text(momentsText(object.principalmoments(), group ? 0 : 1, " ")));
  showThermochemistry();
}

void TMolecularData::showThermochemistry()
{
  tStructure* group = m_layer.measuredGroup();
  const std::array<QLineEdit*, 7> fields{ ThermoIdentity,  ThermoSource, FormationEnthalpy,
                                          StandardEntropy, HeatCapacity, HeatContent,
                                          FormationGibbs };
  for (QLineEdit* f : fields)
    f->clear();
  if (group && group->GetLigands() != 0)
    return;
  const SpeciesFigures f = speciesFigures(m_layer.measuredObject(), ThermoTemperature->value());
  ThermoIdentity->setText(text(f.identity.empty() ? f.formula : f.identity));
  ThermoSource->setText(text(f.how));
  ThermoSource->setCursorPosition(0);
  FormationEnthalpy->setText(valueText(f.dHf, 0.001, 2));
  StandardEntropy->setText(valueText(f.S, 1, 2));
  HeatCapacity->setText(valueText(f.Cp, 1, 2));
  HeatContent->setText(valueText(f.heatContent, 0.001, 2));
  FormationGibbs->setText(valueText(f.dGf, 0.001, 2));
}

} // namespace trelvix
