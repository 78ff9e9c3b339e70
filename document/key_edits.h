#pragma once

#include <string_view>

namespace trelvix {

class tDrawing;

/// How a key edit is undone.
enum class KeyUndo
{
  Unknown,  ///< not an edit key: nothing happens
  Snapshot, ///< an undo copy is taken first
  None      ///< charges (+ and -) take no undo copy
};
KeyUndo keyUndo(std::string_view key);
/// The edit of key (Delete, K, 1..5, T, G, R, A, the element keys C H B N O F Q P S X Z Y I, U,
/// D, + and -) on the atom or bond of drawing under (x, y); false when there was none.
bool applyKey(tDrawing& drawing, std::string_view key, double x, double y);

} // namespace trelvix
