#include "ui/common/dialog_layout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace kt740 {

QDialogButtonBox* MakeOkCancel(QDialog& dialog) {
  auto* box = new QDialogButtonBox(&dialog);
  QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
  QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
  ok->setObjectName(QStringLiteral("CommandOK"));
  cancel->setObjectName(QStringLiteral("CommandCancel"));
  ok->setDefault(true);
  QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return box;
}

}  // namespace kt740
