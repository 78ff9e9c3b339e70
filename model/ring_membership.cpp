#include "model/ring_membership.h"

#include "model/bond_list.h"
#include "model/link.h"

#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace trelvix {

bool sharesRingWithBond(const tbondlist& bonds,
                        const tXY* a1,
                        const tXY* a2,
                        const tXY* n1,
                        const tXY* n2)
{
  if (!n1 || !n2 || n1 == a1 || n1 == a2 || n2 == a1 || n2 == a2)
    return false;
  if (n1 == n2)
    return true;
  // The bond graph with a1 and a2 taken out; a breadth-first walk from n1 looks for n2.
  std::unordered_map<const tXY*, std::vector<const tXY*>> next;
  for (const tLink* bond : bonds) {
    const tXY* u = bond->Atm1;
    const tXY* v = bond->Atm2;
    if (!u || !v || u == v || u == a1 || u == a2 || v == a1 || v == a2)
      continue;
    next[u].push_back(v);
    next[v].push_back(u);
  }
  std::unordered_set<const tXY*> seen{ n1 };
  std::deque<const tXY*> queue{ n1 };
  while (!queue.empty()) {
    const tXY* atom = queue.front();
    queue.pop_front();
    const auto found = next.find(atom);
    if (found == next.end())
      continue;
    for (const tXY* other : found->second) {
      if (other == n2)
        return true;
      if (seen.insert(other).second)
        queue.push_back(other);
    }
  }
  return false;
}

} // namespace trelvix
