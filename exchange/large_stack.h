#pragma once

#include <functional>

namespace trelvix {

/// Runs work on a thread with a 512 MiB stack (reserved, taken only as used) and waits for it;
/// an exception of work is thrown again here. RDKit walks a molecule recursively, deeper than
/// an ordinary stack for a chain of tens of thousands of atoms.
void runWithLargeStack(const std::function<void()>& work);

} // namespace trelvix
