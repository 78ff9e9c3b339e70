#include "app/reaction_tool.h"

#include "app/frame_clipboard.h"
#include "app/reaction_plot.h"
#include "commands/command_layer.h"
#include "document/drawing.h"
#include "document/symbol.h"
#include "mechanics/reaction.h"
#include "mechanics/reaction_curve.h"
#include "mechanics/thermochemistry.h"
#include "model/atom.h"
#include "platform/fixed_text.h"
#include "platform/shell.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace trelvix {

namespace {

/// One of the six scroll bars: what it changes and by how much a line step changes it.
struct ScrollStep
{
  enum Quantity
  {
    Temperature,
    Pressure,
    Moles
  };
  const char* name;
  Quantity quantity;
  double step;
  /// Pressure only: what a pressure below 0.1 atm becomes.
  double pressureFloor = 0;
};

// The bars in the rows of their values; the larger step first.
const std::array<ScrollStep, 6> scrollSteps{ {
  { "Temp10", ScrollStep::Temperature, 10 },
  { "Temp01", ScrollStep::Temperature, 1 },
  // The coarse bar drives the pressure down to exactly 0; the fine one stops at 0.1.
  { "Pressure10", ScrollStep::Pressure, 1.0, 0.0 },
  { "Pressure01", ScrollStep::Pressure, 0.1, 0.1 },
  { "Moles10", ScrollStep::Moles, 1.0 },
  { "Moles01", ScrollStep::Moles, 0.1 },
} };

// The phase buttons and the phases they set. The gas takes the gas state that shows its amount.
struct PhaseButton
{
  const char* caption;
  tbasefragment::Phase phase;
};
constexpr std::array<PhaseButton, 3> phaseButtons{ {
  { "gas", tbasefragment::GasAmount },
  { "Liquid", tbasefragment::Liquid },
  { "Solid", tbasefragment::Solid },
} };

bool isGasState(int phase)
{
  return phase == tbasefragment::Gas || phase == tbasefragment::GasAmount;
}

QLabel* valueLabel(QWidget* owner, const char* name)
{
  auto* label = new QLabel(owner);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QString text(const std::string& s)
{
  return QString::fromStdString(s);
}

} // namespace

TReactionTool::TReactionTool(CommandLayer& layer, QWidget* parent)
  : QDialog(parent)
  , m_layer(layer)
  , LblTemperature(valueLabel(this, "LblTemperature"))
  , lblPressure(valueLabel(this, "lblPressure"))
  , lblMoles(valueLabel(this, "lblMoles"))
  , deltaH(valueLabel(this, "deltaH"))
  , deltaG(valueLabel(this, "deltaG"))
  , deltaS(valueLabel(this, "deltaS"))
  , logK(valueLabel(this, "logK"))
  , StatusMsg(valueLabel(this, "StatusMsg"))
  , ReactionMsg(valueLabel(this, "ReactionMsg"))
  , SourcesMsg(valueLabel(this, "SourcesMsg"))
  , m_phase(new QButtonGroup(this))
{
  setWindowTitle(QStringLiteral("Reaction Tool"));
  const auto caption = [this](const char* s) { return new QLabel(QString::fromUtf8(s), this); };

  // Temperature, pressure and amount: the value and its two bars.
  auto* values = new QGridLayout;
  const std::array<QLabel*, 3> valueLabels{ LblTemperature, lblPressure, lblMoles };
  const std::array<const char*, 3> captions{ "T (K)", "P (atm)", "Moles" };
  for (std::size_t row = 0; row < valueLabels.size(); ++row) {
    const int r = static_cast<int>(row);
    QLabel* name = caption(captions[row]);
    if (valueLabels[row] == lblPressure)
      name->setToolTip(QStringLiteral("Pressure in atmospheres; the standard state is 1 bar"));
    values->addWidget(name, r, 0);
    values->addWidget(valueLabels[row], r, 1);
  }
  for (std::size_t i = 0; i < scrollSteps.size(); ++i) {
    auto* bar = new QScrollBar(Qt::Vertical, this);
    bar->setObjectName(QString::fromLatin1(scrollSteps[i].name));
    // The bar is a pair of arrows: its position stays in the middle.
    bar->setRange(-1, 1);
    bar->setValue(0);
    bar->setFixedHeight(bar->sizeHint().width() * 2);
    connect(bar, &QScrollBar::actionTriggered, this, [this, bar, i](int action) {
      bar->setSliderPosition(0);
      // A line up raises the value, a line down lowers it.
      if (action == QAbstractSlider::SliderSingleStepSub)
        scroll(i, +1);
      else if (action == QAbstractSlider::SliderSingleStepAdd)
        scroll(i, -1);
    });
    values->addWidget(bar, static_cast<int>(i / 2), 2 + static_cast<int>(i % 2));
  }

  auto* reactant = new QPushButton(QStringLiteral("Reactant"), this);
  auto* phases = new QHBoxLayout;
  for (const PhaseButton& p : phaseButtons) {
    auto* button = new QRadioButton(QString::fromLatin1(p.caption), this);
    m_phase->addButton(button, p.phase);
    phases->addWidget(button);
  }
  auto* species = new QHBoxLayout;
  species->addWidget(reactant);
  species->addLayout(phases);

  auto* results = new QGridLayout;
  const std::array<QLabel*, 4> resultLabels{ deltaH, deltaG, deltaS, logK };
  const std::array<const char*, 4> resultCaptions{
    "ΔH (Kcal)", "ΔG (Kcal)", "ΔS (cal/K)", "log K"
  };
  for (std::size_t row = 0; row < resultLabels.size(); ++row) {
    results->addWidget(caption(resultCaptions[row]), static_cast<int>(row), 0);
    results->addWidget(resultLabels[row], static_cast<int>(row), 1);
  }

  auto* plotButton = new QPushButton(QStringLiteral("Plot ..."), this);
  auto* reportButton = new QPushButton(QStringLiteral("Report"), this);
  auto* doneButton = new QPushButton(QStringLiteral("Done"), this);
  doneButton->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(plotButton);
  buttons->addWidget(reportButton);
  buttons->addWidget(doneButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(values);
  layout->addLayout(species);
  layout->addLayout(results);
  layout->addWidget(StatusMsg);
  layout->addWidget(ReactionMsg);
  SourcesMsg->setWordWrap(true);
  layout->addWidget(SourcesMsg);
  layout->addLayout(buttons);

  connect(reactant, &QPushButton::clicked, this, &TReactionTool::nextReactant);
  connect(plotButton, &QPushButton::clicked, this, &TReactionTool::plot);
  connect(m_phase, &QButtonGroup::idClicked, this, &TReactionTool::choosePhase);
  connect(reportButton, &QPushButton::clicked, this, &TReactionTool::report);
  connect(doneButton, &QPushButton::clicked, this, &QDialog::accept);
}

// The tool listens to the layer only while it is open, and Done, Esc and the close box all end
// that. The main window frees its layer before its windows, so a tool still open then must not
// reach for the layer.
TReactionTool::~TReactionTool() = default;

bool TReactionTool::start()
{
  if (m_open)
    finish();
  m_T = 293;
  m_P = 1.0;
  ReactionMsg->clear();
  if (!reactionArrow(m_layer.drawing())) {
    showMessage("Arrow Required!", "", MessageIcon::Information);
    return false;
  }
  m_open = true;
  m_layer.addObserver(this);
  takeUpDocument();
  return true;
}

void TReactionTool::takeUpDocument()
{
  m_savedDisplay = m_layer.drawing().energyTextFlag;
  m_layer.OpenReactionView();
  m_thermo.reset();
  if (reactionArrow(m_layer.drawing()))
    m_thermo = m_layer.PrepareReaction(ThermoModel::Best);
  m_current = 0;
  m_layer.HighlightReactant(currentReactant());
  analyse();
}

tStructure* TReactionTool::currentReactant() const
{
  // The species, not every piece: a piece lying inside a molecule has no amount of its own.
  if (!m_thermo || m_current >= m_thermo->species().size())
    return nullptr;
  return m_thermo->species()[m_current].structure;
}

void TReactionTool::scroll(std::size_t bar, int direction)
{
  const ScrollStep& step = scrollSteps[bar];
  const double change = direction * step.step;
  switch (step.quantity) {
    case ScrollStep::Temperature:
      m_T = std::max(0, m_T + static_cast<int>(change));
      break;
    case ScrollStep::Pressure:
      // Tenths exactly: the steps must not leave 0.30000000000000004 behind.
      m_P = std::round((m_P + change) * 10) / 10;
      if (m_P < 0.1)
        m_P = step.pressureFloor;
      break;
    case ScrollStep::Moles:
      if (tStructure* s = currentReactant()) {
        // A negative amount would put the species on the other side of the arrow: 0 is the
        // least there can be.
        const double moles = s->amount + change;
        m_layer.SetAmount(s, moles < 1e-9 ? 0.0 : moles);
      }
      break;
  }
  analyse();
}

void TReactionTool::nextReactant()
{
  if (!m_thermo || m_thermo->species().empty())
    return;
  m_current = (m_current + 1) % m_thermo->species().size();
  m_layer.HighlightReactant(currentReactant());
  analyse();
}

void TReactionTool::choosePhase(int phase)
{
  tStructure* s = currentReactant();
  // Gas chosen for a species already in a gas state keeps the state it has.
  if (s && !(isGasState(phase) && isGasState(s->phase)))
    m_layer.SetPhase(s, phase);
  analyse();
}

void TReactionTool::showPhase()
{
  const tStructure* s = currentReactant();
  const int phase = !s                     ? -1
                    : isGasState(s->phase) ? int{ tbasefragment::GasAmount }
                                           : int{ s->phase };
  m_phase->setExclusive(false);
  for (QAbstractButton* button : m_phase->buttons())
    button->setChecked(m_phase->id(button) == phase);
  m_phase->setExclusive(true);
}

void TReactionTool::analyse()
{
  LblTemperature->setText(text(fixedText(m_T, 4, 0)));
  lblPressure->setText(text(fixedText(m_P, 3, 1)));
  const tStructure* s = currentReactant();
  lblMoles->setText(s ? text(fixedText(s->amount, 4, 1)) : QString());
  showPhase();
  const tArrow* arrow = reactionArrow(m_layer.drawing());
  const std::array<QLabel*, 4> values{ deltaH, deltaG, deltaS, logK };
  if (!m_thermo || !arrow) {
    for (QLabel* value : values)
      value->hide();
    StatusMsg->clear();
    return;
  }
  const ReactionResult r = analyseReaction(*arrow, *m_thermo, m_T, m_P);
  deltaH->setText(text(r.dHText));
  deltaG->setText(text(r.dGText));
  deltaS->setText(text(r.dSText));
  // At 0 K log K is undefined: the core writes "undefined" rather than a number.
  logK->setText(text(r.logKText));
  // A species no source serves leaves the reaction without numbers: the message names it.
  for (QLabel* value : values)
    value->setVisible(r.balanced && r.noData.empty());
  std::string sources = r.sources;
  for (const ReactionSpecies& sp : m_thermo->species()) {
    if (sp.sourceAt(m_T) != ThermoSource::ReferenceData)
      sources += "\n" + speciesSourceText(sp, m_T);
  }
  SourcesMsg->setText(text(sources));
  StatusMsg->setText(text(r.status));
  // A balanced reaction with ΔH or ΔG about 0 has no verdict: the previous text stays.
  if (!r.balanced || !r.message.empty())
    ReactionMsg->setText(text(r.message));
}

void TReactionTool::report()
{
  const tDrawing& drawing = m_layer.drawing();
  if (drawing.Atoms.Count() == 0 && drawing.Bonds.Count() == 0 && drawing.Symbols->Count() == 0) {
    showMessage("Nothing to Report", "", MessageIcon::Information);
    return;
  }
  bool copied = false;
  // The report's lines are text labels of the document while it is copied: the frame takes them
  // in.
  m_layer.Report(m_T, m_P, [&copied](tDrawing& d) {
    QStringList lines;
    for (const tLAtm* line : d.reportLines)
      if (line)
        lines << QString::fromStdString(std::string(line->symbol.str()));
    copied = copyFrameToClipboard(d, lines);
  });
  // The report is drawn in black: the current reactant is highlighted again.
  m_layer.HighlightReactant(currentReactant());
  if (copied)
    ReactionMsg->setText(QStringLiteral("Report copied to clipboard"));
}

void TReactionTool::plot()
{
  const tArrow* arrow = reactionArrow(m_layer.drawing());
  if (!m_thermo || !arrow)
    return;
  if (!m_plot)
    m_plot = new TReactionPlot(this);
  m_plot->setCurve(reactionCurve(*arrow, *m_thermo, m_P));
  m_plot->show();
}

void TReactionTool::finish()
{
  m_open = false;
  m_layer.removeObserver(this);
  m_thermo.reset();
  m_layer.CloseReactionView(m_savedDisplay);
}

void TReactionTool::done(int result)
{
  if (m_open)
    finish();
  QDialog::done(result);
}

void TReactionTool::documentReplaced()
{
  // The species belonged to the document that went.
  takeUpDocument();
}

} // namespace trelvix
