#include "ui/dialogs/frm_pass_word.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/fixed_text.h"
#include "program/program_state.h"
#include "ui/dialogs/dialog_layout.h"
#include "ui/main/localize.h"
#include "ui/main/qt_text.h"

namespace kt740 {

FrmPassWord::FrmPassWord(const ProgramState& state, const std::string& current, QWidget* parent)
    : QDialog(parent), text_(new QLineEdit(this)), password_(current) {
  setObjectName(QStringLiteral("FrmPassWord"));
  setFont(FormFont(state));
  setWindowTitle(LangQ(state, 3100));
  auto* label = new QLabel(LangQ(state, 3101), this);
  label->setObjectName(QStringLiteral("Label1"));
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setMaxLength(kMaxLength);
  // The radio keeps its password as ASCII text.
  text_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), text_));
  text_->setText(Q(current));
  text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 12);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(label, text_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeOkCancel(*this));
  SetOkCancelCaptions(*this, state);
  setFixedSize(sizeHint());
}

void FrmPassWord::accept() {
  entered_ = true;
  password_ = TrimText(U8(text_->text()));
  QDialog::accept();
}

}  // namespace kt740
