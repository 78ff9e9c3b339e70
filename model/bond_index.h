#pragma once

#include "model/base_list.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace trelvix {

class tLink;
class tXY;

/// The bonds of a list at each atom, so that finding an atom's bonds costs its own bonds rather
/// than the whole list. The index follows the list as it is asked: entries appended since are
/// taken in, and any other change of the list, or of any bond's end, makes it start over. Right
/// after such a change the first few questions are answered by reading the list through, so
/// that edits between questions cost no more than the reading they replace.
class BondIndex
{
public:
  /// The entries of list with atom at one end or both, in list order (a bond listed twice comes
  /// twice; a bond from atom to itself once per listing). Valid until the next question.
  const std::vector<tLink*>& bondsAt(const tBaseList<tLink>& list, const tXY* atom);

private:
  bool upToDate(const tBaseList<tLink>& list) const;
  void rebuild(const tBaseList<tLink>& list);
  void takeIn(tLink* bond);

  std::unordered_map<const tXY*, std::vector<tLink*>> m_bondsAt;
  std::vector<tLink*> m_answer;
  bool m_built = false;
  std::size_t m_indexed = 0; ///< entries of the list taken in
  std::uint64_t m_rearrangements = 0;
  std::uint64_t m_endChanges = 0;
  int m_readings = 0; ///< questions answered by reading the list since it last changed
};

} // namespace trelvix
