#include "app/group_editor.h"
#include "app_fixture.h"
#include "document/structure.h"
#include "editor_fixture.h"
#include "model/atom.h"
#include "model/link.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

using namespace trelvix;
using trelvix::testing::EditorLayer;
using trelvix::testing::grab;
using trelvix::testing::letGo;

namespace {

struct Position
{
  double x, y, z;
};

/// A group editor on the layer, with its controls found by name and caption.
struct Editor : EditorLayer
{
  TGroupEditor window{ layer };

  QSlider* slider(int n)
  {
    return window.findChild<QSlider*>(QStringLiteral("ScrollBar%1").arg(n));
  }
  QLabel* picture(int n) { return window.findChild<QLabel*>(QStringLiteral("Image%1").arg(n)); }
  QPushButton* button(const char* name)
  {
    return window.findChild<QPushButton*>(QString::fromUtf8(name));
  }
  QCheckBox* fine() { return window.findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }
  QRadioButton* choice(const char* caption)
  {
    for (QRadioButton* r : window.findChildren<QRadioButton*>())
      if (r->text() == QString::fromUtf8(caption))
        return r;
    return nullptr;
  }

  /// The alkane of build code at (200, 200) with the group editor opened on it by Ctrl + right
  /// click.
  void openOn(int code)
  {
    layer.BuildAt(200, 200, code);
    layer.rightClick(200, 200, PointerKeys::Ctrl);
    window.open();
  }
  std::vector<Position> positions()
  {
    std::vector<Position> p;
    for (const tXY* a : layer.drawing().Atoms)
      p.push_back({ a->x3, a->y3, a->z3 });
    return p;
  }
};

void comparePositions(const std::vector<Position>& actual, const std::vector<Position>& expected)
{
  QCOMPARE(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    QVERIFY(std::fabs(actual[i].x - expected[i].x) < 1e-6);
    QVERIFY(std::fabs(actual[i].y - expected[i].y) < 1e-6);
    QVERIFY(std::fabs(actual[i].z - expected[i].z) < 1e-6);
  }
}

/// p turned by degrees about the axis from a to b (right-handed, Rodrigues' formula).
Position turned(Position p, Position a, Position b, double degrees)
{
  const double phi = degrees * std::numbers::pi / 180;
  const double len = std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
  const double kx = (b.x - a.x) / len, ky = (b.y - a.y) / len, kz = (b.z - a.z) / len;
  const double vx = p.x - a.x, vy = p.y - a.y, vz = p.z - a.z;
  const double dot = kx * vx + ky * vy + kz * vz;
  const double c = std::cos(phi), s = std::sin(phi);
  return { a.x + vx * c + (ky * vz - kz * vy) * s + kx * dot * (1 - c),
           a.y + vy * c + (kz * vx - kx * vz) * s + ky * dot * (1 - c),
           a.z + vz * c + (kx * vy - ky * vx) * s + kz * dot * (1 - c) };
}

} // namespace

class GroupEditorTest : public QObject
{
  Q_OBJECT

private slots:
  void controlsCarryTheirCaptionsAndHints()
  {
    Editor e;
    e.window.open();
    QCOMPARE(e.window.windowTitle(), QStringLiteral("Group Editor"));
    const struct
    {
      const char* hint;
      int step;
    } sliders[] = { { "Rotate or bond pivot", 3 }, { "Turn group", 5 }, { "Tilt group", 5 } };
    for (int n = 1; n <= 3; ++n) {
      QSlider* s = e.slider(n);
      QVERIFY(s);
      QCOMPARE(s->orientation(), Qt::Vertical);
      QCOMPARE(s->toolTip(), QString::fromUtf8(sliders[n - 1].hint));
      QCOMPARE(s->singleStep(), sliders[n - 1].step);
      QCOMPARE(s->value(), 0);
    }
    const struct
    {
      const char* name;
      const char* hint;
      QStringList captions;
      const char* chosen;
    } groups[] = {
      { "RadioGroup1",
        "Select pivot atom, pivot bond, rotate or zoom",
        { "Atom", "Bond", "Rotate", "Zoom" },
        "Rotate" },
      { "RadioGroup2", "Number relative to drawing or group", { "Drawing", "Group" }, "Group" },
    };
    for (const auto& g : groups) {
      auto* box = e.window.findChild<QGroupBox*>(QString::fromUtf8(g.name));
      QVERIFY(box);
      QCOMPARE(box->toolTip(), QString::fromUtf8(g.hint));
      QStringList captions;
      for (QRadioButton* r : box->findChildren<QRadioButton*>()) {
        captions << r->text();
        QCOMPARE(r->isChecked(), r->text() == QString::fromUtf8(g.chosen));
      }
      QCOMPARE(captions, g.captions);
    }
    QCOMPARE(e.fine()->text(), QStringLiteral("Fine"));
    QCOMPARE(e.fine()->toolTip(), QStringLiteral("Select normal or fine slider mode"));
    QVERIFY(!e.fine()->isChecked());

    const struct
    {
      const char* name;
      const char* caption;
      const char* hint;
    } buttons[] = {
      { "NumberButton", "Number", "Number selected group" },
      { "FontButton", "Font", "Change group font" },
      { "CloneButton", "Clone", "Duplicate group" },
      { "DeleteButton1", "Delete", "Delete group" },
      { "FuseButton", "Fuse", "Fuse atoms  and bonds into group" },
      { "LineButton", "Line", "Toggle line thickness" },
      { "OKButton1", "Done", "" },
    };
    for (const auto& b : buttons) {
      QVERIFY2(e.button(b.name), b.name);
      QCOMPARE(e.button(b.name)->text(), QString::fromUtf8(b.caption));
      QCOMPARE(e.button(b.name)->toolTip(), QString::fromUtf8(b.hint));
    }
    const char* pictures[] = { "Rotate around center or pivot point",
                               "Turn around pivot center or pivot atom",
                               "Tilt around center or pivot point",
                               "Zoom selected group",
                               "Pivot around bond" };
    for (int n = 1; n <= 5; ++n) {
      QVERIFY(e.picture(n));
      QCOMPARE(e.picture(n)->toolTip(), QString::fromUtf8(pictures[n - 1]));
      QVERIFY(!e.picture(n)->pixmap().isNull());
    }
  }

  void eachModeSetsTheSliderRangesAndPictures()
  {
    const struct
    {
      const char* mode;
      bool fine;
      int minimum, maximum, rest; // of the first slider
      int others;                 // the other two span -others..others
      bool othersEnabled;
      std::array<bool, 5> pictures; // Image1..Image5 shown
    } cases[] = {
      { "Rotate", false, -180, 180, 0, 180, true, { true, true, true, false, false } },
      { "Rotate", true, -30, 30, 0, 30, true, { true, true, true, false, false } },
      { "Atom", false, -180, 180, 0, 180, true, { true, true, true, false, false } },
      { "Atom", true, -30, 30, 0, 30, true, { true, true, true, false, false } },
      { "Bond", false, -90, 90, 0, 180, false, { false, false, false, false, true } },
      { "Bond", true, -30, 30, 0, 30, false, { false, false, false, false, true } },
      { "Zoom", false, 50, 150, 100, 180, false, { false, false, false, true, false } },
      { "Zoom", true, 90, 110, 100, 30, false, { false, false, false, true, false } },
    };
    Editor e;
    e.window.open();
    for (const auto& c : cases) {
      e.choice(c.mode)->click();
      e.fine()->setChecked(c.fine);
      const QString what = QStringLiteral("%1 fine %2").arg(c.mode).arg(c.fine);
      QVERIFY2(e.slider(1)->minimum() == c.minimum, qPrintable(what));
      QVERIFY2(e.slider(1)->maximum() == c.maximum, qPrintable(what));
      QVERIFY2(e.slider(1)->value() == c.rest, qPrintable(what));
      QVERIFY2(e.slider(1)->isEnabled(), qPrintable(what));
      for (int n = 2; n <= 3; ++n) {
        QVERIFY2(e.slider(n)->minimum() == -c.others, qPrintable(what));
        QVERIFY2(e.slider(n)->maximum() == c.others, qPrintable(what));
        QVERIFY2(e.slider(n)->value() == 0, qPrintable(what));
        QVERIFY2(e.slider(n)->isEnabled() == c.othersEnabled, qPrintable(what));
      }
      for (int n = 1; n <= 5; ++n)
        QVERIFY2(e.picture(n)->isHidden() != c.pictures[static_cast<std::size_t>(n - 1)],
                 qPrintable(what + QStringLiteral(" Image%1").arg(n)));
    }
    // Opened on another group, the window keeps the choice; closed and opened again, it starts
    // over with "Rotate" (Fine stays as the user left it).
    e.window.open();
    QVERIFY(e.choice("Zoom")->isChecked());
    e.window.close();
    e.window.open();
    QVERIFY(e.choice("Rotate")->isChecked());
    QCOMPARE(e.slider(1)->minimum(), -30);
  }

  void theRotateSliderTurnsTheGroupAndComesBack()
  {
    Editor e;
    e.openOn(501);
    QVERIFY(e.layer.editedGroup());
    const std::vector<Position> start = e.positions();
    QCOMPARE(start.size(), std::size_t(2));
    grab(*e.slider(1), { 20, 45 });
    letGo(*e.slider(1));
    QCOMPARE(e.slider(1)->value(), 0);
    // Turned by 45 degrees in the drawing plane about the middle of the two carbons:
    // (x, y) -> (x cos 45 - y sin 45, x sin 45 + y cos 45) from the middle.
    const double mx = (start[0].x + start[1].x) / 2, my = (start[0].y + start[1].y) / 2;
    const double c = std::cos(std::numbers::pi / 4), s = std::sin(std::numbers::pi / 4);
    std::vector<Position> expected;
    for (const Position& p : start)
      expected.push_back(
        { mx + (p.x - mx) * c - (p.y - my) * s, my + (p.x - mx) * s + (p.y - my) * c, p.z });
    comparePositions(e.positions(), expected);
  }

  void keyStepsActOnceEachAndTheSliderStaysAtRest()
  {
    Editor e;
    e.openOn(501);
    const std::vector<Position> start = e.positions();
    // Two single steps of 3 degrees: 6 degrees in all, each from where the last one left it.
    QTest::keyClick(e.slider(1), Qt::Key_Up);
    QCOMPARE(e.slider(1)->value(), 0);
    QTest::keyClick(e.slider(1), Qt::Key_Up);
    QCOMPARE(e.slider(1)->value(), 0);
    const double mx = (start[0].x + start[1].x) / 2, my = (start[0].y + start[1].y) / 2;
    const double a = 6 * std::numbers::pi / 180;
    const double x = mx + (start[0].x - mx) * std::cos(a) - (start[0].y - my) * std::sin(a);
    QVERIFY(std::fabs(e.positions()[0].x - x) < 1e-6);
  }

  void theBondSliderTurnsByTheDifferenceOfItsPositions()
  {
    // Propane: the group turns about its first bond; the third carbon moves.
    Editor e;
    e.openOn(502);
    e.choice("Bond")->click();
    const tLink* axis = e.layer.pivotBond();
    QVERIFY(axis);
    const Position a{ axis->Atm1->x3, axis->Atm1->y3, axis->Atm1->z3 };
    const Position b{ axis->Atm2->x3, axis->Atm2->y3, axis->Atm2->z3 };
    const std::vector<Position> start = e.positions();
    const auto expectedAt = [&](double degrees) {
      std::vector<Position> expected;
      for (const Position& p : start)
        expected.push_back(turned(p, a, b, degrees));
      return expected;
    };
    grab(*e.slider(1), { 10 });
    comparePositions(e.positions(), expectedAt(10));
    grab(*e.slider(1), { 25 }); // 15 more
    comparePositions(e.positions(), expectedAt(25));
    letGo(*e.slider(1));
    QCOMPARE(e.slider(1)->value(), 0);
    comparePositions(e.positions(), expectedAt(25));
  }

  void theZoomSliderScalesTheGroup()
  {
    Editor e;
    e.openOn(501);
    e.choice("Zoom")->click();
    grab(*e.slider(1), { 150 });
    letGo(*e.slider(1));
    QCOMPARE(e.slider(1)->value(), 100);
    // Scaled by 150 / 100: the 28-unit bond becomes 42 units, 1.53 * 1.5 = 2.295 Angstrom.
    QVERIFY(std::fabs(e.layer.drawing().Bonds.At(0)->RLength() - 42) < 1e-6);
  }

  void buttonsEditTheGroup()
  {
    Editor e;
    e.openOn(501);
    tXY* first = e.layer.drawing().Atoms.At(0);
    QTest::mouseClick(e.button("NumberButton"), Qt::LeftButton);
    QVERIFY(first->atomNumber != 0);
    QTest::mouseClick(e.button("NumberButton"), Qt::LeftButton);
    QCOMPARE(static_cast<int>(first->atomNumber), 0);

    // Line steps the group's line width 0, 1, 2, 3, 0 ...
    const tLink* bond = e.layer.drawing().Bonds.At(0);
    QTest::mouseClick(e.button("LineButton"), Qt::LeftButton);
    const int width = bond->penWidth;
    QTest::mouseClick(e.button("LineButton"), Qt::LeftButton);
    QCOMPARE(static_cast<int>(bond->penWidth), (width + 1) % 4);

    QSignalSpy font(&e.window, &TGroupEditor::fontRequested);
    QTest::mouseClick(e.button("FontButton"), Qt::LeftButton);
    QCOMPARE(font.count(), 1);

    const tStructure* original = e.layer.editedGroup();
    QTest::mouseClick(e.button("CloneButton"), Qt::LeftButton);
    QCOMPARE(e.layer.drawing().Atoms.Count(), 4);
    QVERIFY(e.layer.editedGroup() != original);
    QVERIFY(e.window.isVisible());
  }

  void buttonsWithoutAGroupDoNothing()
  {
    Editor e;
    e.window.open();
    QSignalSpy font(&e.window, &TGroupEditor::fontRequested);
    QSignalSpy closed(&e.window, &TGroupEditor::closed);
    for (const char* name : { "NumberButton",
                              "FontButton",
                              "CloneButton",
                              "DeleteButton1",
                              "FuseButton",
                              "LineButton" })
      QTest::mouseClick(e.button(name), Qt::LeftButton);
    QCOMPARE(font.count(), 0);
    QCOMPARE(closed.count(), 0);
    QVERIFY(e.window.isVisible());
    QVERIFY(e.shell.messages().empty());
  }

  void deleteRemovesTheGroupAndCloses()
  {
    Editor e;
    e.openOn(501);
    QSignalSpy closed(&e.window, &TGroupEditor::closed);
    QTest::mouseClick(e.button("DeleteButton1"), Qt::LeftButton);
    QCOMPARE(e.layer.drawing().Atoms.Count(), 0);
    QCOMPARE(e.layer.editedGroup(), nullptr);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(closed.count(), 1);
  }

  void doneAndTheCloseBoxHideAndSaySo()
  {
    Editor e;
    e.openOn(501);
    QSignalSpy closed(&e.window, &TGroupEditor::closed);
    QTest::mouseClick(e.button("OKButton1"), Qt::LeftButton);
    QVERIFY(!e.window.isVisible());
    QCOMPARE(closed.count(), 1);
    e.window.open();
    e.window.close();
    QVERIFY(!e.window.isVisible());
    QCOMPARE(closed.count(), 2);
    QCOMPARE(e.layer.drawing().Atoms.Count(), 2);
  }

  void inTheProgramDoneGoesBackToDrawing()
  {
    auto window = trelvix::testing::openWindow();
    window->layer().BuildAt(200, 200, 501);
    QTest::mouseClick(&window->surface(), Qt::RightButton, Qt::ControlModifier, QPoint(200, 200));
    TGroupEditor& editor = window->groupEditor();
    QVERIFY(editor.isVisible());
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("OKButton1")), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    QCOMPARE(window->layer().editedGroup(), nullptr);
    QCOMPARE(window->menus().current(), MenuBarId::MainMenu1);
  }
};

QTEST_MAIN(GroupEditorTest)
#include "group_editor_test.moc"
