#pragma once

#include "../commands/writable_document.h"
#include "../model/model_fixture.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "exchange/molecule_import.h"
#include "forcefields/force_field_optimiser.h"
#include "mechanics/stop_tool.h"
#include "model/atom.h"
#include "model/defaults.h"

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace trelvix {

/// Molecules from SMILES embedded in 3D (their hydrogens implicit, as the 3D draw mode places
/// them), held by a command layer that has the force-field optimiser.
class ForceFieldTest : public ModelTest
{
protected:
  /// The layer on the 3D molecule of smiles.
  std::unique_ptr<CommandLayer> layerOf(const std::string& smiles)
  {
    ImportOptions options;
    options.embed3D = true;
    ImportResult imported = readMolecules(smiles, ExchangeFormat::Smiles, "test", options);
    EXPECT_TRUE(imported.drawing) << imported.message;
    auto layer = std::make_unique<CommandLayer>(std::move(imported.drawing));
    layer->setForceFieldOptimiser(optimizeWithForceField);
    return layer;
  }

  /// The layer on smiles optimised with choice (which must run).
  std::unique_ptr<CommandLayer> optimised(const std::string& smiles,
                                          ForceFieldChoice choice = ForceFieldChoice::MMFF94)
  {
    std::unique_ptr<CommandLayer> layer = layerOf(smiles);
    StopTool stop;
    ForceFieldRun run;
    const CommandResult result = layer->OptimizeWith(choice, stop, {}, &run);
    EXPECT_TRUE(result.message.empty()) << result.message;
    EXPECT_TRUE(run.converged) << smiles;
    return layer;
  }

  static std::vector<tXY*> atomsOf(const tDrawing& drawing)
  {
    std::vector<tXY*> atoms;
    for (tXY* a : drawing.Atoms) {
      if (a->isatom())
        atoms.push_back(a);
    }
    return atoms;
  }

  /// Distance between two atoms in Ångström.
  static double angstroms(const tXY& a, const tXY& b)
  {
    return std::hypot(a.x3 - b.x3, a.y3 - b.y3, a.z3 - b.z3) * angstromsPerUnit();
  }

  /// The angle a-b-c in degrees.
  static double degrees(const tXY& a, const tXY& b, const tXY& c)
  {
    const double u[] = { a.x3 - b.x3, a.y3 - b.y3, a.z3 - b.z3 };
    const double v[] = { c.x3 - b.x3, c.y3 - b.y3, c.z3 - b.z3 };
    const double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    return std::acos(dot / (std::hypot(u[0], u[1], u[2]) * std::hypot(v[0], v[1], v[2]))) * 180 /
           3.14159265358979323846;
  }
};

} // namespace trelvix
