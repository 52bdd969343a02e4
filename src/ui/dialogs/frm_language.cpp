#include "ui/dialogs/frm_language.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_layout.h"
#include "ui/common/localize.h"
#include "ui/common/texts.h"

namespace kt740 {

FrmLanguage::FrmLanguage(const Texts& texts, QWidget* parent)
    : QDialog(parent), combo_(new QComboBox(this)), languageId_(texts.LanguageId()) {
  setObjectName(QStringLiteral("FrmLanguage"));
  setFont(texts.FormFont());
  setWindowTitle(texts.Lang(1503));
  auto* label = new QLabel(texts.Lang(1503), this);
  label->setObjectName(QStringLiteral("Label1"));
  combo_->setObjectName(QStringLiteral("Combo1"));
  combo_->addItem(texts.Lang(1501));
  combo_->addItem(texts.Lang(1502));
  combo_->setCurrentIndex(texts.LanguageId() - 1);
  combo_->setMinimumContentsLength(12);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(label, combo_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeOkCancel(*this));
  SetOkCancelCaptions(*this, texts);
  setFixedSize(sizeHint());
}

void FrmLanguage::accept() {
  languageId_ = static_cast<int16_t>(combo_->currentIndex() + 1);
  QDialog::accept();
}

}  // namespace kt740
