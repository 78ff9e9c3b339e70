#pragma once

#include <cstdint>

namespace trelvix {

/// One row of the element table. Values are single precision as tabled.
struct ElementData
{
  const char* symbol;   ///< at most 2 characters; empty for element 0
  float covalentRadius; ///< Ångström
  float pauling;        ///< Pauling electronegativity
  float allredRochow;   ///< Allred-Rochow electronegativity
  float weight;         ///< atomic weight, amu
  std::uint8_t valence; ///< maximum valence in half-bonds
};

inline constexpr int maxElement = 103;

/// The row of element z (0..103; 0 is "no element"). A number outside the table gives the row of
/// element 0, so a damaged file can never index past the table.
const ElementData& elementData(int z);

/// The element number whose symbol is sym (exact case), or 0 when there is none.
int elementBySymbol(const char* sym);

} // namespace trelvix
