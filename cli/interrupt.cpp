#include "cli/interrupt.h"

#include <csignal>

namespace trelvix {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;
struct sigaction g_previous;

extern "C" void onInterrupt(int)
{
  g_interrupted = 1;
}

} // namespace

bool CliShell::stopRequested() const
{
  return ScriptedShell::stopRequested() || InterruptScope::interrupted();
}

InterruptScope::InterruptScope()
{
  g_interrupted = 0;
  struct sigaction action = {};
  action.sa_handler = onInterrupt;
  sigemptyset(&action.sa_mask);
  // The handler gives way to the default after one press: a second Ctrl+C ends the program.
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, &g_previous);
}

InterruptScope::~InterruptScope()
{
  sigaction(SIGINT, &g_previous, nullptr);
}

bool InterruptScope::interrupted()
{
  return g_interrupted != 0;
}

} // namespace trelvix
