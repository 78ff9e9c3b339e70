#include "app/import_dialog.h"

#include "app/comments_form.h"
#include "app/document_picture.h"
#include "document/drawing.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelvix {

namespace {

const QStringList documentMask{ QStringLiteral("*.tvx") };

bool isDocumentName(const QString& name)
{
  return name.toUpper().contains(QStringLiteral(".TVX"));
}

} // namespace

TImportDialog::TImportDialog(QWidget* parent)
  : QDialog(parent)
  , m_name(new QLineEdit(QStringLiteral("*.tvx"), this))
  , m_path(new QLabel(this))
  , m_folders(new QListWidget(this))
  , m_files(new QListWidget(this))
  , m_picture(new QLabel(this))
  , m_notes(new QPushButton(QStringLiteral("Notes"), this))
  , m_comments(new TCommentsForm(this))
{
  setWindowTitle(QStringLiteral("ImportDialog"));
  m_name->setReadOnly(true);
  m_path->setWordWrap(true);
  m_folders->setMinimumWidth(120);
  m_files->setMinimumWidth(120);

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setFixedSize(previewWidth + 2, previewHeight + 2);
  m_picture->setParent(panel);
  m_picture->setGeometry(1, 1, previewWidth, previewHeight);
  m_picture->setAlignment(Qt::AlignCenter);
  m_picture->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(m_notes, QDialogButtonBox::ActionRole);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Filename:"), this), 0, 0);
  grid->addWidget(m_name, 0, 1, 1, 2);
  grid->addWidget(m_path, 1, 0, 1, 2);
  grid->addWidget(m_folders, 2, 0);
  grid->addWidget(m_files, 2, 1);
  grid->addWidget(panel, 0, 2, 3, 1, Qt::AlignTop);
  grid->addWidget(buttons, 3, 0, 1, 3);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_files, &QListWidget::currentRowChanged, this, &TImportDialog::chooseHighlighted);
  connect(m_files, &QListWidget::itemDoubleClicked, this, [this] {
    chooseHighlighted();
    if (!m_chosen.isEmpty())
      accept();
  });
  connect(m_folders, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    enterFolder(item->text());
  });
  connect(m_notes, &QPushButton::clicked, this, [this] {
    if (m_preview)
      m_comments->showComments(*m_preview);
  });
  connect(m_comments, &TCommentsForm::helpRequested, this, &TImportDialog::helpRequested);

  setFolder(QDir::currentPath());
}

TImportDialog::~TImportDialog() = default;

std::optional<QString> TImportDialog::chooseFile()
{
  if (exec() != QDialog::Accepted || m_chosen.isEmpty())
    return std::nullopt;
  return m_chosen;
}

void TImportDialog::setFolder(const QString& folder)
{
  const QDir dir(folder);
  m_folder = dir.absolutePath();
  m_path->setText(QDir::toNativeSeparators(m_folder));

  m_folders->clear();
  if (!dir.isRoot())
    m_folders->addItem(QStringLiteral(".."));
  m_folders->addItems(
    dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

  // The mask matches whatever the case of the extension, as the document names are compared.
  const QSignalBlocker block(m_files);
  m_files->clear();
  m_files->addItems(dir.entryList(documentMask, QDir::Files, QDir::Name | QDir::IgnoreCase));

  m_chosen.clear();
  m_preview.reset();
  m_name->setText(QStringLiteral("*.tvx"));
  if (m_files->count() > 0) {
    m_files->setCurrentRow(0);
    chooseHighlighted();
  } else {
    showPreview();
  }
}

void TImportDialog::showEvent(QShowEvent* event)
{
  // The folder may have changed since the window was last shown.
  setFolder(m_folder);
  QDialog::showEvent(event);
  m_folders->setFocus();
}

void TImportDialog::enterFolder(const QString& name)
{
  setFolder(QDir(m_folder).absoluteFilePath(name));
}

void TImportDialog::chooseHighlighted()
{
  const QListWidgetItem* item = m_files->currentItem();
  if (!item || !isDocumentName(item->text()))
    return;
  m_chosen = QDir(m_folder).absoluteFilePath(item->text());
  m_name->setText(item->text());
  PreviewDocument read = readPreviewDocument(m_chosen.toStdString());
  m_preview = std::move(read.drawing);
  showPreview();
  if (!m_preview)
    m_picture->setText(QString::fromStdString(read.message));
}

void TImportDialog::showPreview()
{
  m_notes->setEnabled(m_preview != nullptr);
  if (!m_preview) {
    m_previewImage = QImage();
    m_picture->setPixmap(QPixmap());
    m_picture->setText({});
    return;
  }
  m_previewImage = centredPicture(*m_preview, previewWidth, previewHeight);
  if (m_previewImage.isNull())
    m_picture->setText(QStringLiteral("Arithmetic overflow"));
  else
    m_picture->setPixmap(QPixmap::fromImage(m_previewImage));
}

} // namespace trelvix
