#include "ui/dialogs/frm_pass_word.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/fixed_text.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"

namespace kt740 {

FrmPassWord::FrmPassWord(const Texts& texts, const std::string& current, QWidget* parent)
    : QDialog(parent), text_(new QLineEdit(this)), password_(current) {
  setObjectName(QStringLiteral("FrmPassWord"));
  setFont(texts.FormFont());
  setWindowTitle(texts.Lang(3100));
  auto* label = new QLabel(texts.Lang(3101), this);
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
  SetOkCancelCaptions(*this, texts);
  setFixedSize(sizeHint());
}

void FrmPassWord::accept() {
  entered_ = true;
  password_ = TrimText(U8(text_->text()));
  QDialog::accept();
}

}  // namespace kt740
