#include "cli/cli_session.h"

#include "commands/core_init.h"
#include "document/defaults_file.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/defaults.h"

#include <iostream>

namespace trelvix {

CliSession::CliSession()
{
  initialiseCore();
  setCurrentShell(&m_shell);
}

CliSession::~CliSession()
{
  flushMessages();
  setCurrentDrawing(nullptr);
  setCurrentShell(nullptr);
}

void CliSession::loadDefaults(int scaleOption)
{
  trelvix::loadDefaults(defaultsPath());
  if (scaleOption > 0)
    modelDefaults().BondScalePixels = static_cast<std::uint16_t>(scaleOption);
}

void CliSession::flushMessages()
{
  for (const ScriptedShell::Message& m : m_shell.messages())
    std::cerr << m.text << '\n';
  m_shell.clearMessages();
}

std::unique_ptr<tDrawing> CliSession::load(const std::string& path)
{
  std::unique_ptr<tDrawing> drawing = loadDrawing(path);
  flushMessages();
  if (drawing)
    setCurrentDrawing(drawing.get());
  return drawing;
}

bool CliSession::save(tDrawing& drawing, const std::string& path)
{
  // An empty drawing writes no file; for the command line that is a failure worth saying.
  if (drawing.Atoms.empty()) {
    std::cerr << "Nothing to save: the drawing has no atoms\n";
    return false;
  }
  const bool saved = saveDrawing(drawing, path);
  flushMessages();
  return saved;
}

} // namespace trelvix
