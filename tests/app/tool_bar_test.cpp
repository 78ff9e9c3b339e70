// The tool bar: its pictures are the drawing menus' own items, the atoms arm their element, the
// style list follows the view, it waits while an editor's bar is shown; and the window keeps
// its size for the next start.
#include "app/tool_bar.h"
#include "app_fixture.h"
#include "document/defaults_file.h"
#include "model/atom.h"

#include <QComboBox>
#include <QFile>
#include <QToolButton>

using namespace trelvix;
using namespace trelvix::testing;

namespace {

QToolButton* buttonWithTip(TTrelvix3D& window, const QString& tip)
{
  for (QAction* action : window.toolBar().actions())
    if (action->toolTip() == tip)
      return qobject_cast<QToolButton*>(window.toolBar().widgetForAction(action));
  return nullptr;
}

void removeKeptWindowPlace()
{
  QFile::remove(QString::fromStdString(defaultsFolder()) + QStringLiteral("/window.ini"));
}

} // namespace

class ToolBarTest : public QObject
{
  Q_OBJECT

private slots:
  void init() { removeKeptWindowPlace(); }
  void cleanup() { removeKeptWindowPlace(); }

  void theRingPictureBuildsTheRingAndUndoFollowsItsItem()
  {
    auto window = openWindow();
    QToolButton* undo = buttonWithTip(*window, QStringLiteral("Undo"));
    QVERIFY(undo);
    QVERIFY(!undo->isEnabled()); // nothing to undo yet, as the menu item says
    QTest::mouseClick(buttonWithTip(*window, QStringLiteral("Ring of 6")), Qt::LeftButton);
    pressAt(*window, { 200, 200 });
    QCOMPARE(atomCount(*window), 6);
    QVERIFY(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(atomCount(*window), 0);
    // The menu bar's items keep their captions.
    QVERIFY(item(*window, MenuBarId::MainMenu1, "", "Undo")->icon().isNull());
  }

  void theAtomPicturesPlaceTheirElement_data()
  {
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("z");
    QTest::newRow("C") << "Carbon atom" << 6;
    QTest::newRow("N") << "Nitrogen atom" << 7;
    QTest::newRow("O") << "Oxygen atom" << 8;
    QTest::newRow("S") << "Sulfur atom" << 16;
  }

  void theAtomPicturesPlaceTheirElement()
  {
    QFETCH(QString, tip);
    QFETCH(int, z);
    auto window = openWindow();
    QToolButton* picture = buttonWithTip(*window, tip);
    QVERIFY(picture);
    QTest::mouseClick(picture, Qt::LeftButton);
    pressAt(*window, { 200, 200 });
    QCOMPARE(atomCount(*window), 1);
    QCOMPARE(int(window->layer().drawing().Atoms.At(0)->element), z);
  }

  void theStyleListChoosesAndFollowsTheView()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, 501);
    auto* styles = window->toolBar().findChild<QComboBox*>(QStringLiteral("styles"));
    QVERIFY(styles);
    QCOMPARE(styles->count(), 15);
    QVERIFY(styles->findText(QStringLiteral("B&W Spheres")) >= 0);
    const int spheres = styles->findText(QStringLiteral("Color Spheres"));
    styles->setCurrentIndex(spheres);
    emit styles->activated(spheres);
    QCOMPARE(int(window->layer().drawing().viewMode), 10);
    QVERIFY(choose(*window, "&3D Functions", "&Lines"));
    QCOMPARE(styles->currentText(), QStringLiteral("Lines"));
  }

  void theBarWaitsWhileAnEditorsBarIsShown()
  {
    auto window = openWindow();
    window->layer().BuildAt(200, 200, 501);
    QVERIFY(window->toolBar().isEnabled());
    window->showMenuBar(MenuBarId::AtomEditorMenu);
    QVERIFY(!window->toolBar().isEnabled());
    window->showMenuBar(MenuBarId::MainMenu1);
    QVERIFY(window->toolBar().isEnabled());
  }

  void theWindowStartsWithTheSizeItWasLeftWith()
  {
    auto window = openWindow();
    window->resize(900, 700);
    window->shell().queueAnswer(MessageAnswer::No);  // Save changes: Discard
    window->shell().queueAnswer(MessageAnswer::Yes); // Exit Trelvix3D: Yes
    window->close();
    QVERIFY(!window->isVisible());
    auto again = openWindow();
    QCOMPARE(again->size(), QSize(900, 700));
  }
};

QTEST_MAIN(ToolBarTest)
#include "tool_bar_test.moc"
