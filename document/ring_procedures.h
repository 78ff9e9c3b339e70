#pragma once

namespace trelvix {

/// The ring building of build codes 201..208 (fuse a 3..10 ring onto the bond under (x, y)),
/// 301..308 (hang one on the atom there), 401..408 (join one to that atom), 702 (fuse a benzene)
/// and 704 (hang a benzene), in the current document; false for any other code.
bool ringProcedure(int code, double x, double y);

} // namespace trelvix
