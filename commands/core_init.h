#pragma once

namespace trelvix {

/// Connects the parts of the core that meet across its layers: the geometry clean-up the
/// building procedures call and the reaction energies the report prints, both of mechanics/.
/// Every front end gets it through its command layer; calling it again does nothing.
void initialiseCore();

} // namespace trelvix
