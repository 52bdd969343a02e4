#include "ui/dialogs/frm_language.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "program/program_state.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/main/localize.h"

namespace kt740 {

FrmLanguage::FrmLanguage(const ProgramState& state, QWidget* parent)
    : QDialog(parent), combo_(new QComboBox(this)), languageId_(state.app.LanguageId) {
  setObjectName(QStringLiteral("FrmLanguage"));
  setFont(FormFont(state));
  setWindowTitle(LangQ(state, 1503));
  auto* label = new QLabel(LangQ(state, 1503), this);
  label->setObjectName(QStringLiteral("Label1"));
  combo_->setObjectName(QStringLiteral("Combo1"));
  combo_->addItem(LangQ(state, 1501));
  combo_->addItem(LangQ(state, 1502));
  combo_->setCurrentIndex(state.app.LanguageId - 1);
  combo_->setMinimumContentsLength(12);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(label, combo_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeOkCancel(*this));
  SetOkCancelCaptions(*this, state);
  setFixedSize(sizeHint());
}

void FrmLanguage::accept() {
  languageId_ = static_cast<int16_t>(combo_->currentIndex() + 1);
  QDialog::accept();
}

}  // namespace kt740
