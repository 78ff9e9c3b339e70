// Faults a new user met in the window, one case each: a label left red, a double bond gone after
// a wedge, the group editor's menus lost to the optimiser, the caption naming the program twice,
// two items on one access key, a cramped SMILES dialog, tool windows over the main window, and
// the annotated example.
#include "app/animator.h"
#include "app/arrow_form.h"
#include "app/bond_editor.h"
#include "app/group_editor.h"
#include "app/reaction_tool.h"
#include "app/smiles_dialog.h"
#include "app/startup.h"
#include "app/stop_tool.h"
#include "app/text_editor.h"
#include "app_fixture.h"
#include "document/file_format.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/link.h"
#include "platform/recording_canvas.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <cmath>
#include <map>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

constexpr int ethaneCode = 501;
constexpr int labelCode = 607;

QPoint middleOf(const tLink* bond)
{
  return { (bond->Atm1->screenX + bond->Atm2->screenX) / 2,
           (bond->Atm1->screenY + bond->Atm2->screenY) / 2 };
}

/// The lines the document draws within reach pixels of both ends of the segment a-b.
int linesAlong(const RecordingCanvas& canvas, Point a, Point b, int reach)
{
  const auto near = [reach](Point p, Point q) {
    return std::abs(p.x - q.x) <= reach && std::abs(p.y - q.y) <= reach;
  };
  int count = 0;
  for (const CanvasOp& op : canvas.ops()) {
    if (op.kind != CanvasOp::Kind::Line || op.points.size() != 2)
      continue;
    const Point from = op.points[0], to = op.points[1];
    if ((near(from, a) && near(to, b)) || (near(from, b) && near(to, a)))
      ++count;
  }
  return count;
}

/// The access key of a caption: the letter after a single "&" (an "&&" is a literal "&").
QChar accessKey(const QString& caption)
{
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&'))
      continue;
    if (caption[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return caption[i + 1].toUpper();
  }
  return {};
}

/// The main window small, at the screen's top left, so that a tool window has room beside it.
void makeRoom(TTrelvix3D& window)
{
  const QRect screen = window.screen()->availableGeometry();
  window.setGeometry(screen.left(), screen.top() + 30, 360, 360);
}

bool besideTheWindow(const QWidget& tool, const TTrelvix3D& window)
{
  return tool.isVisible() && !tool.frameGeometry().intersects(window.frameGeometry()) &&
         window.screen()->availableGeometry().contains(tool.frameGeometry());
}

} // namespace

class WindowFaultsTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { modelDefaults() = ModelDefaults{}; }

  void anEditedLabelIsBlackAgainInTheFileAndThePicture()
  {
    QTemporaryDir folder;
    auto window = openWindow();
    // The label tool places a label and opens the text editor on it, red while it is edited.
    window->layer().armBuildCode(labelCode);
    pressAt(*window, QPoint(200, 200));
    TTextEditor& editor = window->textEditor();
    QVERIFY(editor.isVisible());
    editor.edit1()->clear();
    QTest::keyClicks(editor.edit1(), QStringLiteral("note"));
    editor.button(QStringLiteral("Done"))->click();
    QCOMPARE(window->layer().editorMode(), EditorMode::Drawing);
    const tDrawing& drawing = window->layer().drawing();
    QCOMPARE(drawing.Labels.Count(), 1);
    QCOMPARE(drawing.Labels.At(0)->symbol.str(), std::string("note"));
    QCOMPARE(drawing.Labels.At(0)->colour, black);

    // Saved black ...
    const QString path = folder.filePath(QStringLiteral("label.tvx"));
    window->shell().queueFileChoice(path);
    QVERIFY(choose(*window, "&File", "Save&As ..."));
    auto reread = openWindow({ "trelvix3d", path });
    QCOMPARE(reread->layer().drawing().Labels.Count(), 1);
    QCOMPARE(reread->layer().drawing().Labels.At(0)->colour, black);
    // ... and drawn black in every picture.
    RecordingCanvas canvas;
    window->layer().Print(canvas);
    int texts = 0;
    for (const CanvasOp& op : canvas.ops()) {
      if (op.kind == CanvasOp::Kind::Text && op.text == "note") {
        ++texts;
        QCOMPARE(op.textColour, black);
      }
    }
    QCOMPARE(texts, 1);
  }

  void aWedgeMadeDoubleInTheBondEditorStaysVisible()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const tLink* bond = window->layer().drawing().Bonds.At(0);
    QTest::mouseClick(&window->surface(), Qt::RightButton, Qt::ShiftModifier, middleOf(bond));
    TBondEditor& editor = window->bondEditor();
    QVERIFY(editor.isVisible());
    auto* wedge = editor.findChild<QToolButton*>(QStringLiteral("Image7"));
    QVERIFY(wedge);
    wedge->click();
    QVERIFY(choose(*window, "&Bond Type", "&Double", MenuBarId::BondEditorMenu));
    bond = window->layer().drawing().Bonds.At(0);
    QCOMPARE(int(bond->bondType()), 4); // double

    // The two lines of a double bond between the two atoms.
    RecordingCanvas canvas;
    window->layer().Print(canvas);
    const Point a{ bond->Atm1->screenX, bond->Atm1->screenY };
    const Point b{ bond->Atm2->screenX, bond->Atm2->screenY };
    QCOMPARE(linesAlong(canvas, a, b, 8), 2);
  }

  void optimisingInTheGroupEditorKeepsItsMenus()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, ethaneCode);
    const tXY* atom = window->layer().drawing().Atoms.At(0);
    QTest::mouseClick(&window->surface(),
                      Qt::RightButton,
                      Qt::ControlModifier,
                      QPoint(atom->screenX, atom->screenY));
    QCOMPARE(window->layer().editorMode(), EditorMode::GroupEditor);
    QCOMPARE(window->menus().current(), MenuBarId::GroupEditorMenu);
    for (const char* method : { "&Optimize Geometry", "&Anneal Geometry" }) {
      QVERIFY2(choose(*window, "Molecule", method, MenuBarId::GroupEditorMenu), method);
      QCOMPARE(window->menus().current(), MenuBarId::GroupEditorMenu);
      QVERIFY(window->groupEditor().isVisible());
      QCOMPARE(window->layer().editorMode(), EditorMode::GroupEditor);
    }
  }

  void theCaptionNamesTheProgramOnce()
  {
    configureApplication();
    // A display name of the application's own is what the desktop appends to every caption
    // ("Trelvix3D [untitled.tvx] — Trelvix3D"); without one it shows the caption as it is.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    auto window = openWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Trelvix3D [untitled.tvx]"));
    QCOMPARE(window->windowTitle().count(QStringLiteral("Trelvix3D")), 1);
  }

  void noTwoItemsOfAMenuShareAnAccessKey()
  {
    auto window = openWindow();
    // The drawing bar's menus the program adds to or changes; the others keep their captions.
    for (const char* path : { "&File", "&Atom", "&View" }) {
      QMenu* menu = nullptr;
      for (QAction* a : window->menus().bar(MenuBarId::MainMenu1)->actions())
        if (a->text() == QString::fromUtf8(path))
          menu = a->menu();
      QVERIFY2(menu, path);
      std::map<QChar, QString> taken;
      for (QAction* a : menu->actions()) {
        const QChar key = accessKey(a->text());
        if (key.isNull())
          continue;
        QVERIFY2(!taken.contains(key),
                 qPrintable(QStringLiteral("%1: %2 and %3").arg(path, taken[key], a->text())));
        taken[key] = a->text();
      }
    }
    // Alt+A then M reaches Add Molecule alone.
    QVERIFY(item(*window, MenuBarId::MainMenu1, "&Atom", "Add from SM&ILES ..."));
  }

  void theSmilesDialogShowsItsWholeTitle()
  {
    auto window = openWindow();
    const std::unique_ptr<QInputDialog> dialog = makeSmilesDialog(window.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add from SMILES"));
    QCOMPARE(dialog->labelText(), QStringLiteral("SMILES:"));
    QVERIFY(dialog->width() >= smilesDialogWidth);
    // Room for the title three times over: the title bar's buttons and margins take the rest.
    const int title = QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle());
    QVERIFY(dialog->width() >= 3 * title);
    dialog->reject();
  }

  void theToolWindowsOpenBesideTheMainWindow()
  {
    auto window = openWindow({ "trelvix3d", TRELVIX_EXAMPLES_DIR "/combustion.tvx" });
    QCOMPARE(atomCount(*window) > 0, true);
    makeRoom(*window);

    // The symbol palette.
    QVERIFY(choose(*window, "", "&Symbol"));
    QVERIFY(besideTheWindow(window->arrowForm(), *window));
    window->arrowForm().hide();

    // The Stop window, where the run showed it (a run may end before its first energy report,
    // so its place is read afterwards: a hidden window keeps it).
    QVERIFY(choose(*window, "&3D Functions", "&Refine Geometry"));
    const QWidget& stop = window->stopTool();
    QVERIFY(stop.windowHandle()); // it was shown
    QVERIFY(!stop.frameGeometry().intersects(window->frameGeometry()));
    QVERIFY(window->screen()->availableGeometry().contains(stop.frameGeometry()));

    // The animator.
    QVERIFY(choose(*window, "&3D Functions", "S&pin"));
    QVERIFY(besideTheWindow(window->animator(), *window));
    QVERIFY(choose(*window, "", "STOP", MenuBarId::AnimationMenu));

    // The reaction tool, clear of the reaction it reports on.
    keepNextDialogOpen(*window);
    QVERIFY(choose(*window, "C&hemistry", "&Reaction Tool ..."));
    auto* tool = window->findChild<TReactionTool*>();
    QVERIFY(tool);
    QVERIFY(besideTheWindow(*tool, *window));
  }

  void theAnnotatedExampleHoldsPropylcyclopentaneOnce()
  {
    auto window = openWindow({ "trelvix3d", TRELVIX_EXAMPLES_DIR "/annotated.tvx" });
    const tDrawing& d = window->layer().drawing();
    // Hexane (6 carbons) and propylcyclopentane (C8: a ring of 5, a chain of 3), one piece each.
    QCOMPARE(d.Groups.Count(), 2);
    std::vector<int> sizes;
    for (const tStructure* g : d.Groups)
      sizes.push_back(g->Atoms.NAtoms());
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, (std::vector<int>{ 6, 8 }));
    // The cyclopentane ring: five carbons each bonded to two others of the ring.
    int ringAtoms = 0;
    for (const tXY* a : d.Atoms) {
      if (!a->isatom())
        continue;
      int bonds = 0;
      for (const tLink* b : d.Bonds)
        bonds += (b->Atm1 == a || b->Atm2 == a) ? 1 : 0;
      ringAtoms += bonds >= 2 ? 1 : 0;
    }
    // Hexane's four inner carbons, the chain's two inner ones and the five of the ring.
    QCOMPARE(ringAtoms, 4 + 2 + 5);
    QCOMPARE(d.Labels.Count(), 2);
    QCOMPARE(d.Labels.At(1)->symbol.str(), std::string("propylcyclopentane"));
  }
};

QTEST_MAIN(WindowFaultsTest)
#include "window_faults_test.moc"
