// trelvix3d-cli: the headless front end. Every command reads and writes documents with the same
// code the program uses. Exit status: 0 success, 1 a user error (the message on standard error),
// 2 bad usage.
#include "cli/analysis_commands.h"
#include "cli/cli_session.h"
#include "cli/command_steps.h"
#include "cli/convert_command.h"
#include "cli/document_json.h"
#include "cli/optimize_command.h"
#include "cli/render_command.h"
#include "cli/standard_output.h"
#include "cli/strict_numbers.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "model/defaults.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <new>
#include <optional>

namespace {

constexpr int userError = 1;
constexpr int usageError = 2;

int runInfo(trelvix::CliSession& session, const std::string& file)
{
  std::unique_ptr<trelvix::tDrawing> drawing = session.load(file);
  if (!drawing)
    return userError;
  std::cout << trelvix::documentJson(*drawing).dump(
                 2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
  return 0;
}

int runBuild(trelvix::CliSession& session,
             const std::string& input,
             const std::string& output,
             const std::vector<std::string>& steps,
             bool threeD,
             bool yes)
{
  std::unique_ptr<trelvix::tDrawing> drawing;
  if (!input.empty()) {
    drawing = session.load(input);
    if (!drawing)
      return userError;
  } else {
    drawing = std::make_unique<trelvix::tDrawing>();
  }
  if (yes)
    session.shell().setDefaultYesNo(trelvix::MessageAnswer::Yes);
  trelvix::CommandLayer layer(std::move(drawing));
  layer.SetDrawMode3D(threeD);
  // Nothing will undo the steps: no undo copy per step, so building stays linear in its steps.
  layer.setUndoCopies(false);
  const trelvix::StepsOutcome outcome = trelvix::runBuildSteps(layer, steps);
  session.flushMessages();
  using Status = trelvix::StepsOutcome::Status;
  if (outcome.status == Status::Unreadable) {
    std::cerr << "Unknown build step: " << outcome.step << '\n';
    return usageError;
  }
  if (outcome.status == Status::Failed) {
    // The step could not act; the program's message above says why.
    std::cerr << "The step " << outcome.step << " could not act\n";
    return userError;
  }
  return session.save(layer, output) ? 0 : userError;
}

} // namespace

int main(int argc, char** argv)
{
  CLI::App app{ "Trelvix3D command line: build, inspect, optimise and render .tvx documents",
                "trelvix3d-cli" };
  // One command per run: a later word naming a command (the build step "optimize") is a step.
  app.require_subcommand(0, 1);
  // Options of the whole program (--scale) are accepted after the command's name too.
  app.fallthrough();
  app.set_version_flag("--version", std::string("trelvix3d-cli ") + TRELVIX_VERSION);
  int scale = 0;
  app
    .add_option(
      "--scale", scale, "Bond-length scale in pixels (default: the defaults file, else 28)")
    ->check(CLI::Range(trelvix::minBondScale, trelvix::maxBondScale));

  std::string infoFile;
  CLI::App* info = app.add_subcommand("info", "Print a document as JSON");
  info->add_option("FILE", infoFile, "The .tvx document")->required();

  std::string buildInput;
  std::string buildOutput;
  CLI::App* build = app.add_subcommand("build", "Build a document step by step and save it");
  build->add_option("--in", buildInput, "Start from this document instead of an empty one");
  build->add_option("-o,--output", buildOutput, "The document to write")->required();
  std::vector<std::string> buildSteps;
  bool threeD = false;
  bool yes = false;
  build->add_flag("--3d", threeD, "Build in 3D draw mode");
  build->add_flag("--yes", yes, "Answer Yes to the program's questions (default: No)");
  build->add_option("STEP",
                    buildSteps,
                    "CODE@X,Y, atom:Z@X,Y, branch:Z@X,Y, key:K@X,Y, label:TEXT@X,Y, "
                    "formula:TEXT@X,Y, smiles:TEXT@X,Y, protons2d, protons3d, noprotons, "
                    "optimize[:METHOD], title:TEXT, author:TEXT, notes:TEXT");

  std::string optimizeFile;
  std::string optimizeOutput;
  std::string optimizeMethod = "optimize";
  std::string optimizeSeedText;
  bool optimizeProgress = false;
  bool optimizeSaveOnStop = false;
  std::string optimizeForceField = "classic";
  CLI::App* optimize = app.add_subcommand("optimize", "Optimise the geometry; print the strain");
  optimize->add_option("FILE", optimizeFile, "The .tvx document")->required();
  optimize->add_option("-o,--output", optimizeOutput, "The document to write")->required();
  optimize
    ->add_option(
      "--method", optimizeMethod, "optimize (default), refine, anneal, scramble, protons")
    ->check(CLI::IsMember({ "optimize", "refine", "anneal", "scramble", "protons" }));
  optimize->add_option("--seed", optimizeSeedText, "Seed of the random numbers (default: fresh)")
    ->check(
      [](const std::string& text) {
        return trelvix::parseUnsigned(text)
                 ? std::string()
                 : "--seed takes a whole number from 0 to 18446744073709551615: " + text;
      },
      "0..18446744073709551615");
  optimize
    ->add_option("--ff",
                 optimizeForceField,
                 "classic (default: the program's own), mmff94, uff, or auto (MMFF94, UFF where "
                 "MMFF94 cannot type an atom)")
    ->check(CLI::IsMember({ "classic", "mmff94", "uff", "auto" }));
  optimize->add_flag("--progress",
                     optimizeProgress,
                     "Write PASS KCAL per pass (ITERATIONS KCAL FIELD with --ff) to stderr");
  optimize->add_flag(
    "--save-on-stop", optimizeSaveOnStop, "On Ctrl+C save the geometry reached (default: nothing)");

  trelvix::RenderRequest renderRequest;
  CLI::App* render =
    app.add_subcommand("render", "Draw a document's frame (or page) to a PNG, SVG or PDF file");
  render->add_option("FILE", renderRequest.file, "The .tvx document")->required();
  render->add_option("-o,--output", renderRequest.output, "OUT.png, OUT.svg or OUT.pdf")
    ->required();
  render->add_option(
    "--view", renderRequest.view, "View code 0..19, or 100..119 for the stereo pair");
  render->add_flag("--page",
                   renderRequest.page,
                   "Draw the window's page instead of the drawing with a margin of half a bond");
  render->add_option("--size",
                     renderRequest.size,
                     "Page size WIDTHxHEIGHT in pixels (draws the page; default 640x480)");
  render->add_option(
    "--dpi", renderRequest.dpi, "PNG pixels per inch, 10..1200 (default 100: 0.254 mm a pixel)");
  render->add_flag(
    "--transparent", renderRequest.transparent, "PNG on a transparent background, not white");

  std::string convertInput;
  std::string convertOutput;
  std::string convertFormat;
  CLI::App* convert =
    app.add_subcommand("convert", "Convert between .tvx, .mol, .sdf, .smi, .xyz and .pdb");
  convert->add_option("IN", convertInput, "The file to read, - for standard input")->required();
  convert->add_option("OUT", convertOutput, "The file to write, - for standard output")->required();
  convert->add_option("--format",
                      convertFormat,
                      "Format of a side whose name does not tell it (-, another extension); "
                      "else of OUT: tvx, mol, sdf, smi, xyz, pdb");

  trelvix::AnalysisOptions analysis;
  trelvix::addAnalysisCommands(app, analysis);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // CLI11 gives help and version exit code 0; every real usage error becomes 2.
    const int code = app.exit(e);
    return code == 0 ? 0 : usageError;
  }

  trelvix::CliSession session;
  session.loadDefaults(scale);
  const auto runCommand = [&]() -> int {
    if (info->parsed())
      return runInfo(session, infoFile);
    if (const std::optional<int> status = trelvix::runAnalysisCommand(session, analysis))
      return *status;
    if (render->parsed())
      return trelvix::runRender(session, renderRequest);
    if (optimize->parsed()) {
      const std::optional<std::uint64_t> seed =
        optimizeSeedText.empty() ? std::nullopt : trelvix::parseUnsigned(optimizeSeedText);
      return trelvix::runOptimize(session,
                                  optimizeFile,
                                  optimizeOutput,
                                  optimizeMethod,
                                  seed,
                                  optimizeProgress,
                                  optimizeSaveOnStop,
                                  optimizeForceField);
    }
    if (convert->parsed())
      return trelvix::runConvert(session, convertInput, convertOutput, convertFormat);
    if (build->parsed())
      return runBuild(session, buildInput, buildOutput, buildSteps, threeD, yes);
    std::cout << app.help();
    return 0;
  };
  // Whatever a command throws ends it with a message and exit status 1, never an abort; a
  // command whose output was lost (a full disk, a closed standard output) exits 1 too.
  int status = userError;
  try {
    status = runCommand();
  } catch (const std::bad_alloc&) {
    std::cerr << "Not enough memory for this document\n";
  } catch (const std::exception& e) {
    session.flushMessages();
    std::cerr << "The command failed: " << e.what() << '\n';
  }
  return trelvix::closeStandardOutput(status);
}
