// The command layer as a window uses it: results, observers, the busy flag, undo and redo,
// documents in and out, and the editor references it clears when their objects go.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/code_table.h"
#include "document/drawing.h"
#include "mechanics/stop_tool.h"
#include "model/bond.h"
#include "model/defaults.h"
#include "model/structure_atom.h"
#include "writable_document.h"

#include <cmath>
#include <concepts>
#include <filesystem>
#include <functional>
#include <map>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <unistd.h>
#include <utility>

namespace trelvix {
namespace {

// No front end can change the document but through a command: the layer hands it out read-only,
// also from a layer that is not const itself.
template<class Layer>
concept handsOutAWritableDocument = requires(Layer& layer)
{
  {
    layer.drawing()
    } -> std::same_as<tDrawing&>;
};
static_assert(!handsOutAWritableDocument<CommandLayer>);
static_assert(std::is_same_v<decltype(std::declval<CommandLayer&>().drawing()), const tDrawing&>);

/// Counts what the observers hear.
struct Recorder : CommandObserver
{
  int replaced = 0, changed = 0, undo = 0, mode = 0, defaults = 0;
  std::vector<bool> saved, busy;
  void documentReplaced() override { ++replaced; }
  void documentChanged() override { ++changed; }
  void savedChanged(bool s) override { saved.push_back(s); }
  void undoStateChanged() override { ++undo; }
  void modeChanged() override { ++mode; }
  void busyChanged(bool b) override { busy.push_back(b); }
  void defaultsChanged() override { ++defaults; }
};

class CommandLayerTest : public ModelTest
{
protected:
  CommandLayerTest() { layer.addObserver(&heard); }
  ~CommandLayerTest() override { layer.removeObserver(&heard); }

  CommandLayer layer{ std::make_unique<tDrawing>() };
  Recorder heard;
  const tDrawing& doc() const { return layer.drawing(); }
};

TEST_F(CommandLayerTest, ResultsSayWhatHappenedWithoutReadingALog)
{
  const CommandResult ring = layer.BuildAt(100, 100, 154);
  EXPECT_TRUE(ring.acted());
  EXPECT_TRUE(ring.changed);
  const CommandResult branch = layer.BuildAt(500, 500, 511);
  EXPECT_TRUE(branch.acted()); // a branch goes to the nearest atom, however far
  CommandResult empty;
  {
    CommandLayer fresh{ std::make_unique<tDrawing>() };
    empty = fresh.BuildAt(0, 0, 514);
  }
  EXPECT_EQ(empty.message, "No Atoms to link");
  EXPECT_FALSE(empty.acted());
  const CommandResult unknown = layer.BuildAt(0, 0, 999);
  EXPECT_FALSE(unknown.known);
  EXPECT_FALSE(layer.KeyUp("W", 0, 0).known);
}

TEST_F(CommandLayerTest, ObserversHearEditsReplacementsUndoAndMode)
{
  layer.setUndoLevels(1); // the classic Undo item, whose caption takes turns
  heard.undo = 0;
  layer.armBuildCode(154);
  EXPECT_EQ(heard.mode, 1);
  layer.pressAt(100, 100);
  EXPECT_EQ(heard.changed, 1);
  EXPECT_EQ(heard.undo, 1); // Undo became enabled
  EXPECT_TRUE(layer.canUndo());
  EXPECT_STREQ(layer.undoCaption(), "Undo");
  layer.Undo();
  EXPECT_EQ(heard.replaced, 1);
  EXPECT_EQ(heard.undo, 2);
  EXPECT_STREQ(layer.undoCaption(), "Redo");
  EXPECT_EQ(layer.pendingBuildCode(), 0); // Undo disarms the pending code
  layer.NewDocument();
  EXPECT_EQ(heard.replaced, 2);
}

TEST_F(CommandLayerTest, TheOneLevelUndoTwiceRedoesAndTheCaptionAlternates)
{
  layer.setUndoLevels(1);
  layer.BuildAt(100, 100, 154);
  layer.BuildAt(300, 100, 505);
  ASSERT_EQ(doc().Atoms.Count(), 12);
  layer.Undo();
  EXPECT_EQ(doc().Atoms.Count(), 6);
  EXPECT_EQ(CurrentDrawing, &doc());
  layer.Undo();
  EXPECT_EQ(doc().Atoms.Count(), 12);
  EXPECT_STREQ(layer.undoCaption(), "Undo");
  layer.Undo();
  EXPECT_EQ(doc().Atoms.Count(), 6);
}

TEST_F(CommandLayerTest, UndoStaysDisabledUntilAnEdit)
{
  EXPECT_FALSE(layer.canUndo());
  EXPECT_FALSE(layer.Undo().changed);
  layer.BuildAt(100, 100, 0); // a press with nothing armed takes a copy but enables nothing
  EXPECT_FALSE(layer.canUndo());
}

/// A shell whose event processing runs a callback: a window's events arriving mid-run.
class EventShell : public ScriptedShell
{
public:
  std::function<void()> onEvents;
  void processEvents() override
  {
    ScriptedShell::processEvents();
    if (onEvents)
      onEvents();
  }
};

TEST_F(CommandLayerTest, WhileOptimisingEveryOtherCommandIsRefused)
{
  EventShell events;
  setCurrentShell(&events);
  layer.BuildAt(100, 100, 505); // hexane
  const int atoms = doc().Atoms.Count();
  std::vector<CommandResult> during;
  events.onEvents = [&] {
    if (during.size() < 3) {
      during.push_back(layer.BuildAt(300, 300, 154));
      during.push_back(layer.Undo());
      during.push_back(layer.NewDocument());
    }
  };
  StopTool stop;
  const CommandResult run = layer.Optimize(OptimiseCommand::OptimizeGeometry, stop);
  events.onEvents = nullptr;
  setCurrentShell(&shell);
  EXPECT_TRUE(run.acted());
  ASSERT_EQ(during.size(), 3u);
  for (const CommandResult& r : during)
    EXPECT_TRUE(r.refused);
  EXPECT_EQ(doc().Atoms.Count(), atoms);
  EXPECT_EQ(heard.busy, (std::vector<bool>{ true, false }));
  EXPECT_FALSE(layer.busy());
  // The run can be undone.
  EXPECT_TRUE(layer.Undo().changed);
}

// A fault deep in a library (here the force field, after it moved the atoms) puts the document
// back as it was before the command and says so in plain words; memory running out says that.
TEST_F(CommandLayerTest, AFailingCommandPutsTheDocumentBackAndSaysSoPlainly)
{
  struct Case
  {
    std::function<void()> fail;
    const char* message;
  };
  const Case cases[] = {
    { [] { throw std::runtime_error("vector::_M_range_check: __n (which is 7)"); },
      "The command failed: the drawing is as it was" },
    { [] { throw std::bad_alloc(); },
      "Not enough memory for this command: the drawing is as it was" },
  };
  layer.BuildAt(100, 100, 501);
  const double x = doc().Atoms.At(0)->x3;
  for (const Case& c : cases) {
    layer.setForceFieldOptimiser(
      [&c](tStructure& target, ForceFieldChoice, StopTool&, const ForceFieldProgress&) {
        target.Atoms.At(0)->x3 += 50;
        c.fail();
        return ForceFieldRun{};
      });
    StopTool stop;
    const CommandResult r = layer.OptimizeWith(ForceFieldChoice::MMFF94, stop);
    EXPECT_EQ(r.message, c.message);
    EXPECT_EQ(doc().Atoms.At(0)->x3, x);
    EXPECT_FALSE(layer.busy());
  }
}

// An OH put on a benzene carbon by a click inside the ring (12 pixels from the carbon at
// (224.2, 186) towards the centre) points into the ring and is written "HO", left of its carbon;
// the optimisation swings it out to the right, and it is written "OH" again.
TEST_F(CommandLayerTest, AnOptimisedOHIsWrittenAwayFromItsCarbon)
{
  layer.BuildAt(200, 200, 701);
  layer.BuildAt(214, 192, 543);
  tXY* oxygen = nullptr;
  for (tXY* a : doc().Atoms)
    if (a->element == 8)
      oxygen = a;
  ASSERT_TRUE(oxygen);
  ASSERT_EQ(oxygen->textDirection, -1);
  StopTool stop;
  ASSERT_TRUE(layer.Optimize(OptimiseCommand::OptimizeGeometry, stop).acted());
  const tXY* carbon = nullptr;
  for (const tLink* b : doc().Bonds)
    if (b->Atm1 == oxygen || b->Atm2 == oxygen)
      carbon = b->Atm1 == oxygen ? b->Atm2 : b->Atm1;
  ASSERT_TRUE(carbon);
  ASSERT_GT(oxygen->x3, carbon->x3);
  EXPECT_EQ(oxygen->textDirection, 1);
}

TEST_F(CommandLayerTest, OptimizeProtonsWithoutProtonsDoesNothing)
{
  layer.BuildAt(100, 100, 505);
  StopTool stop;
  const CommandResult r = layer.Optimize(OptimiseCommand::OptimizeProtons, stop);
  EXPECT_FALSE(r.known);
  EXPECT_TRUE(heard.busy.empty());
}

// Every way the edited group or atom can be freed leaves no reference behind (run under
// AddressSanitizer, a dangling one is a use after free in the model's questions).
TEST_F(CommandLayerTest, EditorReferencesAreClearedWhenTheirObjectsGo)
{
  struct Case
  {
    const char* how;
    std::function<void(CommandLayer&)> free;
    bool atomFreed = true;
  };
  const Case cases[] = {
    { "Delete its last atom",
      [](CommandLayer& l) {
        tXY* a = l.drawing().Atoms.At(0);
        l.KeyUp("Delete", a->x3, a->y3);
      } },
    { "Link Atoms merges it into another piece",
      [](CommandLayer& l) {
        l.BuildAt(300, 100, 524); // the oxygen's piece takes the carbon's
        l.BuildAt(100, 100, 524);
      },
      false },
    { "Undo", [](CommandLayer& l) { l.Undo(); } },
    { "New", [](CommandLayer& l) { l.NewDocument(); } },
  };
  for (const Case& c : cases) {
    CommandLayer l{ std::make_unique<tDrawing>() };
    l.AddAtom(6, 100, 100); // the group to edit: one carbon
    l.AddAtom(8, 300, 100); // another piece
    tStructure* group = l.drawing().Groups.At(0);
    l.setEditorMode(EditorMode::GroupEditor);
    l.setEditedGroup(group);
    l.setEditedAtom(l.drawing().Atoms.At(0));
    ASSERT_EQ(l.editedGroup(), group) << c.how;
    ASSERT_TRUE(l.drawing().groupEditorShown()) << c.how;
    c.free(l);
    EXPECT_EQ(l.editedGroup(), nullptr) << c.how;
    if (c.atomFreed) {
      EXPECT_EQ(l.editedAtom(), nullptr) << c.how;
    }
    // The model's question reads the edited group: nothing freed is read.
    EXPECT_FALSE(l.drawing().groupEditorShown()) << c.how;
    l.AddProtons3D();
  }
}

TEST_F(CommandLayerTest, BackToDrawingDisarmsAndForgetsTheEditors)
{
  layer.AddAtom(6, 100, 100);
  layer.armBuildCode(154);
  layer.setEditorMode(EditorMode::GroupEditor);
  layer.setEditedGroup(doc().Groups.At(0));
  layer.setEditorMode(EditorMode::Drawing);
  EXPECT_EQ(layer.pendingBuildCode(), 0);
  EXPECT_EQ(layer.editedGroup(), nullptr);
  EXPECT_FALSE(doc().groupEditorShown());
  // A group of another document is never taken.
  tStructure stranger;
  layer.setEditedGroup(&stranger);
  EXPECT_EQ(layer.editedGroup(), nullptr);
}

TEST_F(CommandLayerTest, ZoomAndFontAreEditsWithoutUndoCopies)
{
  layer.AddAtom(6, 100, 100);
  layer.AddAtom(8, 130, 140); // 50 pixels from the carbon
  const bool undoBefore = layer.canUndo();
  const int changedBefore = heard.changed;
  EXPECT_TRUE(layer.Zoom(2).acted());
  const tXY* c = doc().Atoms.At(0);
  const tXY* o = doc().Atoms.At(1);
  EXPECT_NEAR(std::hypot(o->x3 - c->x3, o->y3 - c->y3), 2 * 50, 1e-9);
  EXPECT_EQ(heard.changed, changedBefore + 1);
  EXPECT_EQ(layer.canUndo(), undoBefore);
  for (const double bad : { 0.0, -1.0, std::nan("") })
    EXPECT_FALSE(layer.Zoom(bad).known) << bad;

  FontRecord big = defaultFontRecord();
  big.height = 40;
  EXPECT_TRUE(layer.SetFont(big).acted());
  for (const tXY* a : doc().Atoms)
    EXPECT_EQ(a->font.height, 40);
  // The font is also the default of new texts from now on, and observers hear it.
  EXPECT_EQ(modelDefaults().font.height, 40);
  EXPECT_EQ(heard.defaults, 1);
}

// The 3D draw mode is a default the layer keeps: observers (the window's check marks and build
// items) hear when it changes, and nothing when it is set to what it was.
TEST_F(CommandLayerTest, TheDrawModeIsSetThroughTheLayerAndHeard)
{
  ASSERT_FALSE(modelDefaults().DrawMode3D);
  EXPECT_TRUE(layer.SetDrawMode3D(true).changed);
  EXPECT_TRUE(modelDefaults().DrawMode3D);
  EXPECT_EQ(heard.defaults, 1);
  EXPECT_FALSE(layer.SetDrawMode3D(true).changed);
  EXPECT_EQ(heard.defaults, 1);
  EXPECT_TRUE(layer.SetDrawMode3D(false).changed);
  EXPECT_FALSE(modelDefaults().DrawMode3D);
  EXPECT_EQ(heard.defaults, 2);
}

TEST_F(CommandLayerTest, BranchingOnAnAtomBondedToItselfIsNoCrash)
{
  // A damaged file can hold a bond whose two ends are one atom; a branch on that atom treats it
  // as pointing nowhere.
  layer.AddAtom(6, 100, 100);
  tDrawing& damaged = writableDocument(layer);
  tXY* carbon = damaged.Atoms.At(0);
  auto* loop = new tbond(carbon, carbon);
  damaged.Bonds.Add(loop);
  damaged.Groups.At(0)->Bonds.Add(loop);
  for (const int code : { 511, 543 }) {
    const CommandResult r = layer.BuildAt(100, 100, code);
    EXPECT_TRUE(r.changed) << code;
  }
}

TEST_F(CommandLayerTest, ProtonsThatWouldLeaveThePageRollBackAndFreeWhatTheyMade)
{
  // The hydrogens of a carbon at the edge of the coordinate range land beyond it: the edit is
  // undone, and the atoms and bonds already made are freed (the sanitised run sees a leak).
  layer.AddAtom(6, 100, 100);
  tXY* carbon = doc().Atoms.At(0);
  carbon->setRXYZ(2147483640.0, 100, 0);
  const CommandResult r = layer.AddProtons2D();
  EXPECT_EQ(r.message, "Arithmetic overflow");
  EXPECT_EQ(doc().Atoms.NAtoms(), 1);
  EXPECT_EQ(doc().Bonds.Count(), 0);
}

class CommandLayerFileTest : public CommandLayerTest
{
protected:
  CommandLayerFileTest()
  {
    dir = std::filesystem::temp_directory_path() /
          ("trelvix-layer-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  ~CommandLayerFileTest() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_F(CommandLayerFileTest, SaveAndOpenRoundTripWithTheSavedFlag)
{
  layer.BuildAt(100, 100, 154);
  EXPECT_EQ(doc().savedFlag, 0);
  const std::string path = (dir / "ring.tvx").string();
  const CommandResult saved = layer.SaveDocument(path);
  EXPECT_TRUE(saved.acted()) << saved.message;
  EXPECT_EQ(doc().savedFlag, 1);
  EXPECT_EQ(heard.saved, (std::vector<bool>{ true }));
  EXPECT_EQ(layer.documentPath(), path);
  layer.NewDocument();
  EXPECT_EQ(doc().Atoms.Count(), 0);
  EXPECT_TRUE(layer.documentPath().empty());
  const CommandResult opened = layer.OpenDocument(path);
  EXPECT_TRUE(opened.acted());
  EXPECT_EQ(doc().Atoms.Count(), 6);
  EXPECT_EQ(doc().fileName.str(), "ring.tvx");
}

TEST_F(CommandLayerFileTest, AFailedOpenOrSaveKeepsTheDocumentAndItsFlags)
{
  layer.BuildAt(100, 100, 154);
  const tDrawing* before = &doc();
  const CommandResult opened = layer.OpenDocument((dir / "missing.tvx").string());
  EXPECT_FALSE(opened.acted());
  EXPECT_FALSE(opened.message.empty());
  EXPECT_EQ(&doc(), before);
  const CommandResult saved = layer.SaveDocument((dir / "no" / "such" / "x.tvx").string());
  EXPECT_EQ(saved.message, "Path not found");
  EXPECT_NE(saved.reason.find("No such file or directory"), std::string::npos) << saved.reason;
  EXPECT_EQ(doc().savedFlag, 0);
  EXPECT_TRUE(heard.saved.empty());
  EXPECT_TRUE(layer.documentPath().empty());
}

TEST(BuildCodeTable, EveryMenuItemArmsAKnownCodeOnce)
{
  std::set<std::pair<std::string, std::string>> items;
  std::map<int, int> menuCodes;
  for (const BuildCodeItem& item : buildCodeItems()) {
    EXPECT_TRUE(isBuildCode(item.code)) << item.code;
    ASSERT_NE(item.procedure, nullptr) << item.code;
    if (!item.menuPath)
      continue;
    EXPECT_TRUE(items.insert({ item.menuPath, item.caption }).second)
      << item.menuPath << " " << item.caption;
    ++menuCodes[item.code];
  }
  // Ring Add/Branch/Fuse/Join 8 each + boat + chair, alkanes 11, alkyls 12, 48 branch groups,
  // benzene 3, molecules 21.
  EXPECT_EQ(items.size(), 4u * 8 + 2 + 11 + 12 + 48 + 3 + 21);
  // Only the methyl branch is armed from two menus.
  for (const auto& [code, count] : menuCodes)
    EXPECT_EQ(count, code == 511 ? 2 : 1) << code;
  for (const int code : { 0, 160, 499 + 100, 999, 65535, 800, 904 })
    EXPECT_FALSE(isBuildCode(code)) << code;
  for (const int code : { 524, 607, 608, 801, 903, 720, 729 })
    EXPECT_TRUE(isBuildCode(code)) << code;
}

} // namespace
} // namespace trelvix
