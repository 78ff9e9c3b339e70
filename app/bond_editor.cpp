#include "app/bond_editor.h"

#include "app/bond_pictures.h"
#include "app/spring_slider.h"
#include "app/tool_placement.h"
#include "commands/command_layer.h"
#include "model/link.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace trelvix {

namespace {

/// F1 shows the bond editor's page.
constexpr int bondEditorHelp = 121;

// The scroll bar's functions, in the radio group's order: what dragging it does to the bond.
struct ScrollFunction
{
  const char* caption;
  EditorEdit edit;
};
const std::array<ScrollFunction, 3> scrollFunctions{ {
  { "Pivot", EditorEdit::BondPivot },
  { "Rotate", EditorEdit::BondRotate },
  { "Zoom", EditorEdit::BondZoom },
} };

constexpr int scrollRange = 90; // degrees or percent either way
constexpr int typePictures = 8; // the pictures that set a bond type; the ninth sets none
constexpr int pictureColumns = 3;

QPushButton* button(QWidget* parent, const char* caption, const char* hint)
{
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setToolTip(QString::fromUtf8(hint));
  return b;
}

} // namespace

TBondEditor::TBondEditor(CommandLayer& layer, QWidget* parent)
  : ToolWindow(parent, bondEditorHelp)
  , m_layer(layer)
  , m_scrollBar(new QScrollBar(Qt::Vertical, this))
  , m_scrollFunction(new QButtonGroup(this))
  , m_length(new QLabel(QStringLiteral("0.00Å"), this))
  , m_strain(new QLabel(QStringLiteral("0.00Kcal"), this))
{
  setWindowTitle(QStringLiteral("Bond Editor"));
  setToolTip(QStringLiteral("Select F1 for Help"));

  auto* pictures = new QGridLayout;
  pictures->setSpacing(2);
  for (int index = 1; index <= bondPictureCount; ++index) {
    auto* picture = new QToolButton(this);
    picture->setObjectName(QStringLiteral("Image%1").arg(index));
    picture->setIcon(bondPicture(index, devicePixelRatioF()));
    picture->setIconSize(bondPictureSize);
    picture->setToolTip(QStringLiteral("Select bond type "));
    if (index <= typePictures)
      connect(picture, &QToolButton::clicked, this, [this, index] {
        // Called with or without a bond: without one the layer says "No Bond Selected".
        edit(EditorEdit::BondType, index);
      });
    else
      picture->setEnabled(false);
    pictures->addWidget(picture, (index - 1) / pictureColumns, (index - 1) % pictureColumns);
  }

  auto* functions = new QGroupBox(this);
  functions->setObjectName(QStringLiteral("RadioGroup1"));
  functions->setToolTip(QStringLiteral("Select scroll function"));
  auto* functionLayout = new QVBoxLayout(functions);
  for (std::size_t i = 0; i < scrollFunctions.size(); ++i) {
    auto* choice = new QRadioButton(QString::fromUtf8(scrollFunctions[i].caption), functions);
    m_scrollFunction->addButton(choice, static_cast<int>(i));
    functionLayout->addWidget(choice);
  }
  m_scrollFunction->button(0)->setChecked(true);

  m_scrollBar->setObjectName(QStringLiteral("ScrollBar1"));
  m_scrollBar->setRange(-scrollRange, scrollRange);
  m_scrollBar->setValue(0);
  makeSpringSlider(
    m_scrollBar,
    [this](int position) { scrollTo(position); },
    [this] { edit(EditorEdit::BondScrollEnd); });

  const QString valuesHint = QStringLiteral("Bond length and strain energy");
  for (QLabel* label : { m_length, m_strain }) {
    label->setToolTip(valuesHint);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::StyledPanel);
    // Room for the widest value the 6:2 format gives, so the window keeps its size.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-9999.99Kcal")) +
                           8);
  }
  m_length->setObjectName(QStringLiteral("LengthLabel"));
  m_strain->setObjectName(QStringLiteral("StrainLabel"));

  auto* line = button(this, "Line", "Toggle line thickness");
  auto* cutButton = button(this, "Cut", "Delete bond and update atomic valences");
  auto* side = button(this, "<|>", "Shift multiple bond left, center and right");
  auto* done = button(this, "Done", "");
  connect(line, &QPushButton::clicked, this, [this] { edit(EditorEdit::BondLine); });
  connect(cutButton, &QPushButton::clicked, this, &TBondEditor::cut);
  connect(side, &QPushButton::clicked, this, [this] { edit(EditorEdit::BondSide); });
  connect(done, &QPushButton::clicked, this, &TBondEditor::finish);

  auto* buttons = new QGridLayout;
  buttons->addWidget(line, 0, 0);
  buttons->addWidget(cutButton, 0, 1);
  buttons->addWidget(side, 1, 0);
  buttons->addWidget(done, 1, 1);

  auto* values = new QVBoxLayout;
  values->addWidget(m_length);
  values->addWidget(m_strain);

  auto* controls = new QVBoxLayout;
  controls->addWidget(functions);
  controls->addLayout(buttons);
  controls->addLayout(values);
  controls->addStretch();

  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addLayout(pictures);
  left->addStretch();
  layout->addLayout(left);
  layout->addWidget(m_scrollBar);
  layout->addLayout(controls);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TBondEditor::open()
{
  showBondValues();
  showBesideOwner(this);
}

void TBondEditor::showBondValues()
{
  tLink* bond = m_layer.editedBond();
  if (!bond)
    return;
  // Pascal's 6:2: at least six characters wide, two decimals.
  m_length->setText(QString::asprintf("%6.2f", bond->Angstroms()) + QStringLiteral("Å"));
  // The bond energy is in cal/mol; the window shows kcal/mol.
  m_strain->setText(QString::asprintf("%6.2f", bond->energy() * 0.001) + QStringLiteral("Kcal"));
}

void TBondEditor::edit(EditorEdit edit, double value)
{
  m_layer.Edit(edit, value);
  showBondValues();
}

void TBondEditor::scrollTo(int position)
{
  edit(scrollFunctions.at(static_cast<std::size_t>(m_scrollFunction->checkedId())).edit, position);
}

void TBondEditor::cut()
{
  if (!m_layer.editedBond())
    return;
  if (m_layer.Edit(EditorEdit::BondCut).changed)
    finish();
}

void TBondEditor::finish()
{
  hide();
  emit closed();
}

} // namespace trelvix
