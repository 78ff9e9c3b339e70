// The 3D view under the pointer: a middle or Alt + left drag turns the model (one undo step per
// drag), the wheel zooms about the pointer, Space + drag pans, Fit to Window brings everything
// inside, and no gesture builds, deletes or opens an editor.
#include "app_fixture.h"
#include "exchange/molecule_import.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>
#include <string>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int ethaneCode = 501;
constexpr int ringCode = 154;

struct Position
{
  double x, y, z;
};

std::vector<Position> positions(TTrelvix3D& window)
{
  std::vector<Position> all;
  for (const tXY* a : window.layer().drawing().Atoms)
    all.push_back({ a->x3, a->y3, a->z3 });
  return all;
}

/// A drag with button from `from` to `to` in four moves, keys held at the press.
void drag(DrawingSurface& surface,
          Qt::MouseButton button,
          QPoint from,
          QPoint to,
          Qt::KeyboardModifiers keys = Qt::NoModifier)
{
  QTest::mousePress(&surface, button, keys, from);
  for (int step = 1; step <= 4; ++step)
    QTest::mouseMove(&surface, from + (to - from) * step / 4);
  QTest::mouseRelease(&surface, button, keys, to);
}

void wheel(DrawingSurface& surface, QPoint at, int degrees)
{
  QWheelEvent event(QPointF(at),
                    QPointF(surface.mapToGlobal(at)),
                    QPoint(),
                    QPoint(0, degrees),
                    Qt::NoButton,
                    Qt::NoModifier,
                    Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(&surface, &event);
}

QPointF onSurface(TTrelvix3D& window, const tXY* a)
{
  return window.surface().toSurface(QPointF(a->x3, a->y3));
}

/// The main window's scroll bar along orientation (the one beside the drawing surface).
QScrollBar* scrollBar(TTrelvix3D& window, Qt::Orientation orientation)
{
  const auto bars =
    window.surface().parentWidget()->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly);
  for (QScrollBar* bar : bars) {
    if (bar->orientation() == orientation)
      return bar;
  }
  return nullptr;
}

/// The smallest and largest surface x of the atoms.
std::pair<double, double> surfaceSpanX(TTrelvix3D& window)
{
  double low = 1e9;
  double high = -1e9;
  for (const tXY* a : window.layer().drawing().Atoms) {
    low = std::min(low, onSurface(window, a).x());
    high = std::max(high, onSurface(window, a).x());
  }
  return { low, high };
}

} // namespace

class ViewGesturesTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

  void aMiddleDragTurnsTheModelByTheExpectedAngleAndUndoPutsItBack()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const std::vector<Position> before = positions(*window);
    QCOMPARE(before.size(), std::size_t(2));
    const Position v{ before[1].x - before[0].x,
                      before[1].y - before[0].y,
                      before[1].z - before[0].z };
    QCOMPARE(v.z, 0.0); // a flat drawing

    // 90 pixels rightwards at half a degree per pixel: 45 degrees about the screen's vertical
    // axis, the near side (z < 0) coming right. Turning by -45 degrees about y (x' = x cos a +
    // z sin a, z' = -x sin a + z cos a) with z = 0: x' = x cos 45, z' = x sin 45, y unchanged.
    drag(window->surface(), Qt::MiddleButton, QPoint(300, 300), QPoint(390, 300));
    const std::vector<Position> after = positions(*window);
    const double half = std::sqrt(0.5);
    QVERIFY(std::abs((after[1].x - after[0].x) - v.x * half) < 1e-6);
    QVERIFY(std::abs((after[1].y - after[0].y) - v.y) < 1e-6);
    QVERIFY(std::abs((after[1].z - after[0].z) - v.x * half) < 1e-6);
    // About the centre of gravity, which stays.
    QVERIFY(std::abs((after[0].x + after[1].x) - (before[0].x + before[1].x)) < 1e-6);

    // Four moves, one undo step: Undo gives back the flat drawing.
    window->layer().Undo();
    const std::vector<Position> undone = positions(*window);
    for (std::size_t i = 0; i < before.size(); ++i) {
      QCOMPARE(undone[i].x, before[i].x);
      QCOMPARE(undone[i].y, before[i].y);
      QCOMPARE(undone[i].z, before[i].z);
    }
  }

  void altLeftDragTurnsAsTheMiddleButtonAndShiftTurnsInThePlane()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const std::vector<Position> before = positions(*window);
    const double vx = before[1].x - before[0].x;
    const double vy = before[1].y - before[0].y;
    // Downwards 180 pixels: 90 degrees about the screen's x axis (y' = y cos - z sin,
    // z' = y sin + z cos): the bond's y part goes into z, its x part stays.
    drag(window->surface(), Qt::LeftButton, QPoint(300, 100), QPoint(300, 280), Qt::AltModifier);
    std::vector<Position> after = positions(*window);
    QVERIFY(std::abs((after[1].x - after[0].x) - vx) < 1e-6);
    QVERIFY(std::abs(after[1].y - after[0].y) < 1e-6);
    QVERIFY(std::abs((after[1].z - after[0].z) - vy) < 1e-6);
    window->layer().Undo();

    // Shift: 180 pixels rightwards, 90 degrees in the plane (x' = -y, y' = x).
    drag(
      window->surface(), Qt::MiddleButton, QPoint(100, 300), QPoint(280, 300), Qt::ShiftModifier);
    after = positions(*window);
    QVERIFY(std::abs((after[1].x - after[0].x) + vy) < 1e-6);
    QVERIFY(std::abs((after[1].y - after[0].y) - vx) < 1e-6);
  }

  void gesturesNeverBuildDeleteOrOpenAnEditor()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.BuildAt(200, 200, ethaneCode);
    layer.armBuildCode(ringCode);
    const tXY* first = layer.drawing().Atoms.At(0);
    const QPoint onAtom(first->screenX, first->screenY);
    drag(window->surface(), Qt::MiddleButton, onAtom, onAtom + QPoint(40, 0));
    drag(window->surface(), Qt::LeftButton, onAtom, onAtom + QPoint(0, 40), Qt::AltModifier);
    QTest::keyPress(&window->surface(), Qt::Key_Space);
    drag(window->surface(), Qt::LeftButton, QPoint(300, 300), QPoint(340, 300));
    QTest::keyRelease(&window->surface(), Qt::Key_Space);
    QCOMPARE(atomCount(*window), 2);
    QCOMPARE(layer.editorMode(), EditorMode::Drawing);
    QCOMPARE(layer.pendingBuildCode(), std::uint16_t(ringCode));
    // Space + drag moved the view by the pointer's travel.
    QCOMPARE(layer.view().offsetX, 40.0);
    QCOMPARE(layer.view().offsetY, 0.0);
    // The armed ring still lands where a plain press puts it.
    pressAt(*window, QPoint(100, 100));
    QCOMPARE(atomCount(*window), 8);
  }

  void theWheelZoomsAboutThePointerAndTheAtomUnderItStays()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.AddAtom(6, 200, 200);
    layer.AddAtom(6, 300, 200);
    const tXY* under = layer.drawing().Atoms.At(0);
    const tXY* beside = layer.drawing().Atoms.At(1);
    const QPoint pointer = onSurface(*window, under).toPoint();
    QCOMPARE(pointer, QPoint(200, 200));

    wheel(window->surface(), pointer, 120); // one notch: 1.2 times
    QCOMPARE(layer.view().scale, 1.2);
    QVERIFY((onSurface(*window, under) - QPointF(200, 200)).manhattanLength() < 1e-9);
    // 100 drawing units right of the pointer now lie 120 pixels right of it.
    QVERIFY((onSurface(*window, beside) - QPointF(320, 200)).manhattanLength() < 1e-9);
    // The keys still find the atom under the pointer in the zoomed view.
    QTest::mouseMove(&window->surface(), QPoint(320, 200));
    QTest::keyClick(&window->surface(), Qt::Key_O);
    QCOMPARE(layer.drawing().Atoms.At(1)->element, 8);
    QCOMPARE(layer.drawing().Atoms.At(0)->element, 6);

    // Back one notch: the view as it was; zooming changes no coordinate.
    wheel(window->surface(), pointer, -120);
    QVERIFY(std::abs(layer.view().scale - 1.0) < 1e-12);
    QCOMPARE(layer.drawing().Atoms.At(1)->x3, 300.0);
  }

  void fitToWindowBringsAnEightyCarbonChainInside()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    const std::string chain(80, 'C');
    layer.Place([&] { return placeSmiles(chain, 100, 200, ImportOptions{}); });
    QCOMPARE(atomCount(*window), 80);
    const QRectF inside(QPointF(0, 0), QSizeF(window->surface().size()));
    const auto allInside = [&] {
      for (const tXY* a : layer.drawing().Atoms) {
        if (!inside.contains(onSurface(*window, a)))
          return false;
      }
      return true;
    };
    QVERIFY(!allInside()); // about 80 × 24 pixels long: far wider than the window

    QVERIFY(choose(*window, "&View", "&Fit to Window"));
    QVERIFY(allInside());
    QVERIFY(layer.view().scale < 1.0);

    // Home does the same after the view was moved away.
    layer.PanView(5000, 0);
    QVERIFY(!allInside());
    QTest::keyClick(&window->surface(), Qt::Key_Home);
    QVERIFY(allInside());
    // Only the view changed: the document is as placed.
    QCOMPARE(atomCount(*window), 80);
  }

  void theScrollBarsReachBothEndsOfALongChainAndMoveOnlyTheView()
  {
    auto window = openWindow();
    CommandLayer& layer = window->layer();
    layer.Place([&] { return placeSmiles(std::string(80, 'C'), 100, 200, ImportOptions{}); });
    QCoreApplication::processEvents();
    QScrollBar* across = scrollBar(*window, Qt::Horizontal);
    QScrollBar* down = scrollBar(*window, Qt::Vertical);
    QVERIFY(across && down);
    // About 1 900 pixels of chain across a window of some 640; it is only a row high.
    QVERIFY(across->isEnabled());
    QVERIFY(!down->isEnabled());
    const std::vector<Position> placed = positions(*window);
    const double bond = bondScale();
    const double width = window->surface().width();

    // An arrow click moves the drawing by the bar's step, the way the arrow points.
    const double before = surfaceSpanX(*window).first;
    QTest::mouseClick(across, Qt::LeftButton, {}, QPoint(4, across->height() / 2));
    QCOMPARE(surfaceSpanX(*window).first, before + across->singleStep());

    // Each end of the bar shows that end of the chain, near the window's edge.
    across->triggerAction(QAbstractSlider::SliderToMinimum);
    const auto [firstLeft, firstRight] = surfaceSpanX(*window);
    QVERIFY(firstLeft > 0 && firstLeft < 2 * bond);
    QVERIFY(firstRight > width);
    across->triggerAction(QAbstractSlider::SliderToMaximum);
    const auto [lastLeft, lastRight] = surfaceSpanX(*window);
    QVERIFY(lastRight < width && lastRight > width - 2 * bond);
    QVERIFY(lastLeft < 0);

    // A view panned far past the drawing can be scrolled back.
    layer.PanView(5000, 0);
    QCoreApplication::processEvents();
    QVERIFY(surfaceSpanX(*window).first > width);
    across->triggerAction(QAbstractSlider::SliderToMaximum);
    QVERIFY(surfaceSpanX(*window).second < width);

    // With everything in sight there is nothing to scroll; the atoms never moved.
    QVERIFY(choose(*window, "&View", "&Fit to Window"));
    QVERIFY(!across->isEnabled());
    QVERIFY(!down->isEnabled());
    const std::vector<Position> after = positions(*window);
    QCOMPARE(after.size(), placed.size());
    for (std::size_t i = 0; i < placed.size(); ++i)
      QCOMPARE(after[i].x, placed[i].x);
  }
};

QTEST_MAIN(ViewGesturesTest)
#include "view_gestures_test.moc"
