#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace trelvix {

class tDrawing;

/// The undo history: the document as it was before each undoable step (newest last), and the
/// states Undo has stepped back over, for Redo. It holds at most `levels` steps and at most
/// `byteBudget` bytes of documents (estimated from their atoms, bonds and pieces); the oldest
/// steps go first. With one level it is the classic pair of copies: Undo and Redo take turns.
class UndoHistory
{
public:
  /// What today's editors keep: a hundred steps.
  static constexpr std::size_t defaultLevels = 100;
  /// Half a gigabyte of documents: a 1 000-atom document costs well under a megabyte a step.
  static constexpr std::size_t defaultByteBudget = std::size_t{ 512 } << 20;

  UndoHistory();
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  /// At least 1; fewer levels than held drop the oldest steps.
  void setLevels(std::size_t levels);
  std::size_t levels() const { return m_levels; }
  void setByteBudget(std::size_t bytes);

  /// A new step: before is the document as it was before it. Redo is forgotten.
  void record(std::unique_ptr<tDrawing> before);
  bool canUndo() const { return !m_undo.empty(); }
  bool canRedo() const { return !m_redo.empty(); }
  std::size_t undoSteps() const { return m_undo.size(); }
  std::size_t redoSteps() const { return m_redo.size(); }
  /// One step back: returns the document before the newest step and keeps current for Redo.
  /// Nothing to undo gives current back.
  std::unique_ptr<tDrawing> undo(std::unique_ptr<tDrawing> current);
  /// One step forward again: returns the state Undo left and keeps current for Undo.
  std::unique_ptr<tDrawing> redo(std::unique_ptr<tDrawing> current);
  /// The document before the newest step (what a failed edit rolls back to), or nullptr.
  const tDrawing* newest() const { return m_undo.empty() ? nullptr : m_undo.back().get(); }
  void forgetRedo();
  void clear();
  /// The estimated bytes of every document held.
  std::size_t bytes() const;

private:
  void trim();

  std::vector<std::unique_ptr<tDrawing>> m_undo;
  std::vector<std::unique_ptr<tDrawing>> m_redo;
  std::size_t m_levels = defaultLevels;
  std::size_t m_byteBudget = defaultByteBudget;
};

/// The estimated memory of one document copy in bytes: its atoms, bonds, pieces and symbols.
std::size_t documentBytes(const tDrawing& drawing);

} // namespace trelvix
