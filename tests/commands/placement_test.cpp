// What a library above the core places through the command layer: an armed placement at the
// next press, and a document read elsewhere appended as Import appends one.
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/atom.h"
#include "model/link.h"
#include "writable_document.h"

#include <functional>
#include <string>
#include <vector>

namespace trelvix {
namespace {

class PlacementTest : public ModelTest
{
protected:
  /// Arms a placement that records where it was run and answers failure.
  void arm(std::string failure = {})
  {
    layer.armPlacement([this, failure](double x, double y) {
      presses.push_back({ x, y });
      return failure;
    });
  }

  CommandLayer layer{ std::make_unique<tDrawing>() };
  std::vector<std::pair<double, double>> presses;
};

TEST_F(PlacementTest, TheNextPressRunsItOnceAsOneEdit)
{
  arm();
  EXPECT_TRUE(layer.placementArmed());
  EXPECT_FALSE(layer.canUndo());
  const CommandResult placed = layer.pressAt(120, 80);
  EXPECT_TRUE(placed.acted());
  ASSERT_EQ(presses.size(), 1u);
  EXPECT_EQ(presses.front(), std::make_pair(120.0, 80.0));
  EXPECT_TRUE(layer.canUndo());
  EXPECT_FALSE(layer.placementArmed());
  EXPECT_EQ(layer.pendingBuildCode(), 0);

  layer.pressAt(200, 200);
  EXPECT_EQ(presses.size(), 1u);
}

TEST_F(PlacementTest, AFailedPlacementSaysWhy)
{
  arm("no room here");
  const CommandResult result = layer.pressAt(10, 10);
  EXPECT_EQ(result.message, "no room here");
  EXPECT_FALSE(result.acted());
  EXPECT_FALSE(result.changed);
  EXPECT_FALSE(layer.canUndo());
}

TEST_F(PlacementTest, AFailedPlacementKeepsTheUndoCopyAndTheSavedState)
{
  layer.BuildAt(100, 100, 501); // a bond: Undo would take it away
  ASSERT_TRUE(layer.canUndo());
  writableDocument(layer).savedFlag = 1;
  arm("no room here");
  layer.pressAt(10, 10);
  EXPECT_TRUE(layer.canUndo());
  EXPECT_EQ(std::string(layer.undoCaption()), "Undo");
  EXPECT_EQ(layer.drawing().savedFlag, 1);
  layer.Undo();
  EXPECT_EQ(layer.drawing().Atoms.Count(), 0);
}

TEST_F(PlacementTest, WhateverDisarmsABuildCodeDisarmsIt)
{
  const std::vector<std::pair<const char*, std::function<void(CommandLayer&)>>> disarms{
    { "Reset", [](CommandLayer& l) { l.Reset(); } },
    { "another code", [](CommandLayer& l) { l.armBuildCode(154); } },
    { "back to drawing", [](CommandLayer& l) { l.setEditorMode(EditorMode::Drawing); } },
    { "Undo", [](CommandLayer& l) { l.Undo(); } },
    { "Add Atom", [](CommandLayer& l) { l.openAtomPlacement(AtomPlacement::Add); } },
  };
  for (const auto& [name, disarm] : disarms) {
    SCOPED_TRACE(name);
    layer.BuildAt(300, 300, 154); // something to undo
    arm();
    disarm(layer);
    EXPECT_FALSE(layer.placementArmed());
    layer.setEditorMode(EditorMode::Drawing);
    layer.pressAt(50, 50);
    EXPECT_TRUE(presses.empty());
  }
}

TEST_F(PlacementTest, AnAppendedDrawingIsOneEditAndTakesTheDocumentsBondLength)
{
  layer.BuildAt(100, 100, 154);
  const int ours = layer.drawing().Atoms.Count();
  ASSERT_EQ(ours, 6);
  // A ring built at twice the bond length comes in at this document's length.
  auto other = std::make_unique<tDrawing>();
  {
    CommandLayer builder{ std::move(other) };
    {
      const ModelDefaultsScope doubled;
      modelDefaults().BondScalePixels = 56;
      builder.BuildAt(100, 100, 154);
    }
    other = builder.drawing().clone();
  }
  for (const tLink* bond : other->Bonds)
    EXPECT_NEAR(bond->Atm1->Dist3d(*bond->Atm2), 56.0, 0.5);
  setCurrentDrawing(&writableDocument(layer));
  const CommandResult appended = layer.AppendDrawing(std::move(other));
  EXPECT_TRUE(appended.acted());
  ASSERT_EQ(layer.drawing().Atoms.Count(), 12);
  for (const tLink* bond : layer.drawing().Bonds)
    EXPECT_NEAR(bond->Atm1->Dist3d(*bond->Atm2), 28.0, 0.5);
  layer.Undo();
  EXPECT_EQ(layer.drawing().Atoms.Count(), 6);
  EXPECT_FALSE(layer.AppendDrawing(nullptr).known);
}

} // namespace
} // namespace trelvix
