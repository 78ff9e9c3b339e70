#pragma once

#include <string_view>

namespace trelvix {

/// The text of data/thermo/gas_phase_data.txt as it was when the program was built.
std::string_view speciesTableText();

/// The text of data/thermo/condensed_phase_data.txt as it was when the program was built.
std::string_view condensedTableText();

} // namespace trelvix
