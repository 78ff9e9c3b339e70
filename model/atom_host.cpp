#include "model/atom_host.h"

namespace trelvix {

namespace {
AtomHost* g_host = nullptr;
} // namespace

AtomHost::~AtomHost() = default;

AtomHost* atomHost()
{
  return g_host;
}

void setAtomHost(AtomHost* host)
{
  g_host = host;
}

} // namespace trelvix
