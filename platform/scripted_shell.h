#pragma once

#include "platform/recording_canvas.h"
#include "platform/shell.h"

#include <deque>
#include <random>
#include <vector>

namespace trelvix {

/// The headless shell: records every message, answers from a queue (then with the safe default:
/// OK, or No for a question), draws on a recording canvas, and draws random numbers from a
/// seedable generator.
class ScriptedShell : public Shell
{
public:
  struct Message
  {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer answer = MessageAnswer::Ok; ///< what the shell answered
  };

  MessageAnswer message(const std::string& text,
                        const std::string& caption,
                        MessageIcon icon,
                        MessageButtons buttons) override;
  void processEvents() override { ++m_processEventsCalls; }
  bool stopRequested() const override { return m_stop; }
  double random() override;
  void seedRandom(std::uint64_t seed) override { m_random.seed(seed); }
  Canvas& mainCanvas() override { return m_canvas; }
  void requestRepaint() override { ++m_repaintRequests; }
  void present() override { ++m_presents; }
  void captureMouse() override { m_captured = true; }
  void releaseMouse() override { m_captured = false; }
  Point cursorPos() const override { return m_cursor; }
  void setCursorPos(Point pos) override { m_cursor = pos; }

  /// Queues the answer to the next question.
  void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
  /// The answer to a question when the queue is empty (default: No).
  void setDefaultYesNo(MessageAnswer answer) { m_defaultYesNo = answer; }
  void requestStop(bool stop = true) { m_stop = stop; }

  const std::vector<Message>& messages() const { return m_messages; }
  void clearMessages() { m_messages.clear(); }
  int processEventsCalls() const { return m_processEventsCalls; }
  int repaintRequests() const { return m_repaintRequests; }
  int presents() const { return m_presents; }
  bool mouseCaptured() const { return m_captured; }
  RecordingCanvas& canvas() { return m_canvas; }

private:
  std::vector<Message> m_messages;
  std::deque<MessageAnswer> m_answers;
  MessageAnswer m_defaultYesNo = MessageAnswer::No;
  std::mt19937_64 m_random{ 0 };
  RecordingCanvas m_canvas;
  Point m_cursor;
  int m_processEventsCalls = 0;
  int m_repaintRequests = 0;
  int m_presents = 0;
  bool m_stop = false;
  bool m_captured = false;
};

} // namespace trelvix
