#include "app/smiles_dialog.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QStyle>
#include <algorithm>

namespace trelvix {

std::unique_ptr<QInputDialog> makeSmilesDialog(QWidget* parent)
{
  auto dialog = std::make_unique<QInputDialog>(parent);
  dialog->setWindowTitle(QObject::tr("Add from SMILES"));
  dialog->setLabelText(QObject::tr("SMILES:"));
  dialog->setInputMode(QInputDialog::TextInput);
  dialog->setTextValue(QString());
  // The title bar needs room for its text beside the window buttons: a dialog sized to its
  // one-line field alone cuts the title short.
  const int title = QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle());
  const int width = std::max(smilesDialogWidth, 3 * title);
  // The dialog keeps to its layout's size: the line sets the width.
  if (auto* line = dialog->findChild<QLineEdit*>())
    line->setMinimumWidth(width - 2 * dialog->style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
  dialog->setMinimumWidth(width);
  return dialog;
}

} // namespace trelvix
