#include "app/group_editor.h"

#include "app/group_pictures.h"
#include "app/spring_slider.h"
#include "app/tool_placement.h"
#include "commands/command_layer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <optional>

namespace trelvix {

namespace {

/// The values a slider spans.
struct Range
{
  int minimum;
  int maximum;
};

/// What each slider does in one mode (no edit: the slider is disabled), the ranges of the first
/// slider without and with "Fine", the factor from slider position to edit value, and the
/// picture (index into Image1..Image5) over the first slider.
struct ModeRow
{
  std::array<std::optional<EditorEdit>, 3> edits;
  Range normal;
  Range fine;
  double scale;
  int firstPicture;
};

// In RadioGroup1's order.
const std::array<ModeRow, 4> modeTable{ {
  // "Atom"
  { { EditorEdit::GroupPivotAtom, EditorEdit::GroupPivotAtomY, EditorEdit::GroupPivotAtomX },
    { -180, 180 },
    { -30, 30 },
    1,
    0 },
  // "Bond"
  { { EditorEdit::GroupBondPivot, std::nullopt, std::nullopt }, { -90, 90 }, { -30, 30 }, 1, 4 },
  // "Rotate"
  { { EditorEdit::GroupRotate, EditorEdit::GroupTurn, EditorEdit::GroupTilt },
    { -180, 180 },
    { -30, 30 },
    1,
    0 },
  // "Zoom": percent, at rest 100, a factor of 1
  { { EditorEdit::GroupZoom, std::nullopt, std::nullopt }, { 50, 150 }, { 90, 110 }, 0.01, 3 },
} };

// The second and third sliders keep these ranges (they are disabled where the first differs).
constexpr Range otherNormal{ -180, 180 };
constexpr Range otherFine{ -30, 30 };

struct SliderItem
{
  const char* name;
  const char* hint;
  int singleStep;
};
const std::array<SliderItem, 3> sliderTable{ {
  { "ScrollBar1", "Rotate or bond pivot", 3 },
  { "ScrollBar2", "Turn group", 5 },
  { "ScrollBar3", "Tilt group", 5 },
} };

struct PictureItem
{
  GroupPicture picture;
  const char* hint;
};
// Image1 to Image5.
const std::array<PictureItem, 5> pictureTable{ {
  { GroupPicture::Rotate, "Rotate around center or pivot point" },
  { GroupPicture::Turn, "Turn around pivot center or pivot atom" },
  { GroupPicture::Tilt, "Tilt around center or pivot point" },
  { GroupPicture::Zoom, "Zoom selected group" },
  { GroupPicture::Pivot, "Pivot around bond" },
} };

// The slider each picture stands over: Image1, Image4 and Image5 share the first.
constexpr std::array<std::size_t, 5> pictureColumn{ 0, 1, 2, 0, 0 };

constexpr int startMode = 2;      // "Rotate"
constexpr int numberingGroup = 1; // RadioGroup2's "Group"

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint)
{
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setToolTip(QString::fromUtf8(hint));
  return b;
}

/// A box of radio buttons with captions, ids from 0; checked is the one chosen at start.
QGroupBox* radioGroup(QWidget* parent,
                      QButtonGroup* group,
                      const char* name,
                      const char* hint,
                      std::initializer_list<const char*> captions,
                      int checked)
{
  auto* box = new QGroupBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setToolTip(QString::fromUtf8(hint));
  auto* layout = new QVBoxLayout(box);
  int id = 0;
  for (const char* caption : captions) {
    auto* choice = new QRadioButton(QString::fromUtf8(caption), box);
    group->addButton(choice, id++);
    layout->addWidget(choice);
  }
  group->button(checked)->setChecked(true);
  return box;
}

} // namespace

TGroupEditor::TGroupEditor(CommandLayer& layer, QWidget* parent)
  : ToolWindow(parent)
  , m_layer(layer)
  , m_mode(new QButtonGroup(this))
  , m_numbering(new QButtonGroup(this))
  , m_fine(new QCheckBox(QStringLiteral("Fine"), this))
{
  setWindowTitle(QStringLiteral("Group Editor"));

  auto* sliders = new QGridLayout;
  for (std::size_t i = 0; i < pictureTable.size(); ++i) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    picture->setPixmap(groupPicture(pictureTable[i].picture, devicePixelRatioF()));
    picture->setToolTip(QString::fromUtf8(pictureTable[i].hint));
    picture->setAlignment(Qt::AlignCenter);
    // A hidden picture keeps its place, so the sliders stay put when the mode changes.
    QSizePolicy policy = picture->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    picture->setSizePolicy(policy);
    m_pictures[i] = picture;
  }
  for (std::size_t i = 0; i < m_pictures.size(); ++i)
    sliders->addWidget(m_pictures[i], 0, static_cast<int>(pictureColumn[i]));

  for (std::size_t i = 0; i < m_sliders.size(); ++i) {
    auto* slider = new QSlider(Qt::Vertical, this);
    slider->setObjectName(QString::fromUtf8(sliderTable[i].name));
    slider->setToolTip(QString::fromUtf8(sliderTable[i].hint));
    slider->setSingleStep(sliderTable[i].singleStep);
    slider->setMinimumHeight(160);
    const int index = static_cast<int>(i);
    makeSpringSlider(
      slider,
      [this, index](int position) { track(index, position); },
      [this] { m_layer.Edit(EditorEdit::GroupSliderEnd); });
    sliders->addWidget(slider, 1, index, Qt::AlignHCenter);
    m_sliders[i] = slider;
  }

  auto* modes = radioGroup(this,
                           m_mode,
                           "RadioGroup1",
                           "Select pivot atom, pivot bond, rotate or zoom",
                           { "Atom", "Bond", "Rotate", "Zoom" },
                           startMode);
  auto* numbering = radioGroup(this,
                               m_numbering,
                               "RadioGroup2",
                               "Number relative to drawing or group",
                               { "Drawing", "Group" },
                               numberingGroup);
  m_fine->setObjectName(QStringLiteral("CheckBox1"));
  m_fine->setToolTip(QStringLiteral("Select normal or fine slider mode"));
  connect(m_mode, &QButtonGroup::idClicked, this, &TGroupEditor::arrangeSliders);
  connect(m_fine, &QCheckBox::toggled, this, &TGroupEditor::arrangeSliders);

  auto* number = button(this, "NumberButton", "Number", "Number selected group");
  auto* font = button(this, "FontButton", "Font", "Change group font");
  auto* clone = button(this, "CloneButton", "Clone", "Duplicate group");
  auto* remove = button(this, "DeleteButton1", "Delete", "Delete group");
  auto* fuse = button(this, "FuseButton", "Fuse", "Fuse atoms  and bonds into group");
  auto* line = button(this, "LineButton", "Line", "Toggle line thickness");
  auto* done = button(this, "OKButton1", "Done", "");
  connect(number, &QPushButton::clicked, this, [this] {
    m_layer.Edit(EditorEdit::GroupNumber, m_numbering->checkedId() == numberingGroup ? 1 : 0);
  });
  connect(font, &QPushButton::clicked, this, [this] {
    if (m_layer.editedGroup())
      emit fontRequested();
  });
  connect(clone, &QPushButton::clicked, this, [this] { m_layer.Edit(EditorEdit::GroupClone); });
  connect(remove, &QPushButton::clicked, this, &TGroupEditor::deleteGroup);
  connect(fuse, &QPushButton::clicked, this, [this] { m_layer.Edit(EditorEdit::GroupFuse); });
  connect(line, &QPushButton::clicked, this, [this] { m_layer.Edit(EditorEdit::GroupLine); });
  connect(done, &QPushButton::clicked, this, &TGroupEditor::finish);

  auto* buttons = new QGridLayout;
  const std::array<QPushButton*, 6> gridButtons{ number, font, clone, remove, fuse, line };
  for (std::size_t i = 0; i < gridButtons.size(); ++i)
    buttons->addWidget(gridButtons[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
  buttons->addWidget(done, 3, 0, 1, 2);

  auto* right = new QVBoxLayout;
  right->addWidget(modes);
  right->addWidget(numbering);
  right->addWidget(m_fine);
  right->addLayout(buttons);
  right->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(sliders);
  layout->addLayout(right);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  arrangeSliders();
}

void TGroupEditor::open()
{
  // A window already open keeps the user's choice when it takes another group.
  if (!isVisible()) {
    m_mode->button(startMode)->setChecked(true);
    arrangeSliders();
  }
  showBesideOwner(this);
}

void TGroupEditor::arrangeSliders()
{
  const ModeRow& row = modeTable.at(static_cast<std::size_t>(m_mode->checkedId()));
  const bool fine = m_fine->isChecked();
  for (std::size_t i = 0; i < m_sliders.size(); ++i) {
    QSlider* slider = m_sliders[i];
    const Range range = i == 0 ? (fine ? row.fine : row.normal) : (fine ? otherFine : otherNormal);
    slider->setRange(range.minimum, range.maximum);
    slider->setValue(restPosition(*slider));
    slider->setEnabled(row.edits[i].has_value());
  }
  // The first slider's picture says what it does; the others show over the sliders in use.
  for (std::size_t i = 0; i < m_pictures.size(); ++i) {
    const std::size_t column = pictureColumn[i];
    m_pictures[i]->setVisible(column == 0 ? static_cast<int>(i) == row.firstPicture
                                          : m_sliders[column]->isEnabled());
  }
}

void TGroupEditor::track(int index, int position)
{
  const ModeRow& row = modeTable.at(static_cast<std::size_t>(m_mode->checkedId()));
  if (const auto edit = row.edits.at(static_cast<std::size_t>(index)))
    m_layer.Edit(*edit, row.scale * position);
}

void TGroupEditor::deleteGroup()
{
  if (!m_layer.editedGroup())
    return;
  if (m_layer.Edit(EditorEdit::GroupDelete).changed)
    finish();
}

void TGroupEditor::finish()
{
  hide();
  emit closed();
}

} // namespace trelvix
