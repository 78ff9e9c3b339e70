#pragma once

#include "mechanics/force_field.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace trelvix {

class Shell;
class StopTool;
class tStructure;

/// The five geometry commands by their command codes.
enum class OptimiseCommand : std::uint16_t
{
  OptimizeGeometry = 760,
  RefineGeometry = 782,
  ScrambleAndOptimize = 787,
  AnnealGeometry = 788,
  OptimizeProtons = 794
};

/// Called once after every pass with the pass number (from 1) and the strain energy, cal/mol.
using OptimiseProgress = std::function<void(int pass, double energy)>;

struct OptimiseResult
{
  double energy = 0; ///< the final strain energy, cal/mol
  int passes = 0;    ///< passes that relaxed atoms
};

/// Runs a geometry command on target (the document, or the structure shown in the group editor):
/// every atom of the document is fixed, the target's element atoms are freed except those bonded
/// to an atom outside it, the terms are built and the command runs with the stop tool shown;
/// then every fixed flag is cleared again, the target's atoms are updated and a repaint is asked
/// for. The final strain energy is stored in the target (setenergy).
OptimiseResult optimizeGeometry(tStructure& target,
                                OptimiseCommand command,
                                StopTool& stop,
                                const OptimiseProgress& progress = {});

/// The atom-by-atom descent on a built force field. Each free atom in turn is pushed along its
/// numerical force with a shrinking trial step, a trial kept only when it lowers the energy;
/// passes repeat until the energy stops changing, the stop flag is set, the energy is no number or
/// beyond any real geometry, or the pass limit (100 + 10 per atom) is reached. Atoms whose fixed
/// flag is set, text atoms and atoms outside the target never move. Random numbers and event
/// processing come from the current shell.
class Optimiser
{
public:
  Optimiser(tStructure& target, ForceField& field, StopTool& stop, OptimiseProgress progress = {});

  /// The command's set-up, then its passes; the final strain energy is stored in the target.
  OptimiseResult run(OptimiseCommand command);
  /// Relaxes one atom (by force field index) from the current positions; the running energy
  /// must be current (as after run's set-up or resetEnergy).
  void relax(int atom);
  /// Running energy := the strain energy of the current positions.
  void resetEnergy();
  double energy() const { return m_energy; }

private:
  bool movable(int atom) const { return m_movable[static_cast<std::size_t>(atom)] != 0; }
  void setUp(OptimiseCommand command);
  void idealiseBond();
  void shake(double amplitude);
  void scaleAbout(double factor);
  void passes();
  void protonPasses();
  /// Pushes the energy into the three-energy history; true when it lies within the threshold of
  /// their mean.
  bool settled();
  void pollStop();
  void showEnergy(int pass);
  /// Positions (with the pending centre correction) back to the atoms; a repaint is asked for.
  void refresh();

  tStructure& m_target;
  ForceField& m_field;
  StopTool& m_stop;
  Shell& m_shell;
  OptimiseProgress m_progress;
  std::vector<std::uint8_t> m_movable;
  /// Moves are corrected to keep the centre in place only when no term holds an atom that cannot
  /// move: shifting the free atoms against anchored ones would change the energy unseen.
  bool m_centred = true;
  int m_freeCount = 0;
  double m_scale;
  double m_minStep;
  double m_threshold;
  int m_passLimit;
  double m_energy = 0;
  std::array<double, 3> m_history{};
  Vector3 m_drift{};
  int m_passes = 0;
};

} // namespace trelvix
