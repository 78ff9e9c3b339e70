#pragma once

#include "platform/shell.h"

namespace trelvix {

struct CommandResult;

/// While a command runs, stands in for the shell in force: everything goes on to that shell, and
/// the messages shown and the questions asked with their answers are written into the command's
/// result as well. The shell in force before comes back at the end of the scope.
class MessageCapture : public Shell
{
public:
  explicit MessageCapture(CommandResult& result);
  ~MessageCapture() override;
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  MessageAnswer message(const std::string& text,
                        const std::string& caption,
                        MessageIcon icon,
                        MessageButtons buttons) override;
  void processEvents() override { m_shell.processEvents(); }
  bool stopRequested() const override { return m_shell.stopRequested(); }
  double random() override { return m_shell.random(); }
  void seedRandom(std::uint64_t seed) override { m_shell.seedRandom(seed); }
  Canvas& mainCanvas() override { return m_shell.mainCanvas(); }
  void requestRepaint() override { m_shell.requestRepaint(); }
  void present() override { m_shell.present(); }
  void captureMouse() override { m_shell.captureMouse(); }
  void releaseMouse() override { m_shell.releaseMouse(); }
  Point cursorPos() const override { return m_shell.cursorPos(); }
  void setCursorPos(Point pos) override { m_shell.setCursorPos(pos); }

private:
  CommandResult& m_result;
  Shell& m_shell;
  /// The capture this one stands inside (a command run by another), or nullptr.
  Shell* m_restore;
};

} // namespace trelvix
