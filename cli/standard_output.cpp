#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace trelvix {

namespace {

bool g_reported = false;

bool report(int error)
{
  if (!g_reported)
    std::cerr << "Cannot write to standard output: " << std::strerror(error != 0 ? error : EIO)
              << '\n';
  g_reported = true;
  return false;
}

} // namespace

bool writtenToStandardOutput()
{
  // std::cout writes through stdout's buffer: the fault of a full disk shows at its flush, or
  // at an earlier write that filled the buffer (whose errno then stands).
  std::cout.flush();
  if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout))
    return report(errno);
  return true;
}

int closeStandardOutput(int status)
{
  const bool written = writtenToStandardOutput();
  errno = 0;
  // The close itself can fail (a disk quota or a network file system reports there).
  if (std::fclose(stdout) != 0 && written)
    report(errno);
  return g_reported && status == 0 ? 1 : status;
}

} // namespace trelvix
