#pragma once

#include <string_view>

namespace trelvix {

/// The text of data/thermo/gas_phase_data.txt as it was when the program was built.
std::string_view speciesTableText();

} // namespace trelvix
