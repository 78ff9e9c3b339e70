#include "model/bond_end.h"

#include <atomic>

namespace trelvix {

namespace {
// Bonds may be built on a reading thread while the window queries its own document.
std::atomic<std::uint64_t> g_endChanges{ 0 };
} // namespace

BondEnd& BondEnd::operator=(tXY* atom)
{
  m_atom = atom;
  g_endChanges.fetch_add(1, std::memory_order_relaxed);
  return *this;
}

std::uint64_t bondEndChanges()
{
  return g_endChanges.load(std::memory_order_relaxed);
}

} // namespace trelvix
