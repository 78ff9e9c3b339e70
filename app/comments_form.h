#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace trelvix {

class CommandLayer;
class QtShell;
class tDrawing;

/// The comments window "Comments": the document's title, author and notes. The fields hold what
/// the document file keeps (title 95, author 95, notes 319 bytes of UTF-8), so what is typed is
/// what is saved.
class TCommentsForm : public QDialog
{
  Q_OBJECT

public:
  struct Comments
  {
    std::string title;
    std::string author;
    std::string notes;
  };

  static constexpr int titleLength = 95;
  static constexpr int authorLength = 95;
  static constexpr int notesLength = 319;

  explicit TCommentsForm(QWidget* parent = nullptr);

  /// "Co&mments ...": edits the comments of the layer's document, the dialog run by the shell;
  /// OK stores them through the command layer. Returns the dialog's result.
  int editComments(CommandLayer& layer, QtShell& shell);
  /// The file chooser's "Notes": shows a document's comments read-only (they belong to a file
  /// that is not open, so nothing typed could be kept).
  int showComments(const tDrawing& drawing);

  /// Fills the fields from drawing; an empty title shows the file name without ".tvx".
  void load(const tDrawing& drawing, bool editable);
  /// The texts as the fields hold them.
  Comments comments() const;

  /// The title a document shows: its own, or its file name without the extension.
  static std::string titleOf(const tDrawing& drawing);

signals:
  /// "Help" was pressed.
  void helpRequested();

private:
  QPlainTextEdit* m_title;
  QLineEdit* m_author;
  QPlainTextEdit* m_notes;
  QPushButton* m_cancel;
};

} // namespace trelvix
