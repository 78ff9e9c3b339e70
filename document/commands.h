#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace trelvix {

class tDrawing;
class tLAtm;
class tLink;
class tXY;

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

  /// Exchanges the document and its undo copy; false when there is no copy. Forgets the held
  /// link atoms.
  bool Undo();
  /// Disarms the pending build code and forgets the held link atoms.
  void Reset();

  /// A key released with the pointer at (x, y): Delete, K, 1..5, T, G, R, A, the element keys
  /// C H B N O F Q P S X Z Y I, U, D, + and -, acting on the atom or bond there; each but + and -
  /// takes the undo copy first. False for any other key (which does nothing).
  bool KeyUp(std::string_view key, double x, double y);

  /// The label or formula the last build code 607 or 608 placed, for the text editor to open;
  /// nullptr after any other command.
  tLAtm* textToEdit() const { return m_text; }

  /// The first link atom held by Link Atoms (code 524), or nullptr.
  const tXY* firstLinkAtom() const { return m_link1; }

private:
  /// Every edit: the undo copy first, then the edit; an arithmetic overflow puts the document
  /// back and says "Arithmetic overflow"; then a repaint. The atoms held by Link Atoms are
  /// forgotten unless asked to keep them.
  void perform(const std::function<void()>& edit, bool keepLinkAtoms = false);
  void restoreFromUndo();
  /// One press of Link Atoms at (x, y).
  void linkAtoms(double x, double y);
  /// The edit of key on the atom or bond under (x, y); false for a key without one.
  bool keyEdit(std::string_view key, double x, double y);

  std::unique_ptr<tDrawing> m_drawing;
  std::unique_ptr<tDrawing> m_undo;
  tXY* m_link1 = nullptr;
  tXY* m_link2 = nullptr;
  tLAtm* m_text = nullptr;
};

/// Runs the building procedure of code at (x, y) on the current document (no undo copy, no
/// repaint). Codes without a procedure do nothing.
void buildProcedure(int code, double x, double y);

/// A new empty label (code 607) or formula (608) at (x, y) in the current document, its text
/// to be typed in the text editor; nullptr for any other code.
tLAtm* addTextAtom(int code, double x, double y);
/// The chemical bond (both ends element atoms) of the current document whose midpoint is
/// nearest (x, y); nullptr when there is none.
tLink* bondUnder(double x, double y);

/// A new piece holding one atom of element z at (x, y), its symbol shown.
void addLoneAtom(int z, double x, double y);
/// An atom of element z linked to the atom under (x, y) at its ideal bond length.
void linkElementAt(int z, double x, double y);

} // namespace trelvix
