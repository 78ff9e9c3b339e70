// trelvix3d-cli: the headless front end. Every command reads and writes documents with the same
// code the program uses.
#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
  CLI::App app{ "Trelvix3D command line: build, inspect, optimise and render .tvx documents",
                "trelvix3d-cli" };
  app.set_version_flag("--version", std::string("trelvix3d-cli ") + TRELVIX_VERSION);
  app.require_subcommand(0);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // CLI11 gives help and version exit code 0; every real usage error becomes 2.
    const int code = app.exit(e);
    return code == 0 ? 0 : 2;
  }
  if (argc == 1) {
    std::cout << app.help();
  }
  return 0;
}
