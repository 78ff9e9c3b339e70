// The property window and the reaction tool, opened from the Chemistry menu.
#include "app/main_window.h"
#include "app/molecular_data.h"
#include "app/reaction_tool.h"
#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/molecular_data.h"
#include "mechanics/thermochemistry.h"

namespace trelvix {

namespace {

/// The value commands need a molecule; an empty drawing (or one of labels and symbols) has no
/// dipole, moments or strain, so it gets the same refusal as Molecular Data.
bool refuseWithoutMolecule(const TFragment& object)
{
  if (holdsMolecule(object))
    return false;
  showMessage("No Molecule");
  return true;
}

} // namespace

void TTrelvix3D::showMolecularData()
{
  if (refuseWithoutMolecule(m_layer->measuredObject()))
    return;
  auto* window = findChild<TMolecularData*>();
  if (!window)
    window = new TMolecularData(*m_layer, this);
  window->measure();
  m_shell.runDialog(*window);
}

void TTrelvix3D::openReactionTool()
{
  auto* tool = findChild<TReactionTool*>();
  if (!tool)
    tool = new TReactionTool(*m_layer, this);
  if (!tool->start())
    return;
  // Beside the main window: the reaction it reports on stays in view.
  placeBesideOwner(tool);
  m_shell.runDialog(*tool);
}

void TTrelvix3D::showDipoleMoment()
{
  const tDrawing& drawing = m_layer->drawing();
  if (refuseWithoutMolecule(drawing))
    return;
  m_layer->ComputeCharges(drawing);
  showMessage(dipoleText(drawing.DipoleMoment()), "Dipole Moment");
}

void TTrelvix3D::showPrincipalMoments()
{
  const tDrawing& drawing = m_layer->drawing();
  if (refuseWithoutMolecule(drawing))
    return;
  showMessage(principalMomentsMessage(drawing.principalmoments()), "Principal Inertial Moments");
}

void TTrelvix3D::showStrainEnergy()
{
  tStructure& object = m_layer->measuredObject();
  if (refuseWithoutMolecule(object))
    return;
  showMessage(strainMessage(totalStrainEnergy(object)), "Strain Energy");
}

} // namespace trelvix
