// The geometry optimiser: the five commands' set-ups, the passes of atom relaxations, the proton
// passes and the driver that fixes and frees atoms around a run.
#include "mechanics/optimiser.h"

#include "document/drawing.h"
#include "mechanics/stop_tool.h"
#include "model/defaults.h"
#include "model/link.h"
#include "model/structure_atom.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace trelvix {

namespace {

constexpr double pi = std::numbers::pi;
// The trial step shrinks by 1 / 1.72 after every trial.
constexpr double shrink = 0.5813953488372093;
// Central-difference displacement, drawing units.
constexpr double probe = 0.001;
// The smallest step, as a fraction of the bond-length scale (about 0.0063 Å).
constexpr double minimumStepFraction = 0.00413;
// An eighth of a 1.06 Å bond at 1.54 Å per scale length: how far Optimize Protons first moves
// every hydrogen.
constexpr double protonKick = 0.6493506493506493 * 1.06 * 0.125;
// Beyond this strain (cal/mol) the geometry means nothing (atoms nearly on one spot: 1e30 is
// two carbons about 0.02 Å apart) and the descent's arithmetic no longer resolves the
// settling threshold; the run ends there.
constexpr double meaninglessEnergy = 1e30;
// Relative change below which a large energy counts as settled: a few units in the last place,
// where the threshold of one calorie per atom is lost in rounding.
constexpr double roundingTolerance = 1e-12;

// The most passes a run makes. A descent moves every free atom up to one bond length a pass and
// settles within a few dozen passes for small molecules; a chain of n atoms may need a pass or two
// per atom to unfold. 100 + 10 n leaves room for both and still ends a run that would otherwise
// never settle; the pass counter is a 16-bit word.
int passLimit(int atoms)
{
  return std::min(100 + 10 * std::max(atoms, 0), 32767);
}

Vector3 direction(double theta, double phi)
{
  return { std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta) };
}

// Element atoms of target bonded to an atom outside it.
bool bondedOutside(tXY* atom, const tStructure& target)
{
  auto* a = dynamic_cast<tAtm*>(atom);
  if (!a)
    return false;
  a->AttachedAtoms();
  for (const tXY* n : *a->atoms) {
    if (!target.Atoms.Contains(n))
      return true;
  }
  return false;
}

// Sets every fixed flag of the document and the target for the run; clears them all again when
// the run ends, however it ends.
class FixedFlags
{
public:
  explicit FixedFlags(tStructure& target)
    : m_target(target)
  {
    fix(1);
    for (tXY* a : target.Atoms) {
      if (a->isatom() && !bondedOutside(a, target))
        a->fixedFlag = 0;
    }
  }
  ~FixedFlags() { fix(0); }
  FixedFlags(const FixedFlags&) = delete;
  FixedFlags& operator=(const FixedFlags&) = delete;

private:
  void fix(std::uint8_t flag)
  {
    if (CurrentDrawing)
      CurrentDrawing->Atoms.Fix(flag);
    m_target.Atoms.Fix(flag);
  }
  tStructure& m_target;
};

} // namespace

OptimiseResult optimizeGeometry(tStructure& target,
                                OptimiseCommand command,
                                StopTool& stop,
                                const OptimiseProgress& progress)
{
  OptimiseResult result;
  {
    const FixedFlags flags(target);
    stop.FormShow();
    ForceField field(target);
    Optimiser optimiser(target, field, stop, progress);
    result = optimiser.run(command);
    stop.hide();
  }
  target.Atoms.update();
  if (CurrentDrawing)
    CurrentDrawing->savedFlag = 0; // the geometry changed since the last save
  currentShell().requestRepaint();
  return result;
}

Optimiser::Optimiser(tStructure& target,
                     ForceField& field,
                     StopTool& stop,
                     OptimiseProgress progress)
  : m_target(target)
  , m_field(field)
  , m_stop(stop)
  , m_shell(currentShell())
  , m_progress(std::move(progress))
  , m_scale(bondScale())
  , m_minStep(minimumStepFraction * m_scale)
  , m_threshold(target.Atoms.Count() * 1.0)
  , m_passLimit(passLimit(target.Atoms.Count()))
{
  m_movable.assign(static_cast<std::size_t>(field.atomCount()), 0);
  for (int i = 0; i < field.targetAtomCount(); ++i) {
    const tXY* a = field.atom(i);
    m_movable[static_cast<std::size_t>(i)] = a->fixedFlag == 0 && a->textFlag == 0;
    m_freeCount += movable(i) ? 1 : 0;
  }
  for (int i = 0; i < field.atomCount() && m_centred; ++i)
    m_centred = movable(i) || !field.inAnyTerm(i);
}

OptimiseResult Optimiser::run(OptimiseCommand command)
{
  m_passes = 0;
  if (m_target.Atoms.Count() == 2 && m_target.Bonds.Count() == 1) {
    idealiseBond();
  } else {
    setUp(command);
    m_field.readPositions();
    m_stop.setStopFlag(false);
    resetEnergy();
    // Nothing can move: the run ends at once with its energy.
    if (m_freeCount > 0 && m_field.termCount() > 0) {
      if (command == OptimiseCommand::OptimizeProtons)
        protonPasses();
      else
        passes();
    }
  }
  refresh();
  resetEnergy();
  m_target.setenergy(m_energy);
  return { m_energy, m_passes };
}

void Optimiser::resetEnergy()
{
  m_energy = m_field.strainEnergy();
}

void Optimiser::setUp(OptimiseCommand command)
{
  switch (command) {
    case OptimiseCommand::OptimizeGeometry:
      shake(3 * m_minStep);
      m_target.clean();
      m_target.update();
      break;
    case OptimiseCommand::RefineGeometry:
    case OptimiseCommand::AnnealGeometry:
      shake(m_minStep);
      m_target.update();
      break;
    case OptimiseCommand::ScrambleAndOptimize:
      m_target.clean();
      shake(0.5 * m_scale);
      scaleAbout(0.9);
      m_target.update();
      break;
    case OptimiseCommand::OptimizeProtons:
      break;
  }
}

void Optimiser::idealiseBond()
{
  const tLink* bond = m_target.Bonds.At(0);
  const int a1 = m_field.indexOf(bond->Atm1);
  const int a2 = m_field.indexOf(bond->Atm2);
  if (a1 >= 0 && a2 >= 0 && a1 != a2 && (movable(a1) || movable(a2))) {
    Vector3* xyz = m_field.positions();
    const double r = distance(xyz[a1], xyz[a2]);
    // Two atoms on one spot have no bond direction: they are drawn apart along x.
    const Vector3 u = r > 0 ? unitVector(xyz[a1], xyz[a2]) : Vector3{ 1, 0, 0 };
    const double grow = bond->RAB() - r;
    const double w1 = !movable(a1) ? 0.0 : !movable(a2) ? 1.0 : 0.5;
    for (int k = 0; k < 3; ++k) {
      xyz[a1][k] -= u[k] * grow * w1;
      xyz[a2][k] += u[k] * grow * (1 - w1);
    }
  }
}

void Optimiser::shake(double amplitude)
{
  const Vector3 c = m_target.Atoms.GetCG();
  for (int i = 0; i < m_field.targetAtomCount(); ++i) {
    tXY* a = m_field.atom(i);
    const Vector3 v{ a->x3 - c[0], a->y3 - c[1], a->z3 - c[2] };
    const double r = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!movable(i) || !a->isatom() || r <= 1.0)
      continue;
    const double theta =
      std::acos(std::clamp(v[2] / r, -1.0, 1.0)) + pi * (1 - 2 * m_shell.random());
    const double phi = std::atan2(v[1], v[0]) + pi * (1 - 2 * m_shell.random());
    const double length = 1 + amplitude * m_shell.random();
    const Vector3 d = direction(theta, phi);
    a->x3 += length * d[0];
    a->y3 += length * d[1];
    a->z3 += length * d[2];
  }
  if (m_centred) {
    const Vector3 moved = m_target.Atoms.GetCG();
    for (int i = 0; i < m_field.targetAtomCount(); ++i) {
      if (!movable(i))
        continue;
      tXY* a = m_field.atom(i);
      a->x3 += c[0] - moved[0];
      a->y3 += c[1] - moved[1];
      a->z3 += c[2] - moved[2];
    }
  }
  m_target.updatexyz();
  m_shell.processEvents();
}

void Optimiser::scaleAbout(double factor)
{
  // Only the free atoms come closer to the centre: anchored atoms keep their places.
  const Vector3 c = m_target.Atoms.GetCG();
  for (int i = 0; i < m_field.targetAtomCount(); ++i) {
    if (!movable(i))
      continue;
    tXY* a = m_field.atom(i);
    a->x3 = (a->x3 - c[0]) * factor + c[0];
    a->y3 = (a->y3 - c[1]) * factor + c[1];
    a->z3 = (a->z3 - c[2]) * factor + c[2];
  }
}

bool Optimiser::settled()
{
  m_history = { m_history[1], m_history[2], m_energy };
  // An energy that is no number, or none a real geometry has, can never settle: the run ends
  // rather than spin for ever; so does a run at its pass limit.
  if (!std::isfinite(m_energy) || std::abs(m_energy) >= meaninglessEnergy ||
      m_passes >= m_passLimit)
    return true;
  const double mean = (m_history[0] + m_history[1] + m_history[2]) / 3;
  const double tolerance = std::max(m_threshold, std::abs(m_energy) * roundingTolerance);
  return std::abs(m_energy - mean) < tolerance;
}

void Optimiser::pollStop()
{
  if (m_shell.stopRequested())
    m_stop.StopBitBtn1Click();
}

void Optimiser::showEnergy(int pass)
{
  m_stop.showEnergy(m_energy);
  if (m_progress)
    m_progress(pass, m_energy);
}

void Optimiser::relax(int atom)
{
  Vector3& p = m_field.positions()[atom];
  const Vector3 start = p;
  Vector3 force{};
  for (int k = 0; k < 3; ++k) {
    p[k] = start[k] + probe;
    const double plus = m_field.atomEnergy(atom);
    p[k] = start[k] - probe;
    const double minus = m_field.atomEnergy(atom);
    p[k] = start[k];
    force[k] = -(plus - minus) * 0.5 / probe;
  }
  const double g = std::sqrt(force[0] * force[0] + force[1] * force[1] + force[2] * force[2]);
  if (!(g > m_minStep))
    return; // too weak a force (or none that can be measured) to move the atom
  double current = m_field.atomEnergy(atom);
  Vector3 step{ force[0] * m_scale / g, force[1] * m_scale / g, force[2] * m_scale / g };
  Vector3 at = start;
  // The whole molecule moves back by the step shared among its element atoms.
  const double perAtom = 1.0 / std::max<int>(1, m_target.Atoms.NAtoms());
  for (double length = m_scale; length >= m_minStep; length *= shrink) {
    p = { at[0] + step[0], at[1] + step[1], at[2] + step[2] };
    const double trial = m_field.atomEnergy(atom);
    const double total = m_energy - current + trial;
    if (total >= m_energy) {
      p = at;
    } else {
      at = p;
      current = trial;
      m_energy = total;
      if (m_centred) {
        for (int k = 0; k < 3; ++k)
          m_drift[k] -= step[k] * perAtom;
      }
    }
    for (double& s : step)
      s *= shrink;
    m_shell.processEvents();
  }
}

void Optimiser::passes()
{
  m_history = { 3 * m_energy, 3 * m_energy / 2, m_energy };
  int counter = 0;
  while (!settled()) {
    ++counter;
    ++m_passes;
    for (int i = 0; i < m_field.targetAtomCount() && !m_stop.stopFlag(); ++i) {
      if (movable(i)) {
        relax(i);
        pollStop();
      }
    }
    showEnergy(m_passes);
    if (counter % 2 == 0) {
      refresh();
      m_target.setn1n2();
      counter = 0;
    }
    resetEnergy();
    if (m_stop.stopFlag())
      break;
  }
  m_stop.setStopFlag(true);
}

void Optimiser::protonPasses()
{
  std::vector<int> hydrogens;
  for (int i = 0; i < m_field.targetAtomCount(); ++i) {
    const tXY* a = m_field.atom(i);
    if (a->element == 1 && a->textFlag == 0)
      hydrogens.push_back(i);
  }
  if (hydrogens.empty())
    return;
  const double kick = protonKick * m_scale;
  Vector3* xyz = m_field.positions();
  for (int h : hydrogens) {
    if (!movable(h))
      continue;
    const double theta = pi * m_shell.random();
    const double phi = 2 * pi * m_shell.random();
    const Vector3 d = direction(theta, phi);
    for (int k = 0; k < 3; ++k)
      xyz[h][k] += kick * d[k];
  }
  refresh();
  resetEnergy();
  m_history = { 3 * m_energy, 3 * m_energy / 2, m_energy };
  bool done = false;
  while (!done) {
    const bool settledBefore = settled();
    ++m_passes;
    for (std::size_t i = 0; i < hydrogens.size() && !m_stop.stopFlag(); ++i) {
      if (movable(hydrogens[i])) {
        relax(hydrogens[i]);
        pollStop();
      }
    }
    resetEnergy();
    showEnergy(m_passes);
    refresh();
    done = settledBefore || m_stop.stopFlag();
  }
  m_stop.setStopFlag(true);
}

void Optimiser::refresh()
{
  if (m_drift != Vector3{}) {
    Vector3* xyz = m_field.positions();
    for (int i = 0; i < m_field.targetAtomCount(); ++i) {
      if (!movable(i))
        continue;
      for (int k = 0; k < 3; ++k)
        xyz[i][k] += m_drift[k];
    }
    m_drift = {};
  }
  m_field.writePositions();
  m_shell.requestRepaint();
}

} // namespace trelvix
