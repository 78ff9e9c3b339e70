#pragma once

#include <cstddef>

namespace trelvix {

/// Counts the heap bytes this program holds, through its replacement of the global operator new
/// and delete (allocation_counter.cpp). Not thread-aware: the benchmarks run on one thread.
class AllocationCounter
{
public:
  /// Starts counting from now: the peak is reset to the bytes held at this moment.
  AllocationCounter();
  /// The most bytes held at once since the counter started, less those held when it started.
  std::size_t peakAdded() const;

private:
  std::size_t m_start;
};

} // namespace trelvix
