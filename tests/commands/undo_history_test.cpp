// The undo history: a hundred steps back and forward, each state exactly as it was, imports and
// placements as steps of their own, a new history for each new or opened document.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/structure_atom.h"
#include "writable_document.h"

#include <filesystem>
#include <unistd.h>

namespace trelvix {
namespace {

class UndoHistoryTest : public ModelTest
{
protected:
  CommandLayer layer{ std::make_unique<tDrawing>() };
  const tDrawing& doc() const { return layer.drawing(); }
  // The writer numbers the atoms it writes: it takes the document writable.
  std::vector<std::uint8_t> bytes() { return writeDrawing(writableDocument(layer)); }
};

// Edits of every kind the history sees, each acting on what the steps before it placed:
// building, placing atoms, element keys and charge keys (a step of its own in the long history).
CommandResult edit(CommandLayer& layer, int i)
{
  const double y = 100;
  auto x = [](int k) { return 60.0 + 60 * k; };
  switch (i % 4) {
    case 0:
      return layer.BuildAt(x(i), y + 60, 501); // an ethane below the row of atoms
    case 1:
      return layer.AddAtom(8, x(i), y);
    case 2:
      return layer.KeyUp("N", x(i - 1), y); // the oxygen just placed becomes a nitrogen
    default:
      return layer.KeyUp("+", x(i - 2), y);
  }
}

TEST_F(UndoHistoryTest, AHundredEditsGoBackAndForwardStateByState)
{
  std::vector<std::vector<std::uint8_t>> states{ bytes() };
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(edit(layer, i).changed) << "edit " << i;
    states.push_back(bytes());
  }
  ASSERT_EQ(layer.undoHistory().undoSteps(), 100u);
  for (int i = 99; i >= 0; --i) {
    ASSERT_TRUE(layer.Undo().changed) << i;
    ASSERT_EQ(bytes(), states[static_cast<std::size_t>(i)]) << "after undoing edit " << i;
  }
  EXPECT_FALSE(layer.canUndo());
  EXPECT_FALSE(layer.Undo().changed);
  for (int i = 0; i < 100; ++i) {
    ASSERT_TRUE(layer.canRedo());
    ASSERT_TRUE(layer.Redo().changed);
    ASSERT_EQ(bytes(), states[static_cast<std::size_t>(i + 1)]) << "after redoing edit " << i;
  }
  EXPECT_FALSE(layer.canRedo());
  EXPECT_STREQ(layer.undoCaption(), "Undo");
}

TEST_F(UndoHistoryTest, ANewStepForgetsRedoAndTheOldestStepsGoBeyondTheLevels)
{
  layer.setUndoLevels(3);
  for (int i = 0; i < 5; ++i)
    layer.AddAtom(6, 100 + 50 * i, 100);
  EXPECT_EQ(layer.undoHistory().undoSteps(), 3u);
  layer.Undo();
  layer.Undo();
  ASSERT_EQ(doc().Atoms.NAtoms(), 3);
  layer.AddAtom(7, 100, 300);
  EXPECT_FALSE(layer.canRedo());
  layer.Undo();
  layer.Undo();
  EXPECT_EQ(doc().Atoms.NAtoms(), 2); // two atoms: the first three steps are gone
  EXPECT_FALSE(layer.canUndo());
}

TEST_F(UndoHistoryTest, AnImportAndAPlacementAreStepsOfTheirOwn)
{
  // A file with one ring, written by the program's own writer.
  const std::string path =
    (std::filesystem::temp_directory_path() / ("undo-import-" + std::to_string(getpid()) + ".tvx"))
      .string();
  {
    CommandLayer other{ std::make_unique<tDrawing>() };
    other.BuildAt(100, 100, 154);
    ASSERT_TRUE(other.SaveDocument(path).acted());
  }
  layer.BuildAt(100, 100, 501);
  const int atomsBefore = doc().Atoms.NAtoms();
  const auto beforeImport = bytes();
  ASSERT_TRUE(layer.ImportDocument(path).changed);
  std::filesystem::remove(path);
  const auto afterImport = bytes();
  ASSERT_EQ(doc().Atoms.NAtoms(), atomsBefore + 6);
  // A placement (what Paste and Add from SMILES do): one atom here.
  ASSERT_TRUE(layer
                .Place([&] {
                  tDrawing& d = writableDocument(layer);
                  d.addAtomAtOffset(*static_cast<tAtm*>(d.Atoms.At(0)), 8, 0, 40);
                  return std::string();
                })
                .changed);
  const auto afterPlace = bytes();
  layer.Undo();
  EXPECT_EQ(bytes(), afterImport);
  layer.Undo();
  EXPECT_EQ(bytes(), beforeImport);
  layer.Redo();
  layer.Redo();
  EXPECT_EQ(bytes(), afterPlace);
}

TEST_F(UndoHistoryTest, AFailedPlacementMakesNoStep)
{
  layer.AddAtom(6, 100, 100);
  layer.Undo();
  ASSERT_TRUE(layer.canRedo());
  EXPECT_FALSE(layer.Place([] { return std::string("no molecule"); }).changed);
  EXPECT_TRUE(layer.canRedo()); // nothing changed, so nothing to redo was lost
  EXPECT_FALSE(layer.canUndo());
}

TEST_F(UndoHistoryTest, NewAndOpenStartANewHistory)
{
  layer.AddAtom(6, 100, 100);
  layer.AddAtom(6, 200, 100);
  layer.Undo();
  ASSERT_TRUE(layer.canUndo() && layer.canRedo());
  layer.NewDocument();
  EXPECT_FALSE(layer.canUndo());
  EXPECT_FALSE(layer.canRedo());
}

TEST_F(UndoHistoryTest, UntrackedEditsForgetRedoSoRedoNeverDropsThem)
{
  layer.AddAtom(6, 100, 100);
  layer.AddAtom(6, 200, 100);
  layer.Undo();
  layer.SetComments("Ethane", "", "");
  EXPECT_FALSE(layer.canRedo());
  EXPECT_EQ(doc().title, "Ethane");
}

TEST_F(UndoHistoryTest, TheOneLevelUndoKeepsItsCopyThroughEditorWork)
{
  layer.setUndoLevels(1);
  layer.AddAtom(6, 100, 100);
  layer.AddAtom(6, 200, 100);
  ASSERT_STREQ(layer.undoCaption(), "Undo");
  layer.Undo();
  EXPECT_EQ(doc().Atoms.NAtoms(), 1);
  EXPECT_STREQ(layer.undoCaption(), "Redo");
  EXPECT_TRUE(layer.canUndo()); // the item stays enabled: it redoes now
  layer.Undo();
  EXPECT_EQ(doc().Atoms.NAtoms(), 2);
}

TEST_F(UndoHistoryTest, TheMemoryBoundDropsTheOldestStepsButNeverTheNewest)
{
  UndoHistory history;
  auto make = [] {
    auto d = std::make_unique<tDrawing>();
    return d;
  };
  history.setByteBudget(documentBytes(*make()) * 2);
  for (int i = 0; i < 5; ++i)
    history.record(make());
  EXPECT_EQ(history.undoSteps(), 2u);
  history.setByteBudget(0);
  EXPECT_EQ(history.undoSteps(), 1u);
}

} // namespace
} // namespace trelvix
