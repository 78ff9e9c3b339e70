#include "app/metric_tool.h"

#include "app/tool_placement.h"
#include "commands/command_layer.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace trelvix {

namespace {

/// The tool's help page; it leads on to the page of the four choices.
constexpr int toolHelp = 126;

QRadioButton* choice(QWidget* owner, const char* caption, const char* name)
{
  auto* button = new QRadioButton(QString::fromLatin1(caption), owner);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

/// No button of the group checked (an exclusive group keeps one otherwise).
void clearCheck(QButtonGroup& group)
{
  group.setExclusive(false);
  for (QAbstractButton* button : group.buttons())
    button->setChecked(false);
  group.setExclusive(true);
}

} // namespace

TMetricTool::TMetricTool(CommandLayer& layer, QWidget* parent)
  : ToolWindow(parent, toolHelp)
  , m_layer(layer)
  , m_kinds(new QButtonGroup(this))
  , RBBondLength(choice(this, "Bond Length", "RBBondLength"))
  , RBBondAngle(choice(this, "Bond Angle", "RBBondAngle"))
  , RBTorsionAngle(choice(this, "Torsion Angle", "RBTorsionAngle"))
  , RBDistance(choice(this, "Distance", "RBDistance"))
  , m_value(new QLabel(this))
{
  m_value->setObjectName(QStringLiteral("MeasuredValue"));
  m_value->setAlignment(Qt::AlignCenter);
  setWindowTitle(QStringLiteral("Measurements"));
  auto* box = new QGroupBox(this);
  auto* column = new QVBoxLayout(box);
  const std::array<std::pair<QRadioButton*, MeasureKind>, 4> kinds{ {
    { RBBondLength, MeasureKind::BondLength },
    { RBBondAngle, MeasureKind::BondAngle },
    { RBTorsionAngle, MeasureKind::TorsionAngle },
    { RBDistance, MeasureKind::Distance },
  } };
  for (const auto& [button, kind] : kinds) {
    button->setParent(box);
    column->addWidget(button);
    m_kinds->addButton(button, static_cast<int>(kind));
  }

  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TMetricTool::Button2Click);
  // However it closes, the measurement ends before the main window goes back to drawing.
  connect(this, &ToolWindow::closed, this, [this] { m_layer.closeMeasurements(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(m_value);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMetricTool::open()
{
  m_layer.openMeasurements();
  // The first choice the document offers is checked afresh each time the tool opens.
  clearCheck(*m_kinds);
  m_value->clear();
  showAvailable();
  showBesideOwner(this);
}

void TMetricTool::showAvailable()
{
  const MetricKinds offered = m_layer.availableMeasurements();
  for (QAbstractButton* button : m_kinds->buttons())
    button->setEnabled(offered.has(static_cast<MeasureKind>(m_kinds->id(button))));
  QAbstractButton* checked = m_kinds->checkedButton();
  if (checked && checked->isEnabled())
    return;
  clearCheck(*m_kinds);
  for (QAbstractButton* button : m_kinds->buttons()) {
    if (button->isEnabled()) {
      button->setChecked(true);
      return;
    }
  }
}

std::optional<MeasureKind> TMetricTool::checkedKind() const
{
  const int id = m_kinds->checkedId();
  if (id < 0)
    return std::nullopt;
  return static_cast<MeasureKind>(id);
}

CommandResult TMetricTool::measureAt(double x, double y)
{
  // The document may have changed since the tool opened (keys still edit it).
  showAvailable();
  const std::optional<MeasureKind> kind = checkedKind();
  if (!kind)
    return {};
  CommandResult result = m_layer.measureAt(*kind, x, y);
  if (!result.measurement.empty())
    m_value->setText(QString::fromStdString(result.measurement));
  return result;
}

void TMetricTool::Button2Click()
{
  close();
}

void TMetricTool::keyPressEvent(QKeyEvent* event)
{
  if (event->key() == Qt::Key_Escape)
    Button2Click();
  else
    ToolWindow::keyPressEvent(event);
}

} // namespace trelvix
