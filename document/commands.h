#pragma once

#include <cstdint>
#include <functional>
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

  /// Add Protons 2D, Add Protons 3D and Remove Protons on the whole document.
  void AddProtons2D();
  void AddProtons3D();
  void RemoveProtons();
  /// The atom editor: a new lone atom of element z at (x, y), or an atom of element z linked to
  /// the atom under (x, y).
  void AddAtom(int z, double x, double y);
  void BranchAtom(int z, double x, double y);

  /// Exchanges the document and its undo copy; false when there is no copy.
  bool Undo();

private:
  /// Every edit: the undo copy first, then the edit; an arithmetic overflow puts the document
  /// back and says "Arithmetic overflow"; then a repaint.
  void perform(const std::function<void()>& edit);
  void restoreFromUndo();

  std::unique_ptr<tDrawing> m_drawing;
  std::unique_ptr<tDrawing> m_undo;
};

/// Runs the building procedure of code at (x, y) on the current document (no undo copy, no
/// repaint). Codes without a procedure do nothing.
void buildProcedure(int code, double x, double y);

/// A new piece holding one atom of element z at (x, y), its symbol shown.
void addLoneAtom(int z, double x, double y);
/// An atom of element z linked to the atom under (x, y) at its ideal bond length.
void linkElementAt(int z, double x, double y);

} // namespace trelvix
