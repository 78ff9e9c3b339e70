// The reaction tool's side of the command layer: its view of the document (amounts shown,
// current reactant highlighted), the amounts and phases it sets, and its report.
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "mechanics/reaction.h"
#include "mechanics/thermochemistry.h"
#include "model/base_fragment.h"
#include "platform/shell.h"

#include <algorithm>
#include <cmath>

namespace trelvix {

namespace {

// The editors' highlight: red (0x00BBGGRR).
constexpr Colour highlightColour = 255;

template<class List, class T>
bool holds(const List& list, const T* item)
{
  return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

CommandResult CommandLayer::OpenReactionView()
{
  if (blocked())
    return refused();
  m_drawing->energyTextFlag = 0;
  m_drawing->ShowMoles(true);
  currentShell().requestRepaint();
  return {};
}

CommandResult CommandLayer::CloseReactionView(std::uint8_t energyTextFlag)
{
  if (blocked())
    return refused();
  m_drawing->Color(false);
  m_drawing->ShowMoles(false);
  m_drawing->energyTextFlag = energyTextFlag;
  m_drawing->Atoms.Fix(0);
  currentShell().requestRepaint();
  return {};
}

CommandResult CommandLayer::HighlightReactant(tStructure* group)
{
  if (blocked())
    return refused();
  if (group && !holds(m_drawing->Groups, group))
    return unknownCommand();
  m_drawing->Color(false);
  if (group)
    group->color(highlightColour);
  currentShell().requestRepaint();
  return {};
}

CommandResult CommandLayer::SetAmount(tStructure* group, double moles)
{
  if (!group || !holds(m_drawing->Groups, group) || !std::isfinite(moles))
    return unknownCommand();
  // An amount moves no atom: the positions stay as they were taken.
  return perform([&] { group->amount = moles; },
                 { .undo = UndoPolicy::Untracked, .update = false });
}

CommandResult CommandLayer::SetPhase(tStructure* group, int phase)
{
  if (!group || !holds(m_drawing->Groups, group) || phase < tbasefragment::Gas ||
      phase > tbasefragment::Solvent)
    return unknownCommand();
  return perform([&] { group->setstate(static_cast<std::uint8_t>(phase)); },
                 { .undo = UndoPolicy::Untracked, .update = false });
}

std::unique_ptr<ReactionThermo> CommandLayer::PrepareReaction(ThermoModel model)
{
  auto thermo = std::make_unique<ReactionThermo>(*m_drawing);
  prepareThermochemistry(*thermo);
  if (model == ThermoModel::Best)
    findBetterSources(*thermo);
  return thermo;
}

CommandResult CommandLayer::Report(double T, double P, const std::function<void(tDrawing&)>& copy)
{
  const std::uint8_t saved = m_drawing->savedFlag;
  return perform(
    [&] {
      m_drawing->CreateReport(T, P);
      copy(*m_drawing);
      m_drawing->DestroyReport();
      // The report came and went: the document is as it was.
      m_drawing->savedFlag = saved;
    },
    { .undo = UndoPolicy::View, .update = false });
}

} // namespace trelvix
