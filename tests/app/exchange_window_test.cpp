// Other programs' structure files in the window: Import Structure File, Export Structure File
// and Add from SMILES.
#include "app_fixture.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/link.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>
#include <cmath>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

// Acetaldehyde as a V2000 molfile: C1-C2 single, C2=O3 double, hydrogens implicit.
constexpr const char* acetaldehydeMol = "acetaldehyde\n"
                                        "  handmade\n"
                                        "\n"
                                        "  3  2  0  0  0  0  0  0  0  0999 V2000\n"
                                        "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  "
                                        "0  0  0  0  0  0\n"
                                        "    1.5000    0.0000    0.0000 C   0  0  0  0  0  0  "
                                        "0  0  0  0  0  0\n"
                                        "    2.2500    1.2990    0.0000 O   0  0  0  0  0  0  "
                                        "0  0  0  0  0  0\n"
                                        "  1  2  1  0\n"
                                        "  2  3  2  0\n"
                                        "M  END\n";

// The counts line promises three atoms; the file ends after one.
constexpr const char* truncatedMol = "broken\n"
                                     "  handmade\n"
                                     "\n"
                                     "  3  2  0  0  0  0  0  0  0  0999 V2000\n"
                                     "    0.0000    0.0000    0.0000 C   0  0  0  0  0  0  "
                                     "0  0  0  0  0  0\n";

QString writeFile(const QTemporaryDir& folder, const char* name, const char* text)
{
  const QString path = folder.filePath(QString::fromLatin1(name));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return {};
  file.write(text);
  return path;
}

QString readFile(const QString& path)
{
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll());
}

int bondCount(TTrelvix3D& window)
{
  return window.layer().drawing().Bonds.Count();
}

int bondsOfCode(TTrelvix3D& window, int code)
{
  int n = 0;
  for (const tLink* bond : window.layer().drawing().Bonds)
    n += bond->typeCode % 100 == code ? 1 : 0;
  return n;
}

/// The carbon atoms of the document: how many, the nearest and farthest from a point in the
/// plane, and the range of their depths.
struct Carbons
{
  int count = 0;
  double nearest = 1e9;
  double farthest = 0;
  double lowestZ = 1e9;
  double highestZ = -1e9;
};

Carbons carbonsAround(TTrelvix3D& window, QPointF point = {})
{
  Carbons carbons;
  for (const tXY* atom : window.layer().drawing().Atoms) {
    if (atom->element != 6)
      continue;
    ++carbons.count;
    const double distance = std::hypot(atom->x3 - point.x(), atom->y3 - point.y());
    carbons.nearest = std::min(carbons.nearest, distance);
    carbons.farthest = std::max(carbons.farthest, distance);
    carbons.lowestZ = std::min(carbons.lowestZ, atom->z3);
    carbons.highestZ = std::max(carbons.highestZ, atom->z3);
  }
  return carbons;
}

} // namespace

class ExchangeWindowTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults().DrawMode3D = false; }

  void importAppendsTheMoleculesAsOneEdit()
  {
    QTemporaryDir folder;
    const QString path = writeFile(folder, "acetaldehyde.mol", acetaldehydeMol);
    auto window = openWindow();
    window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 154)->trigger();
    pressAt(*window, { 120, 150 });
    window->layer().Reset();
    QCOMPARE(atomCount(*window), 6);
    QCOMPARE(bondCount(*window), 6);
    const int doubles = bondsOfCode(*window, 4);

    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Import Structure File ..."));
    QVERIFY(window->shell().shown().empty());
    QCOMPARE(atomCount(*window), 6 + 3);
    QCOMPARE(bondCount(*window), 6 + 2);
    QCOMPARE(bondsOfCode(*window, 4), doubles + 1); // the C=O
    QCOMPARE(window->layer().drawing().Groups.Count(), 2);

    QVERIFY(window->layer().canUndo());
    QVERIFY(choose(*window, "", "Undo"));
    QCOMPARE(atomCount(*window), 6);
    QCOMPARE(bondCount(*window), 6);
  }

  void theThreeDDrawModeImportsAModel()
  {
    // A chair cyclohexane cannot lie in one plane of constant depth; the flat depiction does.
    QTemporaryDir folder;
    const QString path = writeFile(folder, "cyclohexane.smi", "C1CCCCC1 cyclohexane\n");
    for (const bool mode3D : { false, true }) {
      modelDefaults().DrawMode3D = mode3D;
      auto window = openWindow();
      window->shell().queueFileChoice(path);
      QVERIFY(choose(*window, "&File", "Import Structure File ..."));
      const Carbons ring = carbonsAround(*window);
      QCOMPARE(ring.count, 6);
      QCOMPARE(ring.highestZ - ring.lowestZ > 1, mode3D);
    }
  }

  void aBadFileIsNamedAndChangesNothing_data()
  {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("truncated molfile") << "broken.mol" << QString::fromLatin1(truncatedMol);
    QTest::newRow("not a SMILES") << "words.smi" << QStringLiteral("C1CC(\n");
    QTest::newRow("unknown extension") << "notes.txt" << QStringLiteral("CCO\n");
  }

  void aBadFileIsNamedAndChangesNothing()
  {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QTemporaryDir folder;
    const QByteArray bytes = text.toLatin1();
    const QString path = writeFile(folder, name.toLatin1().constData(), bytes.constData());
    auto window = openWindow();
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Import Structure File ..."));
    QCOMPARE(window->shell().shown().size(), std::size_t(1));
    QVERIFY(QString::fromStdString(window->shell().shown().front().text).contains(name));
    QCOMPARE(atomCount(*window), 0);
    QVERIFY(!window->layer().canUndo());
  }

  void exportWritesTheDocumentsMolecules()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    // Ethanol typed from its oxygen end: the file holds the canonical form.
    window->shell().queueText(QStringLiteral("OCC"));
    QVERIFY(choose(*window, "&Atom", "Add from SM&ILES ..."));
    pressAt(*window, { 200, 200 });
    QCOMPARE(atomCount(*window), 3);

    const QString smi = folder.filePath(QStringLiteral("ethanol.smi"));
    window->shell().queueFileChoice(smi);
    QVERIFY(choose(*window, "&File", "Export Structure File ..."));
    QVERIFY(window->shell().shown().empty());
    const QStringList lines = readFile(smi).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.front().split(QLatin1Char(' ')).front(), QStringLiteral("CCO"));

    const QString sdf = folder.filePath(QStringLiteral("ethanol.sdf"));
    window->shell().queueFileChoice(sdf);
    QVERIFY(choose(*window, "&File", "Export Structure File ..."));
    const QStringList record = readFile(sdf).split(QLatin1Char('\n'));
    QVERIFY(record.size() > 8);
    QVERIFY2(record[3].startsWith(QStringLiteral("  3  2")), qPrintable(record[3]));
    QVERIFY(record[3].endsWith(QStringLiteral("V2000")));
    QCOMPARE(record.filter(QStringLiteral("$$$$")).size(), 1);
  }

  void exportRefusesADocumentWithoutMolecules()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    const QString path = folder.filePath(QStringLiteral("empty.sdf"));
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Export Structure File ..."));
    QCOMPARE(window->shell().shown().size(), std::size_t(1));
    QCOMPARE(window->shell().shown().front().text, std::string("No Molecule"));
    QCOMPARE(window->shell().fileDialogs(), 0);
    QVERIFY(!QFile::exists(path));
  }

  void aFailedWriteSaysWhereAndKeepsTheOldFile()
  {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("no/such/folder/ethanol.mol"));
    // A folder where the file should be: it is never replaced.
    const QString blocked = folder.filePath(QStringLiteral("taken.sdf"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.sdf")));
    auto window = openWindow();
    window->shell().queueText(QStringLiteral("CCO"));
    QVERIFY(choose(*window, "&Atom", "Add from SM&ILES ..."));
    pressAt(*window, { 200, 200 });
    for (const QString& path : { missing, blocked }) {
      window->shell().clearShown();
      window->shell().queueFileChoice(path);
      QVERIFY(choose(*window, "&File", "Export Structure File ..."));
      QCOMPARE(window->shell().shown().size(), std::size_t(1));
      const std::string text = window->shell().shown().front().text;
      QVERIFY2(text.starts_with("Cannot write " + path.toStdString()), text.c_str());
    }
    QVERIFY(!QFile::exists(missing));
    QVERIFY(QFileInfo(blocked).isDir());
  }

  void aSmilesIsPlacedAtTheNextPressOnce()
  {
    auto window = openWindow();
    window->shell().queueText(QStringLiteral("c1ccccc1"));
    QVERIFY(choose(*window, "&Atom", "Add from SM&ILES ..."));
    QVERIFY(window->shell().shown().empty());
    QVERIFY(window->layer().placementArmed());
    QCOMPARE(atomCount(*window), 0);

    const QPoint press{ 300, 220 };
    pressAt(*window, press);
    const Carbons ring = carbonsAround(*window, press);
    QCOMPARE(ring.count, 6);
    QCOMPARE(atomCount(*window), 6); // hydrogens are written on the atoms in 2D
    QCOMPARE(bondCount(*window), 6);
    // A regular hexagon centred on the press: every atom one bond length from its centre.
    const double bond = modelDefaults().BondScalePixels;
    QVERIFY2(ring.nearest > bond - 2 && ring.farthest < bond + 2,
             qPrintable(QStringLiteral("%1 .. %2").arg(ring.nearest).arg(ring.farthest)));
    QVERIFY(!window->layer().placementArmed());

    QVERIFY(choose(*window, "", "Undo"));
    QCOMPARE(atomCount(*window), 0);
    QVERIFY(choose(*window, "", "Redo"));
    QCOMPARE(atomCount(*window), 6);
    pressAt(*window, { 100, 100 }); // placed once: the next press places nothing
    QCOMPARE(atomCount(*window), 6);
  }

  void aBadSmilesShowsWhyAndArmsNothing()
  {
    auto window = openWindow();
    window->shell().queueText(QStringLiteral("c1cc"));
    QVERIFY(choose(*window, "&Atom", "Add from SM&ILES ..."));
    QCOMPARE(window->shell().shown().size(), std::size_t(1));
    QVERIFY(window->shell().shown().front().text.find("c1cc") != std::string::npos);
    QVERIFY(!window->layer().placementArmed());
    pressAt(*window, { 200, 200 });
    QCOMPARE(atomCount(*window), 0);
  }

  void escapeOrABuildCodeDisarmsTheMolecule()
  {
    auto window = openWindow();
    window->shell().queueText(QStringLiteral("CCO"));
    QVERIFY(choose(*window, "&Atom", "Add from SM&ILES ..."));
    QVERIFY(window->layer().placementArmed());
    QTest::keyClick(&window->surface(), Qt::Key_Escape);
    QVERIFY(!window->layer().placementArmed());

    window->shell().queueText(QStringLiteral("CCO"));
    QVERIFY(choose(*window, "&Atom", "Add from SM&ILES ..."));
    window->menus().action(MenuBarId::MainMenu1, Command::BuildCode, 154)->trigger();
    QVERIFY(!window->layer().placementArmed());
    pressAt(*window, { 200, 200 });
    QCOMPARE(atomCount(*window), 6); // the ring, not the alcohol
  }
};

QTEST_MAIN(ExchangeWindowTest)
#include "exchange_window_test.moc"
