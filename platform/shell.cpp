#include "platform/shell.h"

#include "platform/scripted_shell.h"

namespace trelvix {

namespace {
Shell* g_shell = nullptr;
} // namespace

Shell::~Shell() = default;

Shell& currentShell()
{
  static ScriptedShell headless;
  return g_shell ? *g_shell : headless;
}

void setCurrentShell(Shell* shell)
{
  g_shell = shell;
}

void showMessage(const std::string& text, const std::string& caption, MessageIcon icon)
{
  currentShell().message(text, caption, icon, MessageButtons::Ok);
}

} // namespace trelvix
