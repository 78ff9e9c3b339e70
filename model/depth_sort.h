#pragma once

#include <utility>
#include <vector>

namespace trelvix {

/// The depth sort of the drawing lists: a shell sort by key, ascending. The gap starts at half
/// the count; passes with one gap repeat until one makes no exchange, then the gap halves, the
/// last passes running with gap 1. Equal keys keep no particular order.
template<class T, class Key>
void depthSort(std::vector<T*>& items, Key key)
{
  const std::size_t count = items.size();
  if (count < 2)
    return;
  std::size_t gap = count / 2;
  for (;;) {
    bool exchanged = true;
    while (exchanged) {
      exchanged = false;
      for (std::size_t i = 0; i + gap < count; ++i) {
        if (key(items[i + gap]) < key(items[i])) {
          std::swap(items[i], items[i + gap]);
          exchanged = true;
        }
      }
    }
    if (gap < 2)
      return;
    gap /= 2;
  }
}

} // namespace trelvix
