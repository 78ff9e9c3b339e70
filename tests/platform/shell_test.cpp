#include "platform/recording_canvas.h"
#include "platform/scripted_shell.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

TEST(ScriptedShell, AnswersFromTheQueueThenWithSafeDefaults)
{
  ScriptedShell shell;
  shell.queueAnswer(MessageAnswer::Yes);
  EXPECT_EQ(shell.message("Save?", "Trelvix3D", MessageIcon::Question, MessageButtons::YesNo),
            MessageAnswer::Yes);
  EXPECT_EQ(shell.message("Save?", "", MessageIcon::Question, MessageButtons::YesNoCancel),
            MessageAnswer::No);
  EXPECT_EQ(shell.message("No Atoms", "", MessageIcon::Information, MessageButtons::Ok),
            MessageAnswer::Ok);
  shell.setDefaultYesNo(MessageAnswer::Yes);
  EXPECT_EQ(shell.message("Again?", "", MessageIcon::Question, MessageButtons::YesNo),
            MessageAnswer::Yes);
  ASSERT_EQ(shell.messages().size(), 4u);
  EXPECT_EQ(shell.messages()[0].caption, "Trelvix3D");
  EXPECT_EQ(shell.messages()[2].text, "No Atoms");
  EXPECT_EQ(shell.messages()[2].icon, MessageIcon::Information);
}

TEST(ScriptedShell, RandomNumbersAreUniformInUnitRangeAndSeedable)
{
  ScriptedShell a;
  ScriptedShell b;
  a.seedRandom(42);
  b.seedRandom(42);
  double sum = 0;
  for (int i = 0; i < 10000; ++i) {
    const double x = a.random();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ASSERT_EQ(x, b.random());
    sum += x;
  }
  EXPECT_NEAR(sum / 10000, 0.5, 0.02);
  b.seedRandom(43);
  EXPECT_NE(a.random(), b.random());
}

TEST(Shell, CurrentShellFallsBackToTheHeadlessOne)
{
  Shell& headless = currentShell();
  ScriptedShell mine;
  setCurrentShell(&mine);
  showMessage("Move Pointer");
  EXPECT_EQ(&currentShell(), &mine);
  ASSERT_EQ(mine.messages().size(), 1u);
  EXPECT_EQ(mine.messages()[0].buttons, MessageButtons::Ok);
  setCurrentShell(nullptr);
  EXPECT_EQ(&currentShell(), &headless);
}

TEST(RecordingCanvas, KeepsEveryCallWithItsState)
{
  RecordingCanvas canvas;
  canvas.setPen(Pen{ PenStyle::Dash, 2, 0x0000FF });
  canvas.setBrush(Brush{ BrushStyle::Clear, 0x00FF00 });
  canvas.setRasterMode(RasterMode::NotXor);
  canvas.line(Point{ 1, 2 }, Point{ 3, 4 });
  canvas.setRasterMode(RasterMode::Copy);
  const Point triangle[] = { { 0, 0 }, { 10, 0 }, { 5, 8 } };
  canvas.polygon(triangle);
  canvas.ellipse(Rect{ 0, 0, 10, 10 });
  canvas.setTextAlign(TextAlign{ HAlign::Center, VAlign::Baseline });
  canvas.text(Point{ 7, 9 }, "CH4");
  const auto& ops = canvas.ops();
  ASSERT_EQ(ops.size(), 4u);
  EXPECT_EQ(ops[0].kind, CanvasOp::Kind::Line);
  EXPECT_EQ(ops[0].points, (std::vector<Point>{ { 1, 2 }, { 3, 4 } }));
  EXPECT_EQ(ops[0].pen, (Pen{ PenStyle::Dash, 2, 0x0000FF }));
  EXPECT_EQ(ops[0].rasterMode, RasterMode::NotXor);
  EXPECT_EQ(ops[1].points.size(), 3u);
  EXPECT_EQ(ops[1].brush.style, BrushStyle::Clear);
  EXPECT_EQ(ops[1].rasterMode, RasterMode::Copy);
  EXPECT_EQ(ops[2].rect, (Rect{ 0, 0, 10, 10 }));
  EXPECT_EQ(ops[3].text, "CH4");
  EXPECT_EQ(ops[3].align, (TextAlign{ HAlign::Center, VAlign::Baseline }));
}

TEST(RecordingCanvas, TextMetricIsFixed)
{
  RecordingCanvas canvas;
  FontRecord f = defaultFontRecord(); // height 13: cells 13 high, 13 * 3 / 5 = 7 wide
  canvas.setFont(f);
  EXPECT_EQ(canvas.textExtent("CH4"), (TextExtent{ 3 * 7, 13 }));
  f.height = -20;
  canvas.setFont(f);
  EXPECT_EQ(canvas.textExtent("Cl"), (TextExtent{ 2 * 12, 20 }));
  f.height = 0;
  canvas.setFont(f);
  EXPECT_EQ(canvas.textExtent(""), (TextExtent{ 0, 13 }));
}

} // namespace
} // namespace trelvix
