// Pieces every dialog of the program lays out the same way.
#pragma once

class QDialog;
class QDialogButtonBox;

namespace kt740 {

// CommandOK and CommandCancel, right-aligned, wired to accept and reject.
QDialogButtonBox* MakeOkCancel(QDialog& dialog);

}  // namespace kt740
