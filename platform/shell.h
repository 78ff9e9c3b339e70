#pragma once

#include "platform/canvas.h"

#include <cstdint>
#include <string>

namespace trelvix {

enum class MessageIcon : std::uint8_t
{
  None,
  Information,
  Warning,
  Error,
  Question
};

enum class MessageButtons : std::uint8_t
{
  Ok,
  OkCancel,
  YesNo,
  YesNoCancel
};

enum class MessageAnswer : std::uint8_t
{
  Ok,
  Cancel,
  Yes,
  No
};

/// Everything the model asks of the program around it: messages, responsiveness inside long
/// loops, random numbers, the main drawing canvas and the pointer. The program implements it with
/// Qt; tests and the CLI use the scripted shell.
class Shell
{
public:
  virtual ~Shell();

  /// Shows a message box and returns the button the user chose.
  virtual MessageAnswer message(const std::string& text,
                                const std::string& caption,
                                MessageIcon icon,
                                MessageButtons buttons) = 0;
  /// Lets the program handle pending window events; called between steps of long loops.
  virtual void processEvents() = 0;
  /// True once the user asked the running long operation to stop.
  virtual bool stopRequested() const = 0;
  /// Uniform in [0, 1).
  virtual double random() = 0;
  virtual void seedRandom(std::uint64_t seed) = 0;

  /// The canvas of the drawing surface (the window's back buffer) that immediate drawing uses.
  /// The program keeps it the size of the window's client area.
  virtual Canvas& mainCanvas() = 0;
  /// Asks the program to redraw the document soon (after an edit).
  virtual void requestRepaint() = 0;
  /// Copies the back buffer to the window now (the end of a full redraw).
  virtual void present() = 0;

  virtual void captureMouse() = 0;
  virtual void releaseMouse() = 0;
  /// Pointer position in drawing-surface coordinates.
  virtual Point cursorPos() const = 0;
  virtual void setCursorPos(Point pos) = 0;
};

/// The shell in force: the one set last, else a scripted (headless) shell.
Shell& currentShell();
/// Makes shell the current one (not owned); nullptr returns to the headless default.
void setCurrentShell(Shell* shell);

/// Shorthand for an information box with one OK button.
void showMessage(const std::string& text,
                 const std::string& caption = {},
                 MessageIcon icon = MessageIcon::Information);

} // namespace trelvix
