// Molecules as text through the clipboard: Copy as SMILES, Copy as MOL, and Paste placing SMILES
// or MOL text at the pointer as one undo step.
#include "app_fixture.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <algorithm>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

/// The elements of the document's heavy atoms (no hydrogens, no labels), sorted.
std::vector<int> heavyAtoms(TTrelvix3D& window)
{
  std::vector<int> z;
  for (const tXY* a : window.layer().drawing().Atoms)
    if (a->isatom() && a->element != 1)
      z.push_back(a->element);
  std::sort(z.begin(), z.end());
  return z;
}

void pointAt(TTrelvix3D& window, QPoint at)
{
  QTest::mouseMove(&window.surface(), at + QPoint(30, 30));
  QTest::mouseMove(&window.surface(), at);
}

} // namespace

class ClipboardTextTest : public QObject
{
  Q_OBJECT

private slots:
  void init()
  {
    modelDefaults() = ModelDefaults{};
    QGuiApplication::clipboard()->clear();
  }

  void pasteOfCCOAddsEthanolAtThePointerInOneUndoStep()
  {
    auto window = openWindow();
    window->layer().AddAtom(7, 80, 80); // something there already
    QGuiApplication::clipboard()->setText(QStringLiteral("CCO"));
    pointAt(*window, QPoint(300, 200));
    QVERIFY(choose(*window, "&Edit", "&Paste"));
    // Ethanol, C2H5OH: two carbons and an oxygen beside the nitrogen.
    QCOMPARE(heavyAtoms(*window), (std::vector<int>{ 6, 6, 7, 8 }));
    double cx = 0, cy = 0;
    int n = 0;
    for (const tXY* a : window->layer().drawing().Atoms) {
      if (a->isatom() && a->element != 7 && a->element != 1) {
        cx += a->x3;
        cy += a->y3;
        ++n;
      }
    }
    // Centred on the pointer, within a bond length (28 pixels).
    QVERIFY(std::hypot(cx / n - 300, cy / n - 200) < 28);
    window->layer().Undo();
    QCOMPARE(heavyAtoms(*window), (std::vector<int>{ 7 }));
  }

  void copyAsSmilesGivesTheMoleculeAsText()
  {
    auto window = openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("OCC"));
    pointAt(*window, QPoint(200, 200));
    QVERIFY(choose(*window, "&Edit", "&Paste"));
    QGuiApplication::clipboard()->clear();
    QVERIFY(choose(*window, "&Edit", "Copy as &SMILES"));
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    // Ethanol written from either end.
    QVERIFY2(text == QStringLiteral("CCO") || text == QStringLiteral("OCC"), qPrintable(text));
  }

  void copyAsMolThenPasteDoublesTheMolecule()
  {
    auto window = openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("C=O")); // formaldehyde
    pointAt(*window, QPoint(150, 150));
    QVERIFY(choose(*window, "&Edit", "&Paste"));
    QVERIFY(choose(*window, "&Edit", "Copy as &MOL"));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(QStringLiteral("chemical/x-mdl-molfile")));
    QVERIFY(data->text().contains(QStringLiteral("M  END")));
    pointAt(*window, QPoint(350, 250));
    QVERIFY(choose(*window, "&Edit", "&Paste"));
    QCOMPARE(heavyAtoms(*window), (std::vector<int>{ 6, 6, 8, 8 }));
    // The second one where the pointer was, not beside the first.
    int near = 0;
    for (const tXY* a : window->layer().drawing().Atoms)
      near += a->isatom() && std::hypot(a->x3 - 350, a->y3 - 250) < 28 ? 1 : 0;
    QVERIFY(near >= 2);
  }

  void pasteOfNoMoleculeSaysSoAndChangesNothing()
  {
    auto window = openWindow();
    window->shell().clearShown();
    QVERIFY(choose(*window, "&Edit", "&Paste"));
    QCOMPARE(window->shell().shown().back().text, std::string("Nothing to Paste"));
    QGuiApplication::clipboard()->setText(QStringLiteral("C1CC(("));
    QVERIFY(choose(*window, "&Edit", "&Paste"));
    QVERIFY(window->shell().shown().back().text.starts_with("Cannot paste: "));
    QCOMPARE(atomCount(*window), 0);
    QVERIFY(!window->layer().canUndo());
    // Copy with nothing drawn.
    QVERIFY(choose(*window, "&Edit", "Copy as &SMILES"));
    QCOMPARE(window->shell().shown().back().text, std::string("No Molecule"));
  }
};

QTEST_MAIN(ClipboardTextTest)
#include "clipboard_text_test.moc"
