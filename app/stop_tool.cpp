#include "app/stop_tool.h"

#include "app/tool_placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelvix {

TStopTool::TStopTool(QWidget* parent)
  : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
  , m_energy(new QLabel(this))
{
  setWindowTitle(QString::fromUtf8(StopTool::caption));
  setModal(false);
  m_energy->setObjectName(QStringLiteral("lblEnergy"));
  m_energy->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_energy->setMinimumWidth(
    m_energy->fontMetrics().horizontalAdvance(QStringLiteral("-0000000.00")));

  auto* values = new QHBoxLayout;
  values->addWidget(new QLabel(QString::fromUtf8(StopTool::strainLabel), this));
  values->addWidget(m_energy, 1);
  values->addWidget(new QLabel(QString::fromUtf8(StopTool::unitLabel), this));

  auto* stop = new QPushButton(QString::fromUtf8(StopTool::stopCaption), this);
  stop->setDefault(true);
  connect(stop, &QPushButton::clicked, this, &TStopTool::StopBitBtn1Click);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(values);
  layout->addWidget(stop);
  setFixedSize(sizeHint().expandedTo(QSize(220, 0)));
}

void TStopTool::FormShow()
{
  m_state.FormShow();
  m_energy->clear();
  // Beside the main window, never over its menu bar or the drawing being optimised.
  showBesideOwner(this);
}

void TStopTool::finish()
{
  m_state.hide();
  hide();
}

void TStopTool::refresh(double energy)
{
  m_energy->setText(QString::fromStdString(m_state.lblEnergy()).trimmed());
  emit energyShown(energy);
}

QString TStopTool::energyText() const
{
  return m_energy->text();
}

void TStopTool::StopBitBtn1Click()
{
  m_state.StopBitBtn1Click();
  hide();
}

void TStopTool::reject()
{
  // Escape or the close box: the same as Stop, so a run never goes on without its window.
  StopBitBtn1Click();
}

} // namespace trelvix
