#include "platform/scripted_shell.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

namespace trelvix {
namespace {

// The current shell is global: every test leaves the headless default in force.
class CurrentShell : public ::testing::Test
{
protected:
  ~CurrentShell() override { setCurrentShell(nullptr); }
};

TEST_F(CurrentShell, DefaultsToOneHeadlessShell)
{
  Shell& first = currentShell();
  EXPECT_NE(dynamic_cast<ScriptedShell*>(&first), nullptr);
  EXPECT_EQ(&currentShell(), &first);
}

TEST_F(CurrentShell, UsesTheShellSetUntilItIsCleared)
{
  Shell& headless = currentShell();
  ScriptedShell mine;
  setCurrentShell(&mine);
  EXPECT_EQ(&currentShell(), &mine);
  setCurrentShell(nullptr);
  EXPECT_EQ(&currentShell(), &headless);
}

TEST_F(CurrentShell, ShowMessageIsAnOkBoxOnTheCurrentShell)
{
  auto& headless = dynamic_cast<ScriptedShell&>(currentShell());
  const std::size_t headlessBefore = headless.messages().size();
  ScriptedShell mine;
  mine.queueAnswer(MessageAnswer::Cancel); // consumed, and the answer ignored
  setCurrentShell(&mine);
  showMessage("Move Pointer");
  showMessage("Cannot open", "Open", MessageIcon::Error);
  ASSERT_EQ(mine.messages().size(), 2u);
  const auto& plain = mine.messages()[0];
  EXPECT_EQ(plain.text, "Move Pointer");
  EXPECT_EQ(plain.caption, "");
  EXPECT_EQ(plain.icon, MessageIcon::Information);
  EXPECT_EQ(plain.buttons, MessageButtons::Ok);
  const auto& error = mine.messages()[1];
  EXPECT_EQ(error.caption, "Open");
  EXPECT_EQ(error.icon, MessageIcon::Error);
  EXPECT_EQ(error.buttons, MessageButtons::Ok);
  EXPECT_EQ(headless.messages().size(), headlessBefore);

  setCurrentShell(nullptr);
  showMessage("Back home");
  ASSERT_EQ(headless.messages().size(), headlessBefore + 1);
  EXPECT_EQ(headless.messages().back().text, "Back home");
}

} // namespace
} // namespace trelvix
