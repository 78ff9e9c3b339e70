#include "app/bond_editor.h"
#include "app_fixture.h"
#include "editor_fixture.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/link.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <numbers>

using namespace trelvix;
using trelvix::testing::EditorLayer;
using trelvix::testing::grab;
using trelvix::testing::letGo;

namespace {

/// A bond editor on the layer, with its controls found by name and caption.
struct Editor : EditorLayer
{
  TBondEditor window{ layer };

  QToolButton* picture(int index)
  {
    return window.findChild<QToolButton*>(QStringLiteral("Image%1").arg(index));
  }
  QScrollBar* bar() { return window.findChild<QScrollBar*>(QStringLiteral("ScrollBar1")); }
  QLabel* length() { return window.findChild<QLabel*>(QStringLiteral("LengthLabel")); }
  QLabel* strain() { return window.findChild<QLabel*>(QStringLiteral("StrainLabel")); }
  QPushButton* button(const char* caption)
  {
    for (QPushButton* b : window.findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(caption))
        return b;
    return nullptr;
  }
  void choose(const char* function)
  {
    for (QRadioButton* r : window.findChildren<QRadioButton*>())
      if (r->text() == QString::fromUtf8(function))
        r->click();
  }

  /// Ethane (two carbons one bond-length scale apart) with the bond editor opened on its bond
  /// by a Shift + right click on the bond's middle.
  tLink* ethaneBond()
  {
    layer.BuildAt(100, 100, 501);
    tLink* bond = layer.drawing().Bonds.At(0);
    layer.rightClick((bond->Atm1->x3 + bond->Atm2->x3) / 2,
                     (bond->Atm1->y3 + bond->Atm2->y3) / 2,
                     PointerKeys::Shift);
    window.open();
    return layer.editedBond();
  }
};

double angleOf(const tLink& bond)
{
  return std::atan2(bond.Atm2->y3 - bond.Atm1->y3, bond.Atm2->x3 - bond.Atm1->x3);
}

} // namespace

class BondEditorTest : public QObject
{
  Q_OBJECT

private slots:
  void controlsCarryTheirCaptionsAndHints()
  {
    Editor e;
    QCOMPARE(e.window.windowTitle(), QStringLiteral("Bond Editor"));
    QCOMPARE(e.window.toolTip(), QStringLiteral("Select F1 for Help"));
    for (int i = 1; i <= 9; ++i) {
      QVERIFY(e.picture(i));
      QCOMPARE(e.picture(i)->toolTip(), QStringLiteral("Select bond type "));
      // The ninth picture sets no type.
      QCOMPARE(e.picture(i)->isEnabled(), i != 9);
    }
    QCOMPARE(e.bar()->orientation(), Qt::Vertical);
    QCOMPARE(e.bar()->minimum(), -90);
    QCOMPARE(e.bar()->maximum(), 90);
    QCOMPARE(e.bar()->value(), 0);

    auto* functions = e.window.findChild<QGroupBox*>(QStringLiteral("RadioGroup1"));
    QVERIFY(functions);
    QCOMPARE(functions->toolTip(), QStringLiteral("Select scroll function"));
    const auto choices = functions->findChildren<QRadioButton*>();
    QCOMPARE(choices.size(), 3);
    QCOMPARE(choices[0]->text(), QStringLiteral("Pivot"));
    QCOMPARE(choices[1]->text(), QStringLiteral("Rotate"));
    QCOMPARE(choices[2]->text(), QStringLiteral("Zoom"));
    QVERIFY(choices[0]->isChecked());

    const struct
    {
      const char* caption;
      const char* hint;
    } buttons[] = {
      { "Line", "Toggle line thickness" },
      { "Cut", "Delete bond and update atomic valences" },
      { "<|>", "Shift multiple bond left, center and right" },
      { "Done", "" },
    };
    for (const auto& b : buttons) {
      QVERIFY2(e.button(b.caption), b.caption);
      QCOMPARE(e.button(b.caption)->toolTip(), QString::fromUtf8(b.hint));
    }
    QCOMPARE(e.length()->text(), QStringLiteral("0.00Å"));
    QCOMPARE(e.strain()->text(), QStringLiteral("0.00Kcal"));
    QCOMPARE(e.length()->toolTip(), QStringLiteral("Bond length and strain energy"));
    QCOMPARE(e.strain()->toolTip(), QStringLiteral("Bond length and strain energy"));
  }

  void theNinePicturesAreDrawnAndDiffer()
  {
    Editor e;
    QList<QImage> images;
    for (int i = 1; i <= 9; ++i) {
      const QImage image = e.picture(i)->icon().pixmap(e.picture(i)->iconSize()).toImage();
      int ink = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          ink += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
      QVERIFY2(ink > 20, qPrintable(QString::number(i)));
      QVERIFY(!images.contains(image));
      images << image;
    }
  }

  void theLabelsShowTheBondsLengthAndStrain()
  {
    Editor e;
    tLink* bond = e.ethaneBond();
    QVERIFY(bond);
    QVERIFY(e.window.isVisible());
    // 28 drawing units at scale 28 are 1.53 Å.
    QCOMPARE(e.length()->text(), QStringLiteral("  1.53Å"));
    // Morse strain of a C-C single bond (order 2 in half-bonds) 28 units long:
    //   ideal = (1.71 - 0.09 * 2) * (0.77 + 0.77 - 0.01) * 28 * 0.42178 = 27.6457 units,
    //   D = 29300 * 2 + 25600 = 84200 cal/mol,
    //   x = 1 - exp(-2.236068 * (28 - 27.6457) / 27.6457) = 0.028250,
    //   D * x^2 = 67.2 cal/mol = 0.07 kcal/mol.
    QCOMPARE(e.strain()->text(), QStringLiteral("  0.07Kcal"));
  }

  void eachPictureSetsItsBondType()
  {
    const struct
    {
      int picture;
      int type;
      int lineStyle; // 0: not checked
    } cases[] = {
      { 2, DoubleBond, 0 },    { 3, TripleBond, 0 },          { 4, HydrogenBond, 0 },
      { 5, ResonanceBond, 0 }, { 6, TripleResonanceBond, 0 }, { 1, SingleBond, 0 },
      { 7, SingleBond, 2 },    { 8, SingleBond, 3 },
    };
    Editor e;
    tLink* bond = e.ethaneBond();
    for (const auto& c : cases) {
      QTest::mouseClick(e.picture(c.picture), Qt::LeftButton);
      QCOMPARE(static_cast<int>(bond->bondType()), c.type);
      if (c.lineStyle != 0)
        QCOMPARE(static_cast<int>(bond->lineStyle), c.lineStyle);
    }
    // A double bond is shorter ideally: its strain at 28 units differs from the single bond's.
    QTest::mouseClick(e.picture(2), Qt::LeftButton);
    QVERIFY(e.strain()->text() != QStringLiteral("  0.07Kcal"));
    QVERIFY(e.layer.drawing().Bonds.Count() == 1);
    QVERIFY(e.shell.messages().empty());
  }

  void aPictureWithoutABondSaysSo()
  {
    Editor e;
    e.window.open();
    QTest::mouseClick(e.picture(1), Qt::LeftButton);
    QCOMPARE(e.shell.messages().size(), std::size_t(1));
    QCOMPARE(e.shell.messages().front().text, std::string("No Bond Selected"));
  }

  void rotateTurnsTheBondWhileDraggedAndTheBarComesBack()
  {
    Editor e;
    tLink* bond = e.ethaneBond();
    const double start = angleOf(*bond);
    e.choose("Rotate");
    grab(*e.bar(), { 10, 30, 60 });
    // Each track position turns from where the bond was taken: 60 degrees, not 100.
    QCOMPARE(e.bar()->value(), 60);
    const double turned = std::remainder(angleOf(*bond) - start, 2 * std::numbers::pi);
    QVERIFY(std::fabs(std::fabs(turned) - std::numbers::pi / 3) < 1e-6);
    letGo(*e.bar());
    QCOMPARE(e.bar()->value(), 0);
    QCOMPARE(e.length()->text(), QStringLiteral("  1.53Å"));
    // Released, the turned bond is the new start: a key step turns it one degree further.
    QTest::keyClick(e.bar(), Qt::Key_Down);
    QCOMPARE(e.bar()->value(), 0);
    const double stepped = std::remainder(angleOf(*bond) - start, 2 * std::numbers::pi);
    QVERIFY(std::fabs(std::fabs(stepped) - 61 * std::numbers::pi / 180) < 1e-6);
  }

  void zoomScalesTheBondAndTheLengthFollows()
  {
    Editor e;
    e.ethaneBond();
    e.choose("Zoom");
    grab(*e.bar(), { -20 });
    // Scaled by 1 - 0.20: 1.53 * 0.8 = 1.224 Å.
    QCOMPARE(e.length()->text(), QStringLiteral("  1.22Å"));
    letGo(*e.bar());
    QCOMPARE(e.bar()->value(), 0);
    QCOMPARE(e.length()->text(), QStringLiteral("  1.22Å"));
  }

  void lineAndSideChangeTheBond()
  {
    Editor e;
    tLink* bond = e.ethaneBond();
    const int width = bond->penWidth;
    QTest::mouseClick(e.button("Line"), Qt::LeftButton);
    QCOMPARE(static_cast<int>(bond->penWidth), (width + 1) % 4);
    // "<|>" is an edit of the bond: the layer tells its observers once.
    struct Counter : CommandObserver
    {
      int changes = 0;
      void documentChanged() override { ++changes; }
    } counter;
    e.layer.addObserver(&counter);
    QTest::mouseClick(e.button("<|>"), Qt::LeftButton);
    e.layer.removeObserver(&counter);
    QCOMPARE(counter.changes, 1);
  }

  void cutDeletesTheBondAndCloses()
  {
    Editor e;
    e.ethaneBond();
    QSignalSpy closed(&e.window, &TBondEditor::closed);
    QTest::mouseClick(e.button("Cut"), Qt::LeftButton);
    QCOMPARE(e.layer.drawing().Bonds.Count(), 0);
    QCOMPARE(e.layer.editedBond(), nullptr);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(closed.count(), 1);
  }

  void cutWithoutABondDoesNothing()
  {
    Editor e;
    e.window.open();
    QSignalSpy closed(&e.window, &TBondEditor::closed);
    QTest::mouseClick(e.button("Cut"), Qt::LeftButton);
    QVERIFY(e.window.isVisible());
    QCOMPARE(closed.count(), 0);
    QVERIFY(e.shell.messages().empty());
  }

  void doneAndTheCloseBoxHideAndSaySo()
  {
    Editor e;
    e.ethaneBond();
    QSignalSpy closed(&e.window, &TBondEditor::closed);
    QTest::mouseClick(e.button("Done"), Qt::LeftButton);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(closed.count(), 1);
    e.window.open();
    e.window.close();
    QVERIFY(!e.window.isVisible());
    QCOMPARE(closed.count(), 2);
    QCOMPARE(e.layer.drawing().Bonds.Count(), 1);
  }

  void f1AsksForHelpFromAnyControl()
  {
    Editor e;
    e.window.open();
    QSignalSpy help(&e.window, &TBondEditor::helpRequested);
    QTest::keyClick(e.bar(), Qt::Key_F1);
    QTest::keyClick(e.button("Line"), Qt::Key_F1);
    QCOMPARE(help.count(), 2);
    QCOMPARE(help.at(0).at(0).toInt(), 121); // the bond editor's page, help/121.html
    QCOMPARE(e.bar()->value(), 0);
  }

  void inTheProgramCutGoesBackToDrawing()
  {
    auto window = trelvix::testing::openWindow();
    modelDefaults() = ModelDefaults{};
    window->layer().BuildAt(200, 200, 501);
    const QRect screen = window->screen()->availableGeometry();
    window->setGeometry(screen.left(), screen.top(), 380, 400);
    const tLink* bond = window->layer().drawing().Bonds.At(0);
    const QPoint middle((bond->Atm1->screenX + bond->Atm2->screenX) / 2,
                        (bond->Atm1->screenY + bond->Atm2->screenY) / 2);
    QTest::mouseClick(&window->surface(), Qt::RightButton, Qt::ShiftModifier, middle);
    TBondEditor& editor = window->bondEditor();
    QVERIFY(editor.isVisible());
    // Beside the main window (the screen has room on its right), so it hides none of the
    // drawing.
    QVERIFY(!editor.frameGeometry().intersects(window->frameGeometry()));
    QVERIFY(window->screen()->availableGeometry().contains(editor.frameGeometry()));
    QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("LengthLabel"))->text(),
             QStringLiteral("  1.53Å"));
    for (QPushButton* b : editor.findChildren<QPushButton*>())
      if (b->text() == QStringLiteral("Cut"))
        QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(window->layer().drawing().Bonds.Count(), 0);
    QVERIFY(!editor.isVisible());
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }
};

QTEST_MAIN(BondEditorTest)
#include "bond_editor_test.moc"
