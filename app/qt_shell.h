#pragma once

#include "platform/shell.h"

#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace trelvix {

class DrawingSurface;

/// The Shell of the desktop program: message boxes over the main window, event processing inside
/// long loops, the Stop window's flag, the drawing surface's back buffer as the main canvas and
/// the pointer in surface coordinates.
///
/// Scripted mode (tests): no dialog is shown; questions are answered from a queue (then OK for
/// one-button boxes, No or Cancel otherwise) and file dialogs from a queue of names (then
/// Cancel). Every message and question is recorded either way.
class QtShell : public Shell
{
public:
  QtShell();
  ~QtShell() override;

  /// The widgets the shell works with: the window message boxes belong to and the surface.
  void attach(QWidget* window, DrawingSurface* surface);
  /// Asks the surface's owner to redraw the document (the full repaint).
  void setRepaintHandler(std::function<void()> handler) { m_repaint = std::move(handler); }
  /// Where the stop flag comes from while a stoppable run goes on; nothing for none.
  void setStopSource(std::function<bool()> source) { m_stopSource = std::move(source); }

  MessageAnswer message(const std::string& text,
                        const std::string& caption,
                        MessageIcon icon,
                        MessageButtons buttons) override;
  /// "Save changes to NAME?" with the buttons Save, Discard and Cancel: the answer is Yes for
  /// Save, No for Discard, Cancel for Cancel (and for a closed box). Scripted: from the queue of
  /// answers, Cancel when it is empty. Recorded like every message.
  MessageAnswer askToSave(const QString& name);
  void processEvents() override;
  bool stopRequested() const override;
  double random() override;
  void seedRandom(std::uint64_t seed) override;
  Canvas& mainCanvas() override;
  void requestRepaint() override;
  void present() override;
  void captureMouse() override;
  void releaseMouse() override;
  Point cursorPos() const override;
  void setCursorPos(Point pos) override;

  /// A file name from the window's file dialogs, or nothing when cancelled; in scripted mode
  /// taken from the queue. run shows the real dialog.
  std::optional<QString> chooseFile(const std::function<std::optional<QString>()>& run);

  /// A line of text from the window's input dialogs, or nothing when cancelled; in scripted mode
  /// taken from the queue of texts. run shows the real dialog.
  std::optional<QString> askText(const std::function<std::optional<QString>()>& run);

  /// Runs a dialog of choices and says whether it was accepted. Scripted: the dialog is not
  /// shown; the next queued answer fills its widgets and says whether to accept (with none
  /// queued, the dialog is accepted as it stands, as pressing Enter would).
  bool runDialog(QDialog& dialog);

  // ---- Test hook
  void setScripted(bool on) { m_scripted = on; }
  void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
  /// Queues the name the next file dialog returns (a null string: the dialog is cancelled).
  void queueFileChoice(const QString& name) { m_files.push_back(name); }
  struct Shown
  {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageAnswer answer;
  };
  const std::vector<Shown>& shown() const { return m_shown; }
  void clearShown() { m_shown.clear(); }
  /// Queues the text the next input dialog returns (a null string: the dialog is cancelled).
  void queueText(const QString& text) { m_texts.push_back(text); }
  /// Queues what answers the next dialog of choices: it sets the widgets (found by object name)
  /// and returns true to accept, false to cancel.
  void queueDialogAnswer(std::function<bool(QDialog&)> answer)
  {
    m_dialogAnswers.push_back(std::move(answer));
  }
  /// How many file dialogs were asked for.
  int fileDialogs() const { return m_fileDialogs; }

private:
  MessageAnswer scriptedAnswer(MessageButtons buttons);

  QPointer<QWidget> m_window;
  QPointer<DrawingSurface> m_surface;
  std::function<void()> m_repaint;
  std::function<bool()> m_stopSource;
  std::mt19937_64 m_random{ std::random_device{}() };
  bool m_scripted = false;
  std::deque<MessageAnswer> m_answers;
  std::deque<QString> m_files;
  std::deque<QString> m_texts;
  std::deque<std::function<bool(QDialog&)>> m_dialogAnswers;
  std::vector<Shown> m_shown;
  int m_fileDialogs = 0;
};

} // namespace trelvix
