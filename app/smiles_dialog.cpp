#include "app/smiles_dialog.h"

#include <QFontMetrics>
#include <QInputDialog>
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
  dialog->setMinimumWidth(std::max(smilesDialogWidth, 3 * title));
  return dialog;
}

} // namespace trelvix
