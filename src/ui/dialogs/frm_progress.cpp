#include "ui/dialogs/frm_progress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/builtin_text.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"

namespace kt740 {

FrmProgress::FrmProgress(const Texts& texts, bool write, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)),
      percent_(new QLabel(this)),
      cancel_(new QPushButton(this)) {
  setObjectName(QStringLiteral("FrmProgress"));
  setModal(true);
  setFont(texts.FormFont());
  setWindowTitle(texts.BuiltIn(write ? BuiltIn::TextWriteTitle : BuiltIn::TextReadTitle));
  bar_->setObjectName(QStringLiteral("ProgressBar1"));
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  bar_->setMinimumWidth(320);
  auto* label = new QLabel(texts.BuiltIn(BuiltIn::TextProgress), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  percent_->setObjectName(QStringLiteral("Label2"));
  percent_->setMinimumWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);

  // Label1 ends just left of Label2, which follows the bar's right end.
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(label);
  row->setSpacing(2);
  row->addWidget(percent_);
  cancel_->setObjectName(QStringLiteral("CommandCancel"));
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, &FrmProgress::AskCancel);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->addWidget(bar_);
  layout->addLayout(row);
  layout->addLayout(buttons);
  SetOkCancelCaptions(*this, texts);
  SetProgressValue(0);
  setFixedSize(sizeHint());
}

void FrmProgress::SetProgressValue(int value) {
  value = std::clamp(value, 0, 100);
  bar_->setValue(value);
  percent_->setText(QString::number(value) + QLatin1Char('%'));
}

int FrmProgress::Value() const {
  return bar_->value();
}

void FrmProgress::Finish() {
  finishing_ = true;
  done(QDialog::Accepted);
}

void FrmProgress::reject() {
  if (finishing_) {
    QDialog::reject();
  } else {
    AskCancel();
  }
}

void FrmProgress::AskCancel() {
  if (cancelAsked_ || finishing_) return;
  cancelAsked_ = true;
  // The frame in flight finishes first; the radio then gets END.
  cancel_->setEnabled(false);
  if (onCancel) onCancel();
}

void FrmProgress::closeEvent(QCloseEvent* event) {
  if (finishing_) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
    AskCancel();
  }
}

}  // namespace kt740
