#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace trelvix {

class TCommentsForm;
class tDrawing;

/// The file chooser of Open: a folder list, the list of the folder's document files (*.tvx), a
/// 320 × 240 preview of the highlighted document with its centre of gravity in the middle,
/// "Notes" for the comments of the previewed document, OK and Cancel.
class TImportDialog : public QDialog
{
  Q_OBJECT

public:
  static constexpr int previewWidth = 318;
  static constexpr int previewHeight = 238;

  explicit TImportDialog(QWidget* parent = nullptr);
  ~TImportDialog() override;

  /// Runs the window modally; the chosen document file on OK, nothing on Cancel or when the
  /// folder holds no document.
  std::optional<QString> chooseFile();

  /// Shows folder: its subfolders and its document files.
  void setFolder(const QString& folder);
  QString folder() const { return m_folder; }
  /// The highlighted document file (full path), empty when none.
  QString chosenFile() const { return m_chosen; }
  /// The preview as drawn last.
  QImage previewImage() const { return m_previewImage; }

  QListWidget* folderList() const { return m_folders; }
  QListWidget* fileList() const { return m_files; }
  TCommentsForm* commentsForm() const { return m_comments; }

signals:
  /// "Help" in the comments window was pressed.
  void helpRequested();

protected:
  void showEvent(QShowEvent* event) override;

private:
  void chooseHighlighted();
  void enterFolder(const QString& name);
  void showPreview();

  QString m_folder;
  QString m_chosen;
  std::unique_ptr<tDrawing> m_preview;
  QImage m_previewImage;
  QLineEdit* m_name;
  QLabel* m_path;
  QListWidget* m_folders;
  QListWidget* m_files;
  QLabel* m_picture;
  QPushButton* m_notes;
  TCommentsForm* m_comments;
};

} // namespace trelvix
