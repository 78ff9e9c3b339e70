#include "platform/scripted_shell.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

TEST(ScriptedShell, RecordsEveryMessage)
{
  ScriptedShell shell;
  shell.message("No Atoms", "Trelvix3D", MessageIcon::Information, MessageButtons::Ok);
  shell.message("Save changes?", "", MessageIcon::Question, MessageButtons::YesNoCancel);
  ASSERT_EQ(shell.messages().size(), 2u);
  const auto& first = shell.messages()[0];
  EXPECT_EQ(first.text, "No Atoms");
  EXPECT_EQ(first.caption, "Trelvix3D");
  EXPECT_EQ(first.icon, MessageIcon::Information);
  EXPECT_EQ(first.buttons, MessageButtons::Ok);
  const auto& second = shell.messages()[1];
  EXPECT_EQ(second.text, "Save changes?");
  EXPECT_EQ(second.icon, MessageIcon::Question);
  EXPECT_EQ(second.buttons, MessageButtons::YesNoCancel);
  shell.clearMessages();
  EXPECT_TRUE(shell.messages().empty());
}

TEST(ScriptedShell, WithNothingQueuedGivesTheSafeDefault)
{
  using B = MessageButtons;
  using A = MessageAnswer;
  const struct
  {
    const char* name;
    bool setDefault;
    A defaultYesNo; // used when setDefault
    B buttons;
    A answer;
  } cases[] = {
    { "Ok", false, A::No, B::Ok, A::Ok },
    { "OkCancel", false, A::No, B::OkCancel, A::Ok },
    { "YesNo", false, A::No, B::YesNo, A::No },
    { "YesNoCancel", false, A::No, B::YesNoCancel, A::No },
    { "Ok, default Yes", true, A::Yes, B::Ok, A::Ok },
    { "OkCancel, default Yes", true, A::Yes, B::OkCancel, A::Ok },
    { "YesNo, default Yes", true, A::Yes, B::YesNo, A::Yes },
    { "YesNoCancel, default Yes", true, A::Yes, B::YesNoCancel, A::Yes },
    { "YesNoCancel, default Cancel", true, A::Cancel, B::YesNoCancel, A::Cancel },
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedShell shell;
    if (c.setDefault)
      shell.setDefaultYesNo(c.defaultYesNo);
    EXPECT_EQ(shell.message("?", "", MessageIcon::Question, c.buttons), c.answer);
    EXPECT_EQ(shell.messages().size(), 1u);
  }
}

TEST(ScriptedShell, AnswersFromTheQueueInOrderThenFromTheDefault)
{
  ScriptedShell shell;
  shell.queueAnswer(MessageAnswer::Yes);
  shell.queueAnswer(MessageAnswer::Cancel);
  shell.queueAnswer(MessageAnswer::Yes);
  EXPECT_EQ(shell.message("1", "", MessageIcon::Question, MessageButtons::YesNo),
            MessageAnswer::Yes);
  EXPECT_EQ(shell.message("2", "", MessageIcon::Question, MessageButtons::YesNoCancel),
            MessageAnswer::Cancel);
  // A plain message takes its answer from the queue as well.
  EXPECT_EQ(shell.message("3", "", MessageIcon::Information, MessageButtons::Ok),
            MessageAnswer::Yes);
  EXPECT_EQ(shell.message("4", "", MessageIcon::Question, MessageButtons::YesNo),
            MessageAnswer::No);
  EXPECT_EQ(shell.messages().size(), 4u);
}

TEST(ScriptedShell, RandomNumbersAreUniformInTheUnitRange)
{
  ScriptedShell shell;
  shell.seedRandom(42);
  constexpr int count = 20000;
  int buckets[10] = {};
  for (int i = 0; i < count; ++i) {
    const double x = shell.random();
    ASSERT_GE(x, 0.0);
    ASSERT_LT(x, 1.0);
    ++buckets[static_cast<int>(x * 10)];
  }
  for (int b = 0; b < 10; ++b) // 2000 expected each; 5 standard deviations is about 210
    EXPECT_NEAR(buckets[b], count / 10, 250) << b;
}

TEST(ScriptedShell, RandomNumbersRepeatForASeed)
{
  ScriptedShell a;
  ScriptedShell b;
  for (int i = 0; i < 100; ++i) // both start from the same fixed seed
    ASSERT_EQ(a.random(), b.random());
  a.seedRandom(7);
  b.seedRandom(7);
  const double first = a.random();
  EXPECT_EQ(b.random(), first);
  for (int i = 0; i < 100; ++i)
    ASSERT_EQ(a.random(), b.random());
  a.seedRandom(7); // seeding again starts the sequence again
  EXPECT_EQ(a.random(), first);
  b.seedRandom(8);
  a.seedRandom(7);
  EXPECT_NE(a.random(), b.random());
}

TEST(ScriptedShell, RandomUsesTheTop53BitsOfThe64BitMersenneTwister)
{
  // The 10000th draw of a 64-bit Mersenne Twister seeded with 5489 is 9981545732273789042,
  // the check value every implementation of the generator must give.
  ScriptedShell shell;
  shell.seedRandom(5489);
  for (int i = 1; i < 10000; ++i)
    shell.random();
  EXPECT_EQ(shell.random(), static_cast<double>(9981545732273789042ull >> 11) * 0x1.0p-53);
}

TEST(ScriptedShell, KeepsTheWindowServicesItIsAskedFor)
{
  ScriptedShell shell;
  EXPECT_FALSE(shell.stopRequested());
  shell.requestStop();
  EXPECT_TRUE(shell.stopRequested());
  shell.requestStop(false);
  EXPECT_FALSE(shell.stopRequested());

  shell.processEvents();
  shell.processEvents();
  shell.requestRepaint();
  EXPECT_EQ(shell.processEventsCalls(), 2);
  EXPECT_EQ(shell.repaintRequests(), 1);

  shell.captureMouse();
  EXPECT_TRUE(shell.mouseCaptured());
  shell.releaseMouse();
  EXPECT_FALSE(shell.mouseCaptured());
  shell.setCursorPos({ 12, -3 });
  EXPECT_EQ(shell.cursorPos(), (Point{ 12, -3 }));

  shell.mainCanvas().line({ 0, 0 }, { 1, 1 });
  EXPECT_EQ(&shell.mainCanvas(), &shell.canvas());
  EXPECT_EQ(shell.canvas().ops().size(), 1u);
}

} // namespace
} // namespace trelvix
