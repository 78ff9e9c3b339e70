#include "app/periodic_table.h"

#include "app/drawing_surface.h"
#include "app/editor_text.h"
#include "app/element_cell.h"
#include "commands/command_layer.h"
#include "model/atom.h"
#include "model/element_table.h"

#include <QCursor>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace trelvix {

namespace {

/// F1 shows the atom editor's page.
constexpr int atomEditorHelp = 118;

/// A run of consecutive elements side by side in one row of the table; rows and columns count
/// from 1 as the table is read. Row 8 stays free for "Done"; the lanthanides and actinides
/// fill rows 9 and 10 under the transition metals.
struct CellRun
{
  int first;
  int count;
  int row;
  int column;
};

constexpr std::array<CellRun, 13> cellRuns{ {
  { 1, 1, 1, 1 },    // H
  { 2, 1, 1, 18 },   // He
  { 3, 2, 2, 1 },    // Li Be
  { 5, 6, 2, 13 },   // B .. Ne
  { 11, 2, 3, 1 },   // Na Mg
  { 13, 6, 3, 13 },  // Al .. Ar
  { 19, 18, 4, 1 },  // K .. Kr
  { 37, 18, 5, 1 },  // Rb .. Xe
  { 55, 3, 6, 1 },   // Cs Ba La
  { 72, 15, 6, 4 },  // Hf .. Rn
  { 87, 3, 7, 1 },   // Fr Ra Ac
  { 58, 14, 9, 4 },  // Ce .. Lu
  { 90, 14, 10, 4 }, // Th .. Lr
} };

/// The gap between neighbouring cells, pixels.
constexpr int cellGap = 2;
/// "Done" lies in this row, under the seventh.
constexpr int doneRow = 8;
/// How far right of the atom the window opens, pixels.
constexpr int besideAtom = 25;

} // namespace

TPeriodicTable::TPeriodicTable(CommandLayer& layer, QWidget* parent)
  : ToolWindow(parent, atomEditorHelp)
  , m_layer(layer)
{
  setWindowTitle(QStringLiteral("Periodic Table"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  m_edit1 = new QLineEdit(this);
  m_edit1->setObjectName(QStringLiteral("Edit1"));
  m_edit1->setMaxLength(editorTextLength);
  connect(m_edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (m_opening == Opening::Edit && m_layer.editedAtom())
      m_layer.SetAtomText(documentText(text));
  });
  connect(m_edit1, &QLineEdit::returnPressed, this, &TPeriodicTable::done);

  m_grid = new QWidget(this);
  m_done = new QPushButton(QStringLiteral("Done"), m_grid);
  connect(m_done, &QPushButton::clicked, this, &TPeriodicTable::done);
  createCells();
  arrange(Opening::Add);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_edit1);
  layout->addWidget(m_grid);
  // A single border: the window keeps the size of its cell grid.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPeriodicTable::createCells()
{
  m_cells.resize(maxElement);
  int side = m_done->sizeHint().height();
  for (const CellRun& run : cellRuns) {
    for (int i = 0; i < run.count; ++i) {
      auto* cell = new telement(run.first + i, m_grid);
      connect(cell, &telement::clicked, this, &TPeriodicTable::cellClicked);
      side = std::max({ side, cell->sizeHint().width(), cell->sizeHint().height() });
      m_cells[static_cast<std::size_t>(run.first + i - 1)] = cell;
    }
  }
  m_pitch = side + cellGap;
  for (const CellRun& run : cellRuns) {
    for (int i = 0; i < run.count; ++i) {
      telement* cell = m_cells[static_cast<std::size_t>(run.first + i - 1)];
      cell->resize(side, side);
      cell->baseTop = static_cast<std::int16_t>((run.row - 1) * m_pitch);
      // Branching keeps the cells where adding has them, so an element is found at the same
      // place however the table was opened.
      cell->verticalShift = 0;
      cell->move((run.column - 1 + i) * m_pitch, cell->baseTop);
    }
  }
  m_done->setGeometry(
    0, (doneRow - 1) * m_pitch, std::max(m_done->sizeHint().width(), 3 * m_pitch - cellGap), side);
}

void TPeriodicTable::arrange(Opening opening)
{
  m_opening = opening;
  QRect occupied = m_done->geometry();
  for (telement* cell : m_cells) {
    const int shift = opening == Opening::Branch ? cell->verticalShift : 0;
    cell->move(cell->x(), cell->baseTop + shift);
    occupied |= cell->geometry();
  }
  m_grid->setFixedSize(occupied.right() + 1, occupied.bottom() + 1);
}

void TPeriodicTable::openOnAtom()
{
  if (!m_layer.editedAtom())
    return;
  arrange(Opening::Edit);
  showAtomText();
  placeBesideAtom();
  show();
  raise();
}

void TPeriodicTable::openForPlacement()
{
  arrange(m_layer.atomPlacement() == AtomPlacement::Branch ? Opening::Branch : Opening::Add);
  m_edit1->clear();
  show();
  raise();
}

void TPeriodicTable::cellClicked(int z)
{
  m_layer.chooseElement(z);
  if (m_opening == Opening::Edit)
    showAtomText();
}

void TPeriodicTable::showAtomText()
{
  if (const tXY* atom = m_layer.editedAtom())
    m_edit1->setText(QString::fromStdString(atom->symbol.str()));
}

void TPeriodicTable::placeBesideAtom()
{
  const tXY* atom = m_layer.editedAtom();
  // The atom's position is in drawing units: the surface's view places it in pixels.
  QPoint point(atom->screenX, atom->screenY);
  auto* main = qobject_cast<QMainWindow*>(parentWidget());
  if (auto* surface = main ? qobject_cast<DrawingSurface*>(main->centralWidget()) : nullptr)
    point = surface->mapToGlobal(surface->toSurface(QPointF(point)).toPoint());
  else if (main && main->centralWidget())
    point = main->centralWidget()->mapToGlobal(point);
  else if (parentWidget())
    point = parentWidget()->mapToGlobal(point);
  QCursor::setPos(point);
  move(point + QPoint(besideAtom, 0));
}

void TPeriodicTable::done()
{
  if (m_opening == Opening::Edit && m_layer.editedAtom())
    m_layer.SetAtomText(documentText(m_edit1->text()));
  hide();
  emit closed();
}

} // namespace trelvix
