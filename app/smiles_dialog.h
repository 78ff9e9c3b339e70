#pragma once

#include <memory>

class QInputDialog;
class QWidget;

namespace trelvix {

/// The dialog of Add from SMILES: "SMILES:" and a line for the text, wide enough for its whole
/// title and a drug-sized SMILES (at least smilesDialogWidth pixels).
inline constexpr int smilesDialogWidth = 420;
std::unique_ptr<QInputDialog> makeSmilesDialog(QWidget* parent);

} // namespace trelvix
