#pragma once

#include <cstdint>

namespace trelvix {

class tXY;

/// One end of a bond: reads as the atom pointer it holds, and counts every change of any bond's
/// end program-wide, so that an index of the bonds at each atom knows when it went out of date.
class BondEnd
{
public:
  BondEnd() = default;
  explicit BondEnd(tXY* atom)
    : m_atom(atom)
  {
  }
  BondEnd(const BondEnd&) = default;
  BondEnd& operator=(const BondEnd& other) { return *this = other.m_atom; }
  BondEnd& operator=(tXY* atom);
  ~BondEnd() = default;

  operator tXY*() const { return m_atom; }
  tXY* operator->() const { return m_atom; }
  tXY& operator*() const { return *m_atom; }
  tXY* get() const { return m_atom; }

private:
  tXY* m_atom = nullptr;
};

/// How many times an end of any bond has been set since the program started.
std::uint64_t bondEndChanges();

} // namespace trelvix
