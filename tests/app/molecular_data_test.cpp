// Molecular Data from the Chemistry menu: formula, weight, composition, dipole and moments of the
// whole document, or of the group editor's group.
#include "app/molecular_data.h"
#include "app_fixture.h"
#include "model/atom.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int methaneCode = 571;
constexpr int waterCode = 573;

QString field(TMolecularData& window, const char* name)
{
  if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name)))
    return edit->text().trimmed();
  if (auto* label = window.findChild<QLabel*>(QString::fromLatin1(name)))
    return label->text().trimmed();
  return QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

TMolecularData* molecularData(TTrelvix3D& window)
{
  keepNextDialogOpen(window);
  window.perform(Command::MolecularData);
  return window.findChild<TMolecularData*>();
}

/// One molecule with its hydrogens placed in 3D.
void buildWithHydrogens(TTrelvix3D& window, int code)
{
  window.layer().BuildAt(200, 200, code);
  window.layer().Reset();
  window.layer().AddProtons3D();
}

/// A rectangle around the carbon and one hydrogen that holds no other atom; null when none.
QRectF boxOfCarbonAndOneHydrogen(const tDrawing& drawing)
{
  const tXY* carbon = nullptr;
  for (const tXY* a : drawing.Atoms) {
    if (a->element == 6)
      carbon = a;
  }
  for (const tXY* h : drawing.Atoms) {
    if (!carbon || h->element != 1)
      continue;
    const QRectF box = QRectF(QPointF(carbon->x3, carbon->y3), QPointF(h->x3, h->y3))
                         .normalized()
                         .adjusted(-2, -2, 2, 2);
    const auto inside = std::count_if(drawing.Atoms.begin(),
                                      drawing.Atoms.end(),
                                      [&](const tXY* a) { return box.contains(a->x3, a->y3); });
    if (inside == 2)
      return box;
  }
  return {};
}

/// The last message box of the window: caption and text.
std::pair<std::string, std::string> lastMessage(TTrelvix3D& window)
{
  const auto& shown = window.shell().shown();
  if (shown.empty())
    return {};
  return { shown.back().caption, shown.back().text };
}

QStringList moments(TMolecularData& window)
{
  return field(window, "MomentsOfInertia").split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class MolecularDataTest : public QObject
{
  Q_OBJECT

private slots:
  void methaneShowsItsFormulaWeightAndComposition()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, methaneCode);
    TMolecularData* data = molecularData(*window);
    QVERIFY(data);
    QVERIFY(data->isVisible());
    QCOMPARE(data->windowTitle(), QStringLiteral("Molecular Data"));
    QCOMPARE(field(*data, "ChemicalFormula"), QStringLiteral("C H4"));
    // 12.011 + 4 × 1.008
    QCOMPARE(field(*data, "FormulaWeight"), QStringLiteral("16.043"));
    // C 12.011 × 100 / 16.043 = 74.87, H 4.032 × 100 / 16.043 = 25.13
    QCOMPARE(field(*data, "ChemicalComposition"), QStringLiteral("C 74.9 H 25.1"));
    QCOMPARE(data->findChild<QLineEdit*>(QStringLiteral("FormulaWeight"))->toolTip(),
             QStringLiteral("Formula weight in gram moles"));
    QCOMPARE(data->findChild<QLineEdit*>(QStringLiteral("DipoleMoment"))->toolTip(),
             QStringLiteral("Dipole moment in debyes"));
  }

  // Water from the reference table at 298.15 K (NASA Glenn, as NIST-JANAF): ΔfH° -241.83 kJ =
  // -57.80 Kcal, S° 188.83 J/K = 45.13 cal/K; at 1000 K H − H(298) 26.00 kJ = 6.21 Kcal.
  void waterShowsItsStandardThermochemistryWithItsSource()
  {
    auto window = openWindow();
    buildWithHydrogens(*window, waterCode);
    TMolecularData* data = molecularData(*window);
    QVERIFY(data);
    QCOMPARE(field(*data, "ThermoIdentity"), QStringLiteral("water"));
    QCOMPARE(field(*data, "ThermoSource"),
             QStringLiteral("water (gas): reference data, NASA-Glenn"));
    QCOMPARE(field(*data, "FormationEnthalpy"), QStringLiteral("-57.80"));
    QCOMPARE(field(*data, "StandardEntropy"), QStringLiteral("45.13"));
    QCOMPARE(field(*data, "HeatContent"), QStringLiteral("0.00"));
    data->findChild<QDoubleSpinBox*>(QStringLiteral("ThermoTemperature"))->setValue(1000);
    QCOMPARE(field(*data, "HeatContent"), QStringLiteral("6.21"));
  }

  void anEmptyDocumentHasNoMolecule()
  {
    auto window = openWindow();
    window->perform(Command::MolecularData);
    QVERIFY(!window->findChild<TMolecularData*>());
    QVERIFY(!window->shell().shown().empty());
    QCOMPARE(window->shell().shown().back().text, std::string("No Molecule"));
  }

  void aSymmetricMoleculeHasNoDipoleAndWaterHasOne()
  {
    auto window = openWindow();
    buildWithHydrogens(*window, methaneCode);
    TMolecularData* data = molecularData(*window);
    QVERIFY(data);
    QCOMPARE(field(*data, "DipoleMoment"), QStringLiteral("0.00D"));

    window->layer().NewDocument();
    buildWithHydrogens(*window, waterCode);
    molecularData(*window);
    const QString water = field(*data, "DipoleMoment");
    QVERIFY2(water.endsWith(QLatin1Char('D')), qPrintable(water));
    QVERIFY2(water.chopped(1).toDouble() > 0.5, qPrintable(water));
  }

  void theGroupsMomentsAreWholeTheDocumentsHaveOneDecimal()
  {
    auto window = openWindow();
    buildWithHydrogens(*window, methaneCode);
    TMolecularData* data = molecularData(*window);
    QVERIFY(data);
    const QStringList document = moments(*data);
    QCOMPARE(document.size(), 3);
    const QRegularExpression oneDecimal(QStringLiteral("^\\d+\\.\\d$"));
    for (const QString& m : document)
      QVERIFY2(oneDecimal.match(m).hasMatch(), qPrintable(m));
    // A regular tetrahedron is a spherical top: its three moments are equal.
    QCOMPARE(document[1], document[0]);
    QCOMPARE(document[2], document[0]);
    QVERIFY(document[0].toDouble() > 1);

    tStructure* methane = window->layer().drawing().Groups.At(0);
    QVERIFY(window->layer().openGroupEditor(methane).changed);
    molecularData(*window);
    const QStringList group = moments(*data);
    QCOMPARE(group.size(), 3);
    const QString whole = QString::number(std::lround(document[0].toDouble()));
    for (const QString& m : group)
      QCOMPARE(m, whole);
    QCOMPARE(field(*data, "ChemicalFormula"), QStringLiteral("C H4"));
  }

  void aGroupThatIsNoWholeMoleculeKeepsTheValuesShownBefore()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, methaneCode);
    window->layer().Reset();
    window->layer().AddProtons2D();
    TMolecularData* data = molecularData(*window);
    QVERIFY(data);
    const QString dipole = field(*data, "DipoleMoment");
    const QString strain = field(*data, "StrainEnergyLabel");
    const QString moments = field(*data, "MomentsOfInertia");
    QVERIFY(!moments.isEmpty());

    // The carbon with one of its hydrogens: the others are bonded to the group from outside.
    const QRectF box = boxOfCarbonAndOneHydrogen(window->layer().drawing());
    QVERIFY(!box.isNull());
    QVERIFY(
      window->layer().selectRectangle(box.left(), box.top(), box.right(), box.bottom()).changed);
    QCOMPARE(window->layer().editorMode(), EditorMode::GroupEditor);
    QCOMPARE(window->layer().editedGroup()->Atoms.Count(), 2);
    molecularData(*window);
    QCOMPARE(field(*data, "ChemicalFormula"), QStringLiteral("C H"));
    // 12.011 + 1.008
    QCOMPARE(field(*data, "FormulaWeight"), QStringLiteral("13.019"));
    QCOMPARE(field(*data, "DipoleMoment"), dipole);
    QCOMPARE(field(*data, "StrainEnergyLabel"), strain);
    QCOMPARE(field(*data, "MomentsOfInertia"), moments);
  }

  void theValueCommandsShowOneNumberEach()
  {
    auto window = openWindow();
    buildWithHydrogens(*window, methaneCode);

    QVERIFY(choose(*window, "C&hemistry", "Di&pole Moment"));
    QCOMPARE(lastMessage(*window),
             std::make_pair(std::string("Dipole Moment"), std::string("0.00D")));

    QVERIFY(choose(*window, "C&hemistry", "Principal Mome&nts"));
    const auto [momentsCaption, momentsText] = lastMessage(*window);
    QCOMPARE(momentsCaption, std::string("Principal Inertial Moments"));
    // Methane is a spherical top: three equal whole numbers, each followed by its unit.
    const QRegularExpression threeWhole(
      QStringLiteral("^ *(\\d+)amu-Å² +(\\d+)amu-Å² +(\\d+)amu-Å²$"));
    const auto m = threeWhole.match(QString::fromStdString(momentsText));
    QVERIFY2(m.hasMatch(), momentsText.c_str());
    QCOMPARE(m.captured(2), m.captured(1));
    QCOMPARE(m.captured(3), m.captured(1));
    QVERIFY(m.captured(1).toInt() > 1);

    QVERIFY(choose(*window, "C&hemistry", "&Strain Energy"));
    const auto [strainCaption, strainText] = lastMessage(*window);
    QCOMPARE(strainCaption, std::string("Strain Energy"));
    const QRegularExpression kcal(QStringLiteral("^ *-?\\d+\\.\\d{3} Kcal$"));
    QVERIFY2(kcal.match(QString::fromStdString(strainText)).hasMatch(), strainText.c_str());
  }

  void labelsAndSymbolsAreNoMolecule()
  {
    auto window = openWindow();
    QVERIFY(window->layer().AddText(607, "Step 1", 100, 200).changed);
    QVERIFY(window->layer().drawing().Atoms.Count() > 0);
    const std::pair<const char*, const char*> items[] = {
      { "C&hemistry", "Molecular &Data ..." },
      { "C&hemistry", "Di&pole Moment" },
      { "C&hemistry", "Principal Mome&nts" },
      { "C&hemistry", "&Strain Energy" },
    };
    for (const auto& [path, caption] : items) {
      const auto before = window->shell().shown().size();
      QVERIFY2(choose(*window, path, caption), caption);
      QCOMPARE(window->shell().shown().size(), before + 1);
      QCOMPARE(lastMessage(*window).second, std::string("No Molecule"));
    }
    QVERIFY(!window->findChild<TMolecularData*>());
  }
};

QTEST_MAIN(MolecularDataTest)
#include "molecular_data_test.moc"
