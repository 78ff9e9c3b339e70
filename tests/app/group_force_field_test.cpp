// The group editor's Molecule > Optimize (MMFF94) and Optimize (UFF): only the edited group moves,
// its hydrogens added in 3D in the same one undo step, the Stop window stops it, and the group
// editor's bar comes back.
#include "app/stop_tool.h"
#include "app_fixture.h"
#include "exchange/molecule_import.h"
#include "model/atom.h"

#include <QPushButton>
#include <cmath>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

void place(TTrelvix3D& window, const char* smiles, double x, double y)
{
  ImportOptions options;
  options.embed3D = true;
  window.layer().Place([&] { return placeSmiles(smiles, x, y, options); });
}

tXY* firstOf(const tStructure& structure, int element)
{
  for (tXY* a : structure.Atoms) {
    if (a->element == element)
      return a;
  }
  return nullptr;
}

// The group editor opened, as a Ctrl + right-click on the atom opens it.
void editGroupOf(TTrelvix3D& window, const tXY& atom)
{
  QTest::mouseClick(
    &window.surface(),
    Qt::RightButton,
    Qt::ControlModifier,
    QPoint(static_cast<int>(std::lround(atom.x3)), static_cast<int>(std::lround(atom.y3))));
}

} // namespace

class GroupForceFieldTest : public QObject
{
  Q_OBJECT

private slots:
  void optimizeMMFF94MovesTheGroupAloneInOneUndoStep()
  {
    auto window = openWindow();
    place(*window, "CC", 150, 200); // ethane, its hydrogens implicit
    place(*window, "O", 450, 200);  // water beside it
    QCOMPARE(atomCount(*window), 3);
    tXY* oxygen = firstOf(window->layer().drawing(), 8);
    tXY* carbon = firstOf(window->layer().drawing(), 6);
    QVERIFY(oxygen && carbon);
    const double oxygenAt[] = { oxygen->x3, oxygen->y3, oxygen->z3 };

    editGroupOf(*window, *carbon);
    QCOMPARE(window->menus().current(), MenuBarId::GroupEditorMenu);
    const tStructure* group = window->layer().editedGroup();
    QVERIFY(group);
    QVERIFY(item(*window, MenuBarId::GroupEditorMenu, "Molecule", "Optimize (UFF)"));
    QVERIFY(choose(*window, "Molecule", "Optimize (MMFF94)", MenuBarId::GroupEditorMenu));
    QVERIFY(!window->layer().busy());
    QCOMPARE(window->menus().current(), MenuBarId::GroupEditorMenu);

    // Ethane's six hydrogens are there, every C–H at MMFF94's 1.093 Å (Halgren, J. Comput. Chem.
    // 17, 490 (1996), bond parameters of types 1 and 5); the water's oxygen has not moved and
    // has no hydrogens drawn.
    QCOMPARE(atomCount(*window), 9);
    int hydrogens = 0;
    for (const tXY* h : window->layer().drawing().Atoms) {
      if (h->element != 1)
        continue;
      ++hydrogens;
      double nearest = 1e9;
      for (const tXY* c : window->layer().drawing().Atoms) {
        if (c->element == 6)
          nearest = std::min(nearest, h->Angstroms(*c));
      }
      QVERIFY2(std::abs(nearest - 1.09) <= 0.01, qPrintable(QString::number(nearest)));
    }
    QCOMPARE(hydrogens, 6);
    QCOMPARE(oxygen->x3, oxygenAt[0]);
    QCOMPARE(oxygen->y3, oxygenAt[1]);
    QCOMPARE(oxygen->z3, oxygenAt[2]);

    // One Undo takes the hydrogens and the new geometry back together.
    window->layer().Undo();
    QCOMPARE(atomCount(*window), 3);
  }

  void stopEndsTheGroupsRunAfterThePass()
  {
    auto window = openWindow();
    place(*window, "CCCCCCCCCCCCCCCCCCCC", 200, 200); // icosane: more than one pass of steps
    editGroupOf(*window, *firstOf(window->layer().drawing(), 6));
    QVERIFY(window->layer().editedGroup());
    int passes = 0;
    bool stopAtFirst = true;
    MenuBarId barDuringRun = MenuBarId::GroupEditorMenu;
    connect(&window->stopTool(), &TStopTool::energyShown, this, [&] {
      barDuringRun = window->menus().current();
      if (++passes == 1 && stopAtFirst) {
        for (QPushButton* b : window->stopTool().findChildren<QPushButton*>()) {
          if (b->text() == QStringLiteral("Stop"))
            QTest::mouseClick(b, Qt::LeftButton);
        }
      }
    });
    QVERIFY(choose(*window, "Molecule", "Optimize (UFF)", MenuBarId::GroupEditorMenu));
    QCOMPARE(passes, 1);
    QCOMPARE(barDuringRun, MenuBarId::OptimizeMenu);
    QVERIFY(window->stopTool().state().stopFlag());
    QVERIFY(!window->stopTool().isVisible());
    QVERIFY(!window->layer().busy());
    QCOMPARE(window->menus().current(), MenuBarId::GroupEditorMenu);

    // Unstopped from the same start, the run takes more passes: Stop did end it.
    window->layer().Undo();
    passes = 0;
    stopAtFirst = false;
    QVERIFY(choose(*window, "Molecule", "Optimize (UFF)", MenuBarId::GroupEditorMenu));
    QVERIFY(passes > 1);
  }
};

QTEST_MAIN(GroupForceFieldTest)
#include "group_force_field_test.moc"
