#include "commands/undo_history.h"

#include "document/drawing.h"
#include "document/symbol.h"
#include "model/link.h"
#include "model/structure_atom.h"

#include <algorithm>

namespace trelvix {

std::size_t documentBytes(const tDrawing& drawing)
{
  // A piece holds lists of references to the document's atoms and bonds: a pointer each.
  std::size_t pieces = 0;
  for (const tStructure* group : drawing.Groups)
    pieces += sizeof(tStructure) +
              sizeof(void*) * static_cast<std::size_t>(group->Atoms.Count() + group->Bonds.Count());
  const std::size_t symbols =
    drawing.Symbols ? static_cast<std::size_t>(drawing.Symbols->Count()) * sizeof(tStructure) : 0;
  return sizeof(tDrawing) + static_cast<std::size_t>(drawing.Atoms.Count()) * sizeof(tAtm) +
         static_cast<std::size_t>(drawing.Bonds.Count()) * sizeof(tLink) + pieces + symbols;
}

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;

void UndoHistory::setLevels(std::size_t levels)
{
  m_levels = std::max<std::size_t>(levels, 1);
  trim();
}

void UndoHistory::setByteBudget(std::size_t bytes)
{
  m_byteBudget = bytes;
  trim();
}

void UndoHistory::record(std::unique_ptr<tDrawing> before)
{
  if (!before)
    return;
  m_redo.clear();
  m_undo.push_back(std::move(before));
  trim();
}

std::unique_ptr<tDrawing> UndoHistory::undo(std::unique_ptr<tDrawing> current)
{
  if (m_undo.empty())
    return current;
  std::unique_ptr<tDrawing> previous = std::move(m_undo.back());
  m_undo.pop_back();
  m_redo.push_back(std::move(current));
  return previous;
}

std::unique_ptr<tDrawing> UndoHistory::redo(std::unique_ptr<tDrawing> current)
{
  if (m_redo.empty())
    return current;
  std::unique_ptr<tDrawing> next = std::move(m_redo.back());
  m_redo.pop_back();
  m_undo.push_back(std::move(current));
  return next;
}

void UndoHistory::forgetRedo()
{
  m_redo.clear();
}

void UndoHistory::clear()
{
  m_undo.clear();
  m_redo.clear();
}

std::size_t UndoHistory::bytes() const
{
  std::size_t total = 0;
  for (const auto& d : m_undo)
    total += documentBytes(*d);
  for (const auto& d : m_redo)
    total += documentBytes(*d);
  return total;
}

void UndoHistory::trim()
{
  // The oldest undo steps go first; the newest step always stays, however large.
  while (m_undo.size() + m_redo.size() > m_levels && !m_undo.empty())
    m_undo.erase(m_undo.begin());
  while (m_redo.size() > m_levels)
    m_redo.erase(m_redo.begin());
  while (m_undo.size() > 1 && bytes() > m_byteBudget)
    m_undo.erase(m_undo.begin());
}

} // namespace trelvix
