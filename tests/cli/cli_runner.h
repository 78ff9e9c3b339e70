#pragma once

#include "model/defaults.h"
#include "platform/scripted_shell.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace trelvix {

/// Runs the real command-line binary in a fresh folder of its own (with an empty configuration
/// folder), keeping its standard output and standard error. The folder's name carries the test's
/// process, so that two build trees running their tests at once never share one.
class CliRunTest : public ::testing::Test
{
protected:
  CliRunTest()
  {
    setCurrentShell(&shell);
    dir = std::filesystem::temp_directory_path() /
          ("trelvix-cli-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
           std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "config");
  }
  ~CliRunTest() override
  {
    setCurrentShell(nullptr);
    std::filesystem::remove_all(dir);
  }

  /// The exit status of the CLI run in dir with the given arguments.
  int run(const std::string& arguments)
  {
    const std::string command = "cd '" + dir.string() + "' && TRELVIX3D_CONFIG_DIR=config '" +
                                TRELVIX_CLI_PATH + "' " + arguments + " >out 2>err";
    const int status = std::system(command.c_str());
    out = slurp(dir / "out");
    err = slurp(dir / "err");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static std::string slurp(const std::filesystem::path& p)
  {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  ModelDefaultsScope defaults;
  ScriptedShell shell;
  std::filesystem::path dir;
  std::string out;
  std::string err;
};

} // namespace trelvix
