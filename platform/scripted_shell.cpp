#include "platform/scripted_shell.h"

namespace trelvix {

MessageAnswer ScriptedShell::message(const std::string& text,
                                     const std::string& caption,
                                     MessageIcon icon,
                                     MessageButtons buttons)
{
  MessageAnswer answer = MessageAnswer::Ok;
  if (!m_answers.empty()) {
    answer = m_answers.front();
    m_answers.pop_front();
  } else if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel) {
    answer = m_defaultYesNo;
  }
  m_messages.push_back(Message{ text, caption, icon, buttons, answer });
  return answer;
}

double ScriptedShell::random()
{
  // The top 53 bits of the 64-bit draw, scaled by 2^-53: every double k / 2^53 in [0, 1) alike.
  return static_cast<double>(m_random() >> 11) * 0x1.0p-53;
}

} // namespace trelvix
