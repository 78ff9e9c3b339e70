#include "commands/message_capture.h"

#include "commands/command_result.h"

namespace trelvix {

MessageCapture::MessageCapture(CommandResult& result)
  : m_result(result)
  , m_shell(currentShell())
  , m_restore(&currentShell())
{
  setCurrentShell(this);
}

MessageCapture::~MessageCapture()
{
  setCurrentShell(m_restore);
}

MessageAnswer MessageCapture::message(const std::string& text,
                                      const std::string& caption,
                                      MessageIcon icon,
                                      MessageButtons buttons)
{
  const MessageAnswer answer = m_shell.message(text, caption, icon, buttons);
  if (buttons == MessageButtons::Ok) {
    m_result.message = text;
  } else {
    m_result.question = text;
    m_result.answer = answer;
  }
  return answer;
}

} // namespace trelvix
