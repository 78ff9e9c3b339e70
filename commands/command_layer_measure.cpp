// The measurement tool: bond lengths, bond and torsion angles and distances picked with the
// pointer and drawn on the document.
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "mechanics/force_field.h"
#include "mechanics/measurements.h"
#include "model/atom.h"
#include "model/link.h"

#include <algorithm>

namespace trelvix {

bool MetricKinds::has(MeasureKind kind) const
{
  switch (kind) {
    case MeasureKind::BondLength:
      return bondLength;
    case MeasureKind::BondAngle:
      return bondAngle;
    case MeasureKind::TorsionAngle:
      return torsionAngle;
    case MeasureKind::Distance:
      return distance;
  }
  return false;
}

void CommandLayer::openMeasurements()
{
  if (blocked())
    return;
  // Whatever editor was open closes first: the tool measures the whole document.
  setEditorMode(EditorMode::Drawing);
  m_drawing->m1 = m_drawing->m2 = nullptr;
  m_measureTerms = std::make_unique<ForceField>(*m_drawing);
  setEditorMode(EditorMode::Measurement);
}

void CommandLayer::closeMeasurements()
{
  m_measureTerms.reset();
  m_drawing->m1 = m_drawing->m2 = nullptr;
  if (m_mode == EditorMode::Measurement)
    setEditorMode(EditorMode::Drawing);
}

MetricKinds CommandLayer::availableMeasurements()
{
  if (!m_measureTerms)
    m_measureTerms = std::make_unique<ForceField>(*m_drawing);
  const auto chemical = [](const tLink* b) {
    return b->Atm1 && b->Atm2 && b->Atm1->isatom() && b->Atm2->isatom();
  };
  MetricKinds kinds;
  kinds.bondLength = std::any_of(m_drawing->Bonds.begin(), m_drawing->Bonds.end(), chemical);
  kinds.bondAngle = !m_measureTerms->angles().empty();
  kinds.torsionAngle = !m_measureTerms->torques().empty();
  kinds.distance = std::count_if(m_drawing->Atoms.begin(),
                                 m_drawing->Atoms.end(),
                                 [](const tXY* a) { return a->isatom(); }) > 1;
  return kinds;
}

CommandResult CommandLayer::measureAt(MeasureKind kind, double x, double y)
{
  if (blocked())
    return refused();
  CommandResult result;
  if (!availableMeasurements().has(kind))
    return result;
  tDrawing& doc = *m_drawing;
  switch (kind) {
    case MeasureKind::BondLength:
      result.measurement = doc.showbonddata(x, y);
      break;
    case MeasureKind::BondAngle:
      result.measurement = ShowBondAngle(doc, *m_measureTerms, x, y);
      break;
    case MeasureKind::TorsionAngle:
      result.measurement = ShowTorsionAngle(doc, *m_measureTerms, x, y);
      break;
    case MeasureKind::Distance:
      result.measurement = doc.ShowAtomicDistance(doc.m1, doc.m2, x, y);
      break;
  }
  return result;
}

} // namespace trelvix
