#pragma once

#include "commands/command_result.h"

#include <QDialog>
#include <cstddef>
#include <cstdint>
#include <memory>

class QButtonGroup;
class QLabel;

namespace trelvix {

class CommandLayer;
class ReactionThermo;
class TReactionPlot;
class tStructure;

/// The "Reaction Tool" window (modal) on a document that draws a reaction: temperature,
/// pressure and the amount and phase of each species are set with its scroll bars and buttons,
/// and it shows the reaction's ΔH, ΔG, ΔS and log K with a verdict, or the imbalance of an
/// unbalanced reaction. Report copies the drawing with the reaction report to the clipboard.
/// Amounts and phases change through the command layer; the numbers are the core's.
class TReactionTool
  : public QDialog
  , public CommandObserver
{
  Q_OBJECT

public:
  explicit TReactionTool(CommandLayer& layer, QWidget* parent = nullptr);
  ~TReactionTool() override;

  /// Opens the tool on the layer's document at 293 K and 1 atm, the amounts shown and the first
  /// species highlighted as the current reactant, and runs the analysis. Without a reaction
  /// arrow it says "Arrow Required!" and returns false (the caller then shows nothing).
  bool start();

  /// Temperature in kelvin and pressure in atmospheres the analysis uses.
  int temperature() const { return m_T; }
  double pressure() const { return m_P; }
  /// The species whose amount and phase the tool sets; nullptr when the reaction has none.
  tStructure* currentReactant() const;

  /// Done, Esc and the close box: the document's view is given back, then the window closes.
  void done(int result) override;

  // CommandObserver: a replaced document is taken up afresh (temperature and pressure stay).
  void documentReplaced() override;

private:
  /// A line step of scroll bar bar (0..5: Temp10, Temp01, Pressure10, Pressure01, Moles10,
  /// Moles01), +1 up, -1 down.
  void scroll(std::size_t bar, int direction);
  void nextReactant();
  void choosePhase(int phase);
  void report();
  /// The plot of ΔG and log K against temperature for the current amounts, phases and P.
  void plot();
  /// Reads the layer's document: the species and their partition functions, the current
  /// reactant highlighted.
  void takeUpDocument();
  /// The analysis of the reaction at T and P with the current amounts, shown.
  void analyse();
  void showPhase();
  /// Gives the document's view back and lets the species go.
  void finish();

  CommandLayer& m_layer;
  std::unique_ptr<ReactionThermo> m_thermo;
  std::size_t m_current = 0;
  /// The strain-energy message's flag of the document before the tool hid it.
  std::uint8_t m_savedDisplay = 0;
  int m_T = 293;
  double m_P = 1.0;
  bool m_open = false;

  QLabel* LblTemperature;
  QLabel* lblPressure;
  QLabel* lblMoles;
  QLabel* deltaH;
  QLabel* deltaG;
  QLabel* deltaS;
  QLabel* logK;
  QLabel* StatusMsg;
  QLabel* ReactionMsg;
  /// Which source each species used, and how those not from reference data were had.
  QLabel* SourcesMsg;
  QButtonGroup* m_phase;
  TReactionPlot* m_plot = nullptr;
};

} // namespace trelvix
