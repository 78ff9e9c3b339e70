#pragma once

namespace trelvix {

/// Flushes standard output and tells whether everything written to it so far reached it; when
/// not, says so on standard error with the system's reason ("Cannot write to standard output:
/// No space left on device"), once.
bool writtenToStandardOutput();

/// The exit status of a command that returned status, once standard output is closed: 1 (with
/// the message) when what the command wrote there was lost.
int closeStandardOutput(int status);

} // namespace trelvix
