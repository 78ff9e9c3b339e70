#include "app/status_line.h"

#include "app/menu_bars.h"
#include "commands/command_layer.h"
#include "document/code_table.h"
#include "model/atom.h"
#include "model/defaults.h"
#include "model/element_table.h"

#include <QLabel>

namespace trelvix {

namespace {

/// Elements picked in the atom editor arm 800 + their number.
constexpr int elementCodes = 800;
/// Ångström = drawing units × 1.53 / S.
constexpr double angstromPerScale = 1.53;

} // namespace

QString armedCaption(std::uint16_t code, bool placementArmed)
{
  if (placementArmed)
    return QStringLiteral("Molecule from SMILES");
  if (code == 0)
    return QStringLiteral("Nothing armed");
  if (code > elementCodes && code <= elementCodes + maxElement)
    return QStringLiteral("Element %1")
      .arg(QString::fromLatin1(elementData(code - elementCodes).symbol));
  for (const BuildCodeItem& item : buildCodeItems()) {
    if (item.code != code || !item.caption)
      continue;
    QString path = item.menuPath ? QString::fromUtf8(item.menuPath) : QString();
    path.replace(QLatin1Char('/'), QStringLiteral(" > "));
    const QString caption = withoutAccessKeys(QString::fromUtf8(item.caption));
    return path.isEmpty() ? caption : withoutAccessKeys(path) + QStringLiteral(" > ") + caption;
  }
  return QStringLiteral("Code %1").arg(code);
}

StatusLine::StatusLine(QWidget* parent)
  : QStatusBar(parent)
  , m_armed(new QLabel(this))
  , m_pointer(new QLabel(this))
{
  m_armed->setObjectName(QStringLiteral("Armed"));
  m_pointer->setObjectName(QStringLiteral("UnderPointer"));
  addPermanentWidget(m_pointer);
  addPermanentWidget(m_armed);
  m_armed->setText(QStringLiteral("Nothing armed"));
}

void StatusLine::showArmed(const CommandLayer& layer)
{
  m_armed->setText(armedCaption(layer.pendingBuildCode(), layer.placementArmed()));
}

void StatusLine::showUnderPointer(const tXY* atom)
{
  if (!atom) {
    m_pointer->clear();
    return;
  }
  const double toAngstrom = angstromPerScale / bondScale();
  QString what = QString::fromStdString(atom->symbol.str());
  if (atom->isatom()) {
    what += QStringLiteral("  charge %1  H %2").arg(int(atom->charge)).arg(atom->mult());
    what += QStringLiteral("  (%1, %2, %3) Å")
              .arg(atom->x3 * toAngstrom, 0, 'f', 2)
              .arg(atom->y3 * toAngstrom, 0, 'f', 2)
              .arg(atom->z3 * toAngstrom, 0, 'f', 2);
  }
  m_pointer->setText(what);
}

QString StatusLine::armedText() const
{
  return m_armed->text();
}

QString StatusLine::pointerText() const
{
  return m_pointer->text();
}

} // namespace trelvix
