// The normal modes of the document's groups with a chosen force field, as JSON, and their IR
// spectrum as a picture or a table.
#include "cli/normal_modes_command.h"

#include "cli/render_command.h"
#include "document/drawing.h"
#include "forcefields/ir_spectrum.h"
#include "forcefields/vibrations.h"
#include "platform/qt/image_canvas.h"
#include "platform/qt/svg_canvas.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <iostream>
#include <nlohmann/json.hpp>

namespace trelvix {

namespace {

constexpr int userError = 1;
constexpr int usageError = 2;
constexpr int plotWidth = 800;
constexpr int plotHeight = 400;

using Json = nlohmann::ordered_json;

struct FieldName
{
  const char* name;
  VibrationField field;
};

constexpr FieldName fieldNames[] = {
  { "mmff94", VibrationField::MMFF94 },
  { "uff", VibrationField::UFF },
  { "auto", VibrationField::Automatic },
  { "classic", VibrationField::Classic },
};

bool endsWith(const std::string& text, const std::string& suffix)
{
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

Json modeJson(const NormalMode& m)
{
  Json displacement = Json::array();
  for (std::size_t i = 0; i + 2 < m.displacement.size(); i += 3)
    displacement.push_back({ m.displacement[i], m.displacement[i + 1], m.displacement[i + 2] });
  Json json{ { "wavenumber", m.wavenumber },
             { "reduced_mass", m.reducedMass },
             { "intensity", m.intensity } };
  if (m.imaginary())
    json["note"] = "not a minimum";
  json["displacement"] = displacement;
  return json;
}

// Whole or not at all: the file is replaced only after the write is checked.
std::string writeFile(const std::string& path, const QByteArray& bytes)
{
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return "Cannot write " + path;
  return {};
}

std::string writeSpectrum(const std::string& path, const std::vector<NormalMode>& modes)
{
  const SpectrumOptions options;
  if (endsWith(path, ".csv")) {
    const std::string text = spectrumCsv(broadenedSpectrum(modes, options), options);
    return writeFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
  }
  prepareOffscreenQt();
  int argc = 1;
  char name[] = "trelvix3d-cli";
  char* argv[] = { name, nullptr };
  const QGuiApplication app(argc, argv);
  const Rect box{ 0, 0, plotWidth, plotHeight };
  if (endsWith(path, ".svg")) {
    SvgCanvas canvas(plotWidth, plotHeight, "IR spectrum");
    drawSpectrum(canvas, box, modes, options);
    canvas.finish();
    return writeFile(path, canvas.svg());
  }
  ImageCanvas canvas(plotWidth, plotHeight);
  drawSpectrum(canvas, box, modes, options);
  return writeFile(path, canvas.png());
}

} // namespace

int runNormalModes(tDrawing& drawing, const std::string& forceField, const std::string& spectrum)
{
  const FieldName* chosen = nullptr;
  for (const FieldName& f : fieldNames) {
    if (forceField == f.name)
      chosen = &f;
  }
  if (!chosen) {
    std::cerr << "Unknown force field: " << forceField << '\n';
    return usageError;
  }
  if (!spectrum.empty() && !endsWith(spectrum, ".svg") && !endsWith(spectrum, ".png") &&
      !endsWith(spectrum, ".csv")) {
    std::cerr << "--spectrum writes OUT.svg, OUT.png or OUT.csv: " << spectrum << '\n';
    return usageError;
  }
  Json groups = Json::array();
  std::vector<NormalMode> every;
  for (tStructure* group : drawing.Groups) {
    const StructureVibrations v = normalModesOf(*group, chosen->field);
    if (!v.failure.empty()) {
      std::cerr << "Group " << drawing.Groups.IndexOf(group) << ": " << v.failure << '\n';
      return userError;
    }
    Json modes = Json::array();
    for (const NormalMode& m : v.analysis.modes)
      modes.push_back(modeJson(m));
    Json json{ { "group", drawing.Groups.IndexOf(group) },
               { "force_field", v.forceField },
               { "linear", v.analysis.linear },
               { "minimum", v.analysis.minimum() },
               { "external", v.analysis.external },
               { "modes", modes } };
    groups.push_back(json);
    every.insert(every.end(), v.analysis.modes.begin(), v.analysis.modes.end());
  }
  if (groups.empty()) {
    std::cerr << "No Molecule\n";
    return userError;
  }
  std::cout << Json{ { "groups", groups } }.dump(2, ' ', false, Json::error_handler_t::replace)
            << '\n';
  if (!spectrum.empty()) {
    const std::string failure = writeSpectrum(spectrum, every);
    if (!failure.empty()) {
      std::cerr << failure << '\n';
      return userError;
    }
  }
  return 0;
}

} // namespace trelvix
