#pragma once

#include "platform/scripted_shell.h"

namespace trelvix {

/// The command line's shell: the headless one, whose stop flag is also raised by Ctrl+C
/// (SIGINT) while an InterruptScope is in force, so a long run ends after the current atom.
class CliShell : public ScriptedShell
{
public:
  bool stopRequested() const override;
};

/// While it lives, the first Ctrl+C asks the running command to stop instead of killing the
/// program; a second one kills it as usual.
class InterruptScope
{
public:
  InterruptScope();
  ~InterruptScope();
  InterruptScope(const InterruptScope&) = delete;
  InterruptScope& operator=(const InterruptScope&) = delete;

  /// Whether Ctrl+C was pressed since the scope began.
  static bool interrupted();
};

} // namespace trelvix
