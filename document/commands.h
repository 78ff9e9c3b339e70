#pragma once

#include <cstdint>
#include <memory>

namespace trelvix {

class tDrawing;

/// The editing state the main window and the command line share: the document, its one-level
/// undo copy and the pending build code. The window turns pointer and key events into calls on
/// it; the CLI's build steps call the same operations.
class CommandLayer
{
public:
  /// Takes the document and makes it current.
  explicit CommandLayer(std::unique_ptr<tDrawing> drawing);
  ~CommandLayer();
  CommandLayer(const CommandLayer&) = delete;
  CommandLayer& operator=(const CommandLayer&) = delete;

  tDrawing& drawing() { return *m_drawing; }
  const tDrawing* undoDrawing() const { return m_undo.get(); }

  /// What the next left press in drawing mode places; 0 for nothing.
  std::uint16_t PendingBuildCode = 0;

  /// Performs build code at (x, y): takes the undo copy, runs the building procedure, asks for a
  /// repaint. An arithmetic overflow puts the document back as it was and says
  /// "Arithmetic overflow".
  void BuildAt(double x, double y, int code);

  /// Exchanges the document and its undo copy; false when there is no copy.
  bool Undo();

private:
  void restoreFromUndo();

  std::unique_ptr<tDrawing> m_drawing;
  std::unique_ptr<tDrawing> m_undo;
};

/// Runs the building procedure of code at (x, y) on the current document (no undo copy, no
/// repaint). Codes without a procedure do nothing.
void buildProcedure(int code, double x, double y);

} // namespace trelvix
