// The global operator new and delete of the benchmark programs, counting the bytes they hold.
#include "allocation_counter.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::size_t held = 0;
std::size_t peak = 0;

void* allocate(std::size_t size)
{
  void* p = std::malloc(size == 0 ? 1 : size);
  if (!p)
    throw std::bad_alloc();
  held += malloc_usable_size(p);
  if (held > peak)
    peak = held;
  return p;
}

void release(void* p) noexcept
{
  if (!p)
    return;
  held -= malloc_usable_size(p);
  std::free(p);
}

} // namespace

void* operator new(std::size_t size)
{
  return allocate(size);
}

void* operator new[](std::size_t size)
{
  return allocate(size);
}

void operator delete(void* p) noexcept
{
  release(p);
}

void operator delete[](void* p) noexcept
{
  release(p);
}

void operator delete(void* p, std::size_t) noexcept
{
  release(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
  release(p);
}

namespace trelvix {

AllocationCounter::AllocationCounter()
  : m_start(held)
{
  peak = held;
}

std::size_t AllocationCounter::peakAdded() const
{
  return peak - m_start;
}

} // namespace trelvix
