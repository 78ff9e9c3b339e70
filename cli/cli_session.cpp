#include "cli/cli_session.h"

#include "commands/command_layer.h"
#include "document/defaults_file.h"
#include "document/drawing.h"
#include "document/file_format.h"
#include "model/defaults.h"
#include "program/program_init.h"

#include <iostream>

namespace trelvix {

CliSession::CliSession()
{
  initialiseProgram();
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

void CliSession::flushMessages(const std::string& suffix)
{
  const auto& messages = m_shell.messages();
  for (std::size_t i = 0; i < messages.size(); ++i)
    std::cerr << messages[i].text << (i + 1 == messages.size() ? suffix : "") << '\n';
  m_shell.clearMessages();
}

namespace {

// What follows the program's message about a file: the path and why, when a reason is known.
std::string fileReason(const std::string& path, const std::string& reason)
{
  return reason.empty() ? std::string() : ": " + path + ": " + reason;
}

} // namespace

std::unique_ptr<tDrawing> CliSession::load(const std::string& path)
{
  std::string reason;
  std::unique_ptr<tDrawing> drawing = loadDrawing(path, &reason);
  return accept(std::move(drawing), path, reason);
}

std::unique_ptr<tDrawing> CliSession::accept(std::unique_ptr<tDrawing> drawing,
                                             const std::string& source,
                                             const std::string& reason)
{
  const bool shown = !m_shell.messages().empty();
  flushMessages(fileReason(source, reason));
  // A document the program could only read in part (a file cut short) is no input for a
  // command: what it would write would lose the rest without a word.
  if (drawing && !reason.empty()) {
    if (!shown)
      std::cerr << "end of file" << fileReason(source, reason) << '\n';
    return nullptr;
  }
  if (drawing)
    setCurrentDrawing(drawing.get());
  return drawing;
}

namespace {

// An empty drawing writes no file; for the command line that is a failure worth saying.
bool refuseEmpty(const tDrawing& drawing)
{
  if (!drawing.Atoms.empty())
    return false;
  std::cerr << "Nothing to save: the drawing has no atoms\n";
  return true;
}

} // namespace

bool CliSession::save(tDrawing& drawing, const std::string& path)
{
  if (refuseEmpty(drawing))
    return false;
  std::string reason;
  const bool saved = saveDrawing(drawing, path, &reason);
  flushMessages(fileReason(path, reason));
  return saved;
}

bool CliSession::save(CommandLayer& layer, const std::string& path)
{
  if (refuseEmpty(layer.drawing()))
    return false;
  const CommandResult result = layer.SaveDocument(path);
  flushMessages(fileReason(path, result.reason));
  return result.acted();
}

} // namespace trelvix
