// The animation as a state of the command layer: its frames turn the model, every edit is refused
// while it runs, and stopping gives back the document, its saved flag and its undo history.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/atom.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace trelvix {
namespace {

struct Heard : CommandObserver
{
  int changed = 0, replaced = 0, undo = 0;
  std::vector<bool> saved;
  void documentChanged() override { ++changed; }
  void documentReplaced() override { ++replaced; }
  void undoStateChanged() override { ++undo; }
  void savedChanged(bool s) override { saved.push_back(s); }
};

class AnimationTest : public ModelTest
{
protected:
  AnimationTest() { layer.addObserver(&heard); }
  ~AnimationTest() override
  {
    layer.removeObserver(&heard);
    std::filesystem::remove(path);
  }

  /// The document as the file writer saves it through the layer's Save.
  std::string saved()
  {
    EXPECT_TRUE(layer.SaveDocument(path).acted());
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
  }

  CommandLayer layer{ std::make_unique<tDrawing>() };
  Heard heard;
  const std::string path =
    (std::filesystem::temp_directory_path() / ("animation-" + std::to_string(getpid()) + ".tvx"))
      .string();
};

TEST_F(AnimationTest, StoppingGivesBackTheSavedBytesAndTheUndoHistory)
{
  layer.BuildAt(200, 200, 154); // a six-membered ring, flat: z = 0 everywhere
  const std::string beforeBranch = saved();
  layer.BuildAt(260, 200, 511); // a branch on it: the second step
  const std::string before = saved();
  const std::size_t undoSteps = layer.undoHistory().undoSteps();
  const std::size_t redoSteps = layer.undoHistory().redoSteps();
  const std::uint8_t savedFlag = layer.drawing().savedFlag;
  const double z0 = layer.drawing().Atoms.At(0)->z3;

  ASSERT_TRUE(layer.StartAnimation().acted());
  EXPECT_TRUE(layer.animating());
  heard = Heard{};
  // Rock and spin: about the horizontal axis (1), then the vertical one (2), each from the start.
  const std::pair<double, int> frames[] = {
    { 30, 1 }, { 60, 1 }, { -60, 1 }, { 45, 2 }, { 90, 2 }
  };
  for (const auto& [angle, axis] : frames)
    EXPECT_TRUE(layer.AnimationFrame(angle, axis).changed) << angle << " about " << axis;
  // The last frame turned the model a quarter turn about the vertical axis: the flat ring stands
  // out of the page.
  double spread = 0;
  for (const tXY* a : layer.drawing().Atoms)
    spread = std::max(spread, std::abs(a->z3 - z0));
  EXPECT_GT(spread, 10.0);
  EXPECT_EQ(heard.changed, 5); // each frame is heard

  // Meanwhile every edit is refused, Undo and Save among them; the view code may change.
  EXPECT_TRUE(layer.AddAtom(6, 400, 400).refused);
  EXPECT_TRUE(layer.KeyUp("N", 200, 200).refused);
  EXPECT_TRUE(layer.Undo().refused);
  EXPECT_TRUE(layer.NewDocument().refused);
  EXPECT_FALSE(layer.SetView(3).refused);
  EXPECT_FALSE(layer.StartAnimation().known); // one animation at a time
  layer.SetView(0);

  ASSERT_TRUE(layer.StopAnimation().changed);
  EXPECT_FALSE(layer.animating());
  EXPECT_EQ(heard.changed, 5 + 1 + 2); // the two view changes, then the stop
  EXPECT_EQ(heard.replaced, 0);
  EXPECT_EQ(heard.undo, 0);
  EXPECT_TRUE(heard.saved.empty());
  EXPECT_EQ(layer.drawing().savedFlag, savedFlag);
  EXPECT_EQ(layer.undoHistory().undoSteps(), undoSteps);
  EXPECT_EQ(layer.undoHistory().redoSteps(), redoSteps);
  EXPECT_EQ(saved(), before);
  // The history goes on as if nothing had moved: Undo takes back the branch, Redo brings it.
  ASSERT_TRUE(layer.Undo().changed);
  EXPECT_EQ(saved(), beforeBranch);
  ASSERT_TRUE(layer.Redo().changed);
  EXPECT_EQ(saved(), before);
  EXPECT_FALSE(layer.StopAnimation().known); // nothing to stop any more
}

TEST_F(AnimationTest, FramesAndStopDoNothingWithoutAnAnimation)
{
  layer.BuildAt(200, 200, 154);
  const std::string before = saved();
  EXPECT_FALSE(layer.AnimationFrame(30, 1).known);
  EXPECT_FALSE(layer.StopAnimation().known);
  EXPECT_EQ(saved(), before);
}

} // namespace
} // namespace trelvix
