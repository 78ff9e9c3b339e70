#pragma once

#include "platform/shell.h"

#include <string>

namespace trelvix {

/// What one command of the command layer did.
struct CommandResult
{
  /// The document was changed or replaced.
  bool changed = false;
  /// Refused because another command is running (nothing happened).
  bool refused = false;
  /// False for a build code, key or method the program does not know (nothing but the undo copy
  /// happened).
  bool known = true;
  /// The last message the command showed (empty when none) and the question it asked with the
  /// answer given (empty when none).
  std::string message;
  /// Why a file command failed, in plain words ("missing.tvx: No such file or directory"),
  /// beside the program's fixed message.
  std::string reason;
  std::string question;
  MessageAnswer answer = MessageAnswer::Ok;
  /// The value a measurement drew ("1.53 Å", "109.5°"); empty when it measured nothing.
  std::string measurement;

  /// The command acted: it was not refused and showed no message except a question answered Yes.
  bool acted() const
  {
    return !refused && known && message.empty() &&
           (question.empty() || answer == MessageAnswer::Yes);
  }
};

/// The result of a command given a code, key, method or object the program does not know or
/// cannot find: nothing happened.
inline CommandResult unknownCommand()
{
  CommandResult result;
  result.known = false;
  return result;
}

/// Told of every change the command layer makes; the window keeps its caption, menus and
/// surface in step from these. Every call happens after the change.
class CommandObserver
{
public:
  virtual ~CommandObserver();
  /// The document was replaced (New, Open, Undo, Redo, a failed edit rolled back).
  virtual void documentReplaced() {}
  /// The document was edited in place.
  virtual void documentChanged() {}
  /// The saved flag changed.
  virtual void savedChanged(bool /*saved*/) {}
  /// Undo's enabled state or caption changed.
  virtual void undoStateChanged() {}
  /// The editor mode or the pending build code changed.
  virtual void modeChanged() {}
  /// A long command started (true) or ended (false).
  virtual void busyChanged(bool /*busy*/) {}
  /// A default the program builds and draws with changed (the 3D draw mode, the font).
  virtual void defaultsChanged() {}
};

} // namespace trelvix
