#include "app/settings_form.h"

#include "model/defaults.h"
#include "platform/shell.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace trelvix {

namespace {

struct Jump
{
  std::int16_t x;
  std::int16_t y;
};

constexpr std::array<Jump, 5> jumps{ { { 2, 2 }, { 4, 3 }, { 8, 6 }, { 16, 12 }, { 32, 24 } } };

const QStringList scaleCaptions{ "50", "75", "100", "125", "150", "175", "200" };
const QStringList jumpCaptions{ " 2", " 4", " 8", " 16", " 32" };
const QStringList lineCaptions{ "  0", "  1", "  2", "  3" };

/// A titled box of radio buttons whose ids are their positions.
QButtonGroup* radioGroup(QWidget* owner,
                         QLayout* into,
                         const QString& title,
                         const QStringList& items)
{
  auto* box = new QGroupBox(title, owner);
  auto* column = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], box);
    group->addButton(button, i);
    column->addWidget(button);
  }
  column->addStretch();
  into->addWidget(box);
  return group;
}

/// Checks the button with id, or none when id is -1.
void checkOnly(QButtonGroup* group, int id)
{
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons())
    button->setChecked(group->id(button) == id);
  group->setExclusive(true);
}

} // namespace

TSettingsForm::TSettingsForm(DefaultsRecord& record,
                             std::string path,
                             SettingsActions actions,
                             QWidget* parent)
  : QDialog(parent)
  , m_record(record)
  , m_path(std::move(path))
  , m_actions(std::move(actions))
{
  setWindowTitle(QStringLiteral("Settings"));
  auto* groups = new QHBoxLayout;
  m_scale = radioGroup(this, groups, QStringLiteral("Scale"), scaleCaptions);
  m_jump = radioGroup(this, groups, QStringLiteral("Jump"), jumpCaptions);
  m_line = radioGroup(this, groups, QStringLiteral("Line"), lineCaptions);

  // Today's editors undo many steps with a Redo beside Undo; the classic item undoes one step
  // and then redoes it. The choices stand one above the other on the buttons' row, so the window
  // keeps its width.
  m_oneLevelUndo = new QCheckBox(QStringLiteral("One-level Undo"), this);
  m_oneLevelUndo->setToolTip(QStringLiteral("A second Undo redoes; there is no Redo item"));
  // Off at first: the drawings stay black, as printed journals want them.
  m_elementColours = new QCheckBox(QStringLiteral("Colour by Element"), this);
  m_elementColours->setToolTip(
    QStringLiteral("Element symbols and bond halves of the 2D styles in the element's colour"));
  auto* done = new QPushButton(QStringLiteral("Done"), this);
  auto* font = new QPushButton(QStringLiteral("Font"), this);
  done->setDefault(true);
  auto* buttons = new QHBoxLayout;
  auto* choices = new QVBoxLayout;
  choices->addWidget(m_oneLevelUndo);
  choices->addWidget(m_elementColours);
  buttons->addLayout(choices);
  buttons->addStretch();
  buttons->addWidget(font);
  buttons->addWidget(done);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);

  connect(m_scale, &QButtonGroup::idClicked, this, &TSettingsForm::chooseScale);
  connect(m_jump, &QButtonGroup::idClicked, this, &TSettingsForm::chooseJump);
  connect(m_line, &QButtonGroup::idClicked, this, &TSettingsForm::chooseLine);
  connect(font, &QPushButton::clicked, this, &TSettingsForm::chooseFont);
  connect(m_oneLevelUndo, &QCheckBox::toggled, this, [this](bool on) {
    if (on == oneLevelUndo(m_record))
      return;
    setOneLevelUndo(m_record, on);
    if (m_actions.setOneLevelUndo)
      m_actions.setOneLevelUndo(on);
    writeDefaults();
  });
  connect(m_elementColours, &QCheckBox::toggled, this, [this](bool on) {
    if (on == modelDefaults().ElementColours)
      return;
    setElementColours(m_record, on);
    if (m_actions.setElementColours)
      m_actions.setElementColours(on);
    writeDefaults();
  });
  connect(done, &QPushButton::clicked, this, [this] {
    writeDefaults();
    accept();
  });
}

void TSettingsForm::showEvent(QShowEvent* event)
{
  const ModelDefaults& d = modelDefaults();
  const int scale = d.BondScalePixels;
  checkOnly(m_scale, scale >= 14 && scale <= 56 && scale % 7 == 0 ? (scale - 14) / 7 : -1);
  checkOnly(m_line, d.LineWidth <= 3 ? d.LineWidth : -1);
  int jump = -1;
  for (std::size_t i = 0; i < jumps.size(); ++i) {
    if (jumps[i].x == d.JumpX)
      jump = static_cast<int>(i);
  }
  checkOnly(m_jump, jump);
  m_oneLevelUndo->setChecked(oneLevelUndo(m_record));
  m_elementColours->setChecked(modelDefaults().ElementColours);
  QDialog::showEvent(event);
}

void TSettingsForm::chooseScale(int index)
{
  ModelDefaults& d = modelDefaults();
  const std::uint16_t old = d.BondScalePixels;
  const std::uint16_t scale = scales[static_cast<std::size_t>(index)];
  d.BondScalePixels = scale;
  if (old != 0 && old != scale && m_actions.zoomDocument)
    m_actions.zoomDocument(static_cast<double>(scale) / old);
  writeDefaults();
}

void TSettingsForm::chooseJump(int index)
{
  ModelDefaults& d = modelDefaults();
  d.JumpX = jumps[static_cast<std::size_t>(index)].x;
  d.JumpY = jumps[static_cast<std::size_t>(index)].y;
}

void TSettingsForm::chooseLine(int index)
{
  modelDefaults().LineWidth = static_cast<std::uint8_t>(index);
  if (m_actions.setLineWidth)
    m_actions.setLineWidth(static_cast<std::uint8_t>(index));
}

void TSettingsForm::chooseFont()
{
  FontRecord font = modelDefaults().font;
  if (!m_actions.changeFont || !m_actions.changeFont(font))
    return;
  modelDefaults().font = font;
  if (m_actions.setFont)
    m_actions.setFont(font);
  writeDefaults();
}

void TSettingsForm::writeDefaults()
{
  storeDefaults(m_record);
  const DefaultsWriteResult written = saveDefaults(m_path, m_record);
  if (!written.ok)
    currentShell().message("The settings could not be saved in " + m_path + ": " + written.reason +
                             ". They stay in force until the program ends.",
                           {},
                           MessageIcon::Warning,
                           MessageButtons::Ok);
}

} // namespace trelvix
