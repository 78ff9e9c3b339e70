#include "model/bond_index.h"

#include "model/link.h"

namespace trelvix {

namespace {

// Building the index costs about as much as reading the list through this many times.
constexpr int readingsBeforeIndex = 8;

const std::vector<tLink*> noBonds;

} // namespace

bool BondIndex::upToDate(const tBaseList<tLink>& list) const
{
  return m_rearrangements == list.rearrangements() && m_endChanges == bondEndChanges() &&
         m_indexed <= static_cast<std::size_t>(list.Count());
}

void BondIndex::takeIn(tLink* bond)
{
  if (!bond)
    return;
  if (bond->Atm1)
    m_bondsAt[bond->Atm1].push_back(bond);
  if (bond->Atm2 && bond->Atm2 != bond->Atm1)
    m_bondsAt[bond->Atm2].push_back(bond);
}

void BondIndex::rebuild(const tBaseList<tLink>& list)
{
  m_bondsAt.clear();
  for (tLink* bond : list)
    takeIn(bond);
  m_indexed = static_cast<std::size_t>(list.Count());
  m_built = true;
}

const std::vector<tLink*>& BondIndex::bondsAt(const tBaseList<tLink>& list, const tXY* atom)
{
  if (!upToDate(list)) {
    m_built = false;
    m_readings = 0;
    m_rearrangements = list.rearrangements();
    m_endChanges = bondEndChanges();
  }
  if (!m_built && m_readings < readingsBeforeIndex) {
    ++m_readings;
    m_answer.clear();
    for (tLink* bond : list) {
      if (bond && (bond->Atm1 == atom || bond->Atm2 == atom))
        m_answer.push_back(bond);
    }
    return m_answer;
  }
  if (!m_built)
    rebuild(list);
  for (auto k = m_indexed; k < static_cast<std::size_t>(list.Count()); ++k)
    takeIn(list.At(static_cast<int>(k)));
  m_indexed = static_cast<std::size_t>(list.Count());
  const auto found = m_bondsAt.find(atom);
  return found == m_bondsAt.end() ? noBonds : found->second;
}

} // namespace trelvix
