// The editors through the command layer: what a right click or a rectangle opens, the edits of
// the atom, bond, symbol, text and group editors, dragging, and the references they hold when
// their objects go.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "model/bond.h"
#include "model/structure_atom.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace trelvix {
namespace {

constexpr int ethaneCode = 501;
constexpr int arrowCode = 720;

class EditorsTest : public ModelTest
{
protected:
  CommandLayer layer{ std::make_unique<tDrawing>() };
  const tDrawing& doc() const { return layer.drawing(); }

  /// Ethane placed at (200, 200): two carbons one bond length apart.
  void ethane() { layer.BuildAt(200, 200, ethaneCode); }
  tXY* atom(int i) { return doc().Atoms.At(i); }
  tLink* onlyBond() { return doc().Bonds.At(0); }
  double midX() { return (atom(0)->x3 + atom(1)->x3) / 2; }
  double midY() { return (atom(0)->y3 + atom(1)->y3) / 2; }
};

TEST_F(EditorsTest, RightClicksOpenTheEditorThatFitsTheObject)
{
  ethane();
  // Shift on empty space: no bond editor.
  EXPECT_FALSE(layer.rightClick(600, 600, PointerKeys::Shift).changed);
  EXPECT_EQ(layer.editorMode(), EditorMode::Drawing);
  // Shift near the bond, nearer the first atom: the first atom is the reference.
  const double nearFirstX = midX() + (atom(0)->x3 - midX()) * 0.4;
  const double nearFirstY = midY() + (atom(0)->y3 - midY()) * 0.4;
  EXPECT_TRUE(layer.rightClick(nearFirstX, nearFirstY, PointerKeys::Shift).changed);
  EXPECT_EQ(layer.editorMode(), EditorMode::BondEditor);
  EXPECT_EQ(layer.editedBond(), onlyBond());
  EXPECT_EQ(layer.bondReference(), atom(0));
  // Exactly between them: the second atom.
  layer.rightClick(midX(), midY(), PointerKeys::None);
  EXPECT_EQ(layer.bondReference(), onlyBond()->Atm2);
  layer.setEditorMode(EditorMode::Drawing);

  // No keys on an atom: the atom editor, the pointer moved onto it.
  layer.rightClick(atom(1)->x3 + 2, atom(1)->y3, PointerKeys::None);
  EXPECT_EQ(layer.editorMode(), EditorMode::AtomEditor);
  EXPECT_EQ(layer.editedAtom(), atom(1));
  EXPECT_EQ(shell.cursorPos().x, atom(1)->screenX);
  layer.setEditorMode(EditorMode::Drawing);
  // Any other keys open nothing.
  EXPECT_FALSE(layer.rightClick(atom(1)->x3, atom(1)->y3, PointerKeys::Other).changed);
  EXPECT_EQ(layer.editorMode(), EditorMode::Drawing);
}

TEST_F(EditorsTest, ARectangleSelectsOnlyWhenDrawnDownwardsToTheRight)
{
  ethane();
  const tXY* a = atom(0);
  const tXY* b = atom(1);
  const double left = std::min(a->x3, b->x3) - 10, right = std::max(a->x3, b->x3) + 10;
  const double top = std::min(a->y3, b->y3) - 10, bottom = std::max(a->y3, b->y3) + 10;
  EXPECT_FALSE(layer.selectRectangle(right, bottom, left, top).changed);
  EXPECT_EQ(layer.editorMode(), EditorMode::Drawing);
  EXPECT_TRUE(layer.selectRectangle(left, top, right, bottom).changed);
  EXPECT_EQ(layer.editorMode(), EditorMode::GroupEditor);
  // The piece that is exactly what the rectangle holds is the group itself.
  ASSERT_EQ(doc().Groups.Count(), 1);
  EXPECT_EQ(layer.editedGroup(), doc().Groups.At(0));
}

TEST_F(EditorsTest, APartialSelectionLeavesThePiecesAsTheyWereUnlessFused)
{
  ethane();
  layer.BuildAt(400, 200, ethaneCode);
  const int pieces = doc().Groups.Count();
  // A rectangle around the first ethane and one carbon of the second.
  const tXY* far = atom(3)->x3 > atom(2)->x3 ? atom(3) : atom(2);
  const tXY* near = far == atom(3) ? atom(2) : atom(3);
  layer.selectRectangle(150, 150, (near->x3 + far->x3) / 2, 250);
  ASSERT_EQ(layer.editorMode(), EditorMode::GroupEditor);
  EXPECT_EQ(layer.editedGroup()->Atoms.Count(), 3);
  layer.setEditorMode(EditorMode::Drawing);
  EXPECT_EQ(doc().Groups.Count(), pieces);

  // Fused, the selection stays and the first ethane, wholly inside it, goes.
  layer.selectRectangle(150, 150, (near->x3 + far->x3) / 2, 250);
  layer.Edit(EditorEdit::GroupFuse);
  layer.setEditorMode(EditorMode::Drawing);
  EXPECT_EQ(doc().Groups.Count(), pieces);
  int sizes = 0;
  for (const tStructure* g : doc().Groups)
    sizes += g->Atoms.Count();
  EXPECT_EQ(sizes, 3 + 2);
}

TEST_F(EditorsTest, TheGroupEditorShowsTheNormalViewUntilDone)
{
  ethane();
  layer.SetView(105);
  layer.rightClick(200, 200, PointerKeys::Ctrl);
  ASSERT_EQ(layer.editorMode(), EditorMode::GroupEditor);
  EXPECT_EQ(doc().viewMode, 0);
  layer.setEditorMode(EditorMode::Drawing);
  EXPECT_EQ(doc().viewMode, 105);
}

TEST_F(EditorsTest, AnElementCellChangesTheEditedAtomAtOnceAndArmsItsCode)
{
  ethane();
  layer.rightClick(atom(0)->x3, atom(0)->y3, PointerKeys::None);
  layer.chooseElement(8);
  EXPECT_EQ(atom(0)->element, 8);
  EXPECT_EQ(layer.pendingBuildCode(), 808);
  // In add-atom mode the cell only arms; the release places it.
  layer.setEditorMode(EditorMode::Drawing);
  layer.openAtomPlacement(AtomPlacement::Add);
  EXPECT_EQ(layer.editorMode(), EditorMode::AddAtom);
  EXPECT_FALSE(layer.placeArmedAtom(400, 400).changed);
  layer.chooseElement(17);
  layer.placeArmedAtom(400, 400);
  ASSERT_EQ(doc().Atoms.Count(), 3);
  EXPECT_EQ(atom(2)->element, 17);
}

TEST_F(EditorsTest, SliderStepsStartFromWhereTheSliderWasTaken)
{
  ethane();
  layer.rightClick(200, 200, PointerKeys::Ctrl);
  ASSERT_EQ(layer.editorMode(), EditorMode::GroupEditor);
  const double cx = midX(), cy = midY();
  const double ax = atom(0)->x3 - cx, ay = atom(0)->y3 - cy;
  for (double p : { 10.0, 20.0, 45.0 })
    layer.Edit(EditorEdit::GroupRotate, p);
  layer.Edit(EditorEdit::GroupSliderEnd);
  // Turned by 45 degrees in all (not 75) about the centre, whichever way round.
  const double turned = std::atan2(atom(0)->y3 - cy, atom(0)->x3 - cx) - std::atan2(ay, ax);
  EXPECT_NEAR(std::fabs(std::remainder(turned, 2 * std::numbers::pi)), std::numbers::pi / 4, 1e-6);
  // One Undo takes the whole movement back.
  layer.Undo();
  EXPECT_NEAR(atom(0)->x3 - cx, ax, 1e-9);
}

TEST_F(EditorsTest, TheBondPivotTurnsByTheDifferenceOfTheTrackPositions)
{
  // Propane: the pivot bond is the first; the group turns about it by 10, then 15 more.
  layer.BuildAt(200, 200, ethaneCode + 1);
  layer.rightClick(200, 200, PointerKeys::Ctrl);
  ASSERT_NE(layer.pivotBond(), nullptr);
  const tLink* axis = layer.pivotBond();
  tXY* off = nullptr;
  for (tXY* a : layer.editedGroup()->Atoms)
    if (a != axis->Atm1 && a != axis->Atm2)
      off = a;
  ASSERT_NE(off, nullptr);
  const auto torsionOf = [&] {
    // The angle of the off-axis atom about the axis, from the plane's normal (0, 0, 1).
    const double kx = axis->Atm2->x3 - axis->Atm1->x3, ky = axis->Atm2->y3 - axis->Atm1->y3;
    const double len = std::hypot(kx, ky);
    const double vx = off->x3 - axis->Atm1->x3, vy = off->y3 - axis->Atm1->y3;
    const double along = (vx * kx + vy * ky) / len;
    const double px = vx - along * kx / len, py = vy - along * ky / len;
    const double inPlane = std::copysign(std::hypot(px, py), px * -ky + py * kx);
    return std::atan2(off->z3 - axis->Atm1->z3, inPlane) * 180 / std::numbers::pi;
  };
  const double start = torsionOf();
  layer.Edit(EditorEdit::GroupBondPivot, 10);
  EXPECT_NEAR(std::fabs(std::remainder(torsionOf() - start, 360)), 10, 1e-6);
  layer.Edit(EditorEdit::GroupBondPivot, 25);
  EXPECT_NEAR(std::fabs(std::remainder(torsionOf() - start, 360)), 25, 1e-6);
}

TEST_F(EditorsTest, TheBondEditorsPivotTurnsThePartBeyondItsReferenceAtom)
{
  // Propane; the bond editor on its first bond, picked nearer the end carbon, so the middle
  // carbon and the far carbon beyond it are the part that turns.
  layer.BuildAt(200, 200, ethaneCode + 1);
  ASSERT_EQ(doc().Bonds.Count(), 2);
  const auto bondCount = [&](const tXY* a) {
    int n = 0;
    for (const tLink* b : doc().Bonds)
      n += b->Atm1 == a || b->Atm2 == a;
    return n;
  };
  tLink* pivot = onlyBond();
  tXY* end = bondCount(pivot->Atm1) == 1 ? pivot->Atm1 : pivot->Atm2;
  tXY* middle = pivot->partner(end);
  tXY* far = doc().Bonds.At(1)->partner(middle);
  const auto indexOf = [&](const tXY* a) {
    for (int i = 0; i < doc().Atoms.Count(); ++i)
      if (atom(i) == a)
        return i;
    return -1;
  };
  const int farIndex = indexOf(far);
  const double pickX = (end->x3 + middle->x3) / 2 + (end->x3 - middle->x3) * 0.3;
  const double pickY = (end->y3 + middle->y3) / 2 + (end->y3 - middle->y3) * 0.3;
  layer.rightClick(pickX, pickY, PointerKeys::Shift);
  ASSERT_EQ(layer.editorMode(), EditorMode::BondEditor);
  ASSERT_EQ(layer.bondReference(), end);

  // Half a turn about the axis end -> middle puts the far carbon at its mirror image through
  // the axis: 2 f - p, with f the foot of the perpendicular from p onto the axis.
  const double dx = middle->x3 - end->x3, dy = middle->y3 - end->y3, dz = middle->z3 - end->z3;
  const double px = far->x3 - end->x3, py = far->y3 - end->y3, pz = far->z3 - end->z3;
  const double t = (px * dx + py * dy + pz * dz) / (dx * dx + dy * dy + dz * dz);
  const double x0 = far->x3, y0 = far->y3, z0 = far->z3;
  const double endX = end->x3, middleX = middle->x3;
  // The scroll bar goes to 90, then 180: it turns by the difference, 180 in all.
  layer.Edit(EditorEdit::BondPivot, 90);
  layer.Edit(EditorEdit::BondPivot, 180);
  layer.Edit(EditorEdit::BondScrollEnd);
  EXPECT_NEAR(far->x3, end->x3 + 2 * t * dx - px, 1e-6);
  EXPECT_NEAR(far->y3, end->y3 + 2 * t * dy - py, 1e-6);
  EXPECT_NEAR(far->z3, end->z3 + 2 * t * dz - pz, 1e-6);
  EXPECT_DOUBLE_EQ(end->x3, endX); // the axis stays where it is
  EXPECT_DOUBLE_EQ(middle->x3, middleX);
  // The whole movement is one undo step.
  layer.Undo();
  EXPECT_NEAR(atom(farIndex)->x3, x0, 1e-9);
  EXPECT_NEAR(atom(farIndex)->y3, y0, 1e-9);
  EXPECT_NEAR(atom(farIndex)->z3, z0, 1e-9);
}

TEST_F(EditorsTest, TheBondSideStepsRightCentredLeftAndTheEditorStaysOpen)
{
  ethane();
  layer.rightClick(midX(), midY(), PointerKeys::Shift);
  layer.Edit(EditorEdit::BondType, 2);
  onlyBond()->offsetX = 0;
  onlyBond()->offsetY = 0;
  const struct
  {
    int x, y;
  } sides[] = { { 4, 1 }, { 1, 1 }, { 1, -1 }, { 4, 1 } }; // right, centred, left, right
  for (const auto& side : sides) {
    layer.Edit(EditorEdit::BondSide);
    EXPECT_EQ(onlyBond()->offsetX, side.x);
    EXPECT_EQ(onlyBond()->offsetY, side.y);
    EXPECT_EQ(layer.editorMode(), EditorMode::BondEditor);
  }
}

TEST_F(EditorsTest, DraggingAnAtomMovesItByThePointersTravelAndUndoPutsItBack)
{
  ethane();
  tXY* carbon = atom(0);
  const double x0 = carbon->x3, y0 = carbon->y3;
  layer.rightClick(x0, y0, PointerKeys::None);
  layer.startDrag(x0 + 3, y0 + 2); // grabbed a little off its centre
  EXPECT_TRUE(shell.mouseCaptured());
  layer.dragTo(x0 + 20, y0 + 10);
  layer.endDrag(x0 + 43, y0 - 8);
  EXPECT_FALSE(shell.mouseCaptured());
  EXPECT_DOUBLE_EQ(carbon->x3, x0 + 40);
  EXPECT_DOUBLE_EQ(carbon->y3, y0 - 10);
  layer.Undo();
  EXPECT_DOUBLE_EQ(atom(0)->x3, x0);
  EXPECT_DOUBLE_EQ(atom(0)->y3, y0);
  // No object, no drag.
  layer.setEditorMode(EditorMode::Drawing);
  EXPECT_FALSE(layer.startDrag(x0, y0).changed);
  EXPECT_FALSE(layer.dragging());
}

TEST_F(EditorsTest, ASymbolIsDraggedByItsNearestEndOrWholeNearItsCentre)
{
  layer.BuildAt(300, 300, arrowCode);
  ASSERT_EQ(doc().Symbols->Count(), 1);
  tSymbol* arrow = doc().Symbols->At(0);
  layer.rightClick(arrow->Atoms.At(0)->x3, arrow->Atoms.At(0)->y3, PointerKeys::None);
  ASSERT_EQ(layer.editorMode(), EditorMode::SymbolEditor);
  const tXY* end = arrow->Atoms.At(0);
  const tXY* other = arrow->Atoms.At(1);
  const double ex = end->x3, ox = other->x3;
  layer.startDrag(end->x3, end->y3);
  layer.endDrag(end->x3 + 10, end->y3);
  EXPECT_DOUBLE_EQ(end->x3, ex + 10);
  EXPECT_DOUBLE_EQ(other->x3, ox); // only that end moved: the arrow was reshaped
}

TEST_F(EditorsTest, EditsWithoutTheirObjectDoNothingAndSayWhyWhereTheUserAsked)
{
  EXPECT_FALSE(layer.Edit(EditorEdit::AtomCharge, 1).known);
  EXPECT_EQ(layer.Edit(EditorEdit::BondType, 2).message, "No Bond Selected");
  EXPECT_EQ(layer.Edit(EditorEdit::GroupInvert).message, "No group selected");
  EXPECT_FALSE(layer.Edit(EditorEdit::SymbolDelete).known);
}

TEST_F(EditorsTest, DeletingTheEditedObjectClosesItsEditorAndUndoLeavesNothingDangling)
{
  ethane();
  layer.rightClick(atom(0)->x3, atom(0)->y3, PointerKeys::None);
  layer.Edit(EditorEdit::AtomDelete);
  EXPECT_EQ(layer.editorMode(), EditorMode::Drawing);
  EXPECT_EQ(layer.editedAtom(), nullptr);
  EXPECT_EQ(doc().Atoms.Count(), 1);
  layer.Undo();
  EXPECT_EQ(doc().Atoms.Count(), 2);
  EXPECT_FALSE(layer.Edit(EditorEdit::AtomHydrogens, 1).known);

  // The bond editor's Cut, then the text editor's Delete, the same way.
  layer.rightClick(midX(), midY(), PointerKeys::Shift);
  layer.Edit(EditorEdit::BondCut);
  EXPECT_EQ(doc().Bonds.Count(), 0);
  EXPECT_EQ(layer.editedBond(), nullptr);
  layer.AddText(607, "Step 1", 100, 400);
  layer.rightClick(100, 400, PointerKeys::None);
  ASSERT_EQ(layer.editorMode(), EditorMode::TextEditor);
  layer.Edit(EditorEdit::TextClone);
  EXPECT_EQ(doc().Labels.Count(), 2);
  layer.Edit(EditorEdit::TextDelete);
  EXPECT_EQ(doc().Labels.Count(), 1);
  EXPECT_EQ(layer.editedText(), nullptr);
}

TEST_F(EditorsTest, TheBondEditorsPicturesSetTheType)
{
  ethane();
  layer.rightClick(midX(), midY(), PointerKeys::Shift);
  const struct
  {
    int picture;
    int type;
    int lineStyle;
  } rows[] = { { 2, DoubleBond, -1 },
               { 3, TripleBond, -1 },
               { 1, SingleBond, -1 },
               { 7, SingleBond, 2 },
               { 8, SingleBond, 3 } };
  for (const auto& r : rows) {
    layer.Edit(EditorEdit::BondType, r.picture);
    EXPECT_EQ(onlyBond()->bondType(), r.type) << r.picture;
    if (r.lineStyle >= 0) {
      EXPECT_EQ(onlyBond()->lineStyle, r.lineStyle) << r.picture;
    }
  }
}

// An OH is written with its H away from its carbon ("OH" right of it, "HO" left of it). Every
// motion that carries the O to the other side of its carbon writes it the other way round.
TEST_F(EditorsTest, AnOHCarriedToTheOtherSideOfItsCarbonIsWrittenTheOtherWay)
{
  struct Case
  {
    const char* motion;
    std::function<void(CommandLayer&)> move;
  };
  const Case cases[] = {
    { "reflect across", [](CommandLayer& l) { l.Edit(EditorEdit::GroupReflect, 1); } },
    { "rotate by 180", [](CommandLayer& l) { l.Edit(EditorEdit::GroupRotateBy, 180); } },
    { "turn by 180", [](CommandLayer& l) { l.Edit(EditorEdit::GroupTurnBy, 180); } },
    { "rotate slider",
      [](CommandLayer& l) {
        for (double p : { 60.0, 120.0, 180.0 })
          l.Edit(EditorEdit::GroupRotate, p);
        l.Edit(EditorEdit::GroupSliderEnd);
      } },
    { "invert", [](CommandLayer& l) { l.Edit(EditorEdit::GroupInvert); } },
    { "turn the view",
      [](CommandLayer& l) {
        l.setEditorMode(EditorMode::Drawing);
        l.TurnView(0, 90, 0, true);
        l.TurnView(0, 90, 0, false);
      } },
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.motion);
    CommandLayer ethanol{ std::make_unique<tDrawing>() };
    ethanol.BuildAt(200, 200, ethaneCode);
    tXY* carbon = ethanol.drawing().Atoms.At(1);
    ethanol.BuildAt(carbon->x3 + 3, carbon->y3, 543);
    tXY* oxygen = nullptr;
    for (tXY* a : ethanol.drawing().Atoms)
      if (a->element == 8)
        oxygen = a;
    ASSERT_TRUE(oxygen);
    const bool rightOfCarbon = oxygen->x3 > carbon->x3;
    ASSERT_EQ(oxygen->textDirection, rightOfCarbon ? 1 : -1);

    ethanol.rightClick(carbon->x3, carbon->y3, PointerKeys::Ctrl);
    ASSERT_EQ(ethanol.editorMode(), EditorMode::GroupEditor);
    c.move(ethanol);
    ASSERT_NE(oxygen->x3 > carbon->x3, rightOfCarbon);
    EXPECT_EQ(oxygen->textDirection, rightOfCarbon ? -1 : 1);
  }
}

} // namespace
} // namespace trelvix
