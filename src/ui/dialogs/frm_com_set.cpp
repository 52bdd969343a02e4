#include "ui/dialogs/frm_com_set.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "link/port_list.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"

namespace kt740 {
namespace {

constexpr int kNumberRole = Qt::UserRole;

QString EntryText(int number) {
  return QString::fromStdString(PortEntryText(number));
}

}  // namespace

FrmComSet::FrmComSet(const Texts& texts, Current current, const PortList& ports, const QString& simulatorText,
                     QWidget* parent)
    : QDialog(parent),
      current_(current),
      ports_(ports),
      simulatorText_(simulatorText),
      combo_(new QComboBox(this)),
      timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("FrmComSet"));
  setFont(texts.FormFont());
  setWindowTitle(texts.Lang(1401));
  auto* label = new QLabel(texts.Lang(1402), this);
  label->setObjectName(QStringLiteral("Label1"));
  combo_->setObjectName(QStringLiteral("Combo1"));
  combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combo_->setMinimumContentsLength(24);
  connect(combo_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_) return;
    portId_ = index < 0 ? 0 : combo_->itemData(index, kNumberRole).toInt();
  });

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(label, combo_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(MakeOkCancel(*this));
  SetOkCancelCaptions(*this, texts);

  Fill();
  const bool simulatorInUse = !simulatorText_.isEmpty() && current.simulatorInUse;
  if (combo_->count() == 0 || combo_->itemData(0, kNumberRole).toInt() < 1) {
    // No port at all: nothing is selected (the simulated radio is only ever chosen by hand).
    portId_ = simulatorInUse ? kSimulatedRadio : 0;
    Select(portId_);
  } else {
    Select(simulatorInUse ? kSimulatedRadio : current.port);
  }

  timer_->setObjectName(QStringLiteral("ReShowComPortTimer"));
  timer_->setInterval(kRefreshMilliseconds);
  connect(timer_, &QTimer::timeout, this, &FrmComSet::RefreshPorts);
  if (!current.fixedList) timer_->start();
}

void FrmComSet::Fill() {
  filling_ = true;
  combo_->clear();
  if (current_.fixedList) {
    for (int n = 1; n <= 255; ++n) combo_->addItem(EntryText(n), n);
  } else {
    for (const PortEntry& p : ports_.Ports()) {
      QString text = EntryText(p.number);
      if (!p.device.empty() && Q(p.device) != text)
        text += QStringLiteral("  (") + Q(p.device) + QLatin1Char(')');
      combo_->addItem(text, p.number);
    }
  }
  if (!simulatorText_.isEmpty()) combo_->addItem(simulatorText_, kSimulatedRadio);
  filling_ = false;
}

// The entry of that number, else the first entry when it is a port; the selection's number is
// then read back into PortID.
void FrmComSet::Select(int number) {
  filling_ = true;
  int index = combo_->findData(number, kNumberRole);
  if (index < 0 && combo_->count() > 0 && combo_->itemData(0, kNumberRole).toInt() >= 1) index = 0;
  combo_->setCurrentIndex(index);
  filling_ = false;
  portId_ = index < 0 ? 0 : combo_->itemData(index, kNumberRole).toInt();
}

void FrmComSet::RefreshPorts() {
  const int wanted = portId_;
  Fill();
  Select(wanted);
}

void FrmComSet::accept() {
  timer_->stop();
  const int index = combo_->currentIndex();
  chosen_ = index < 0 ? 0 : combo_->itemData(index, kNumberRole).toInt();
  QDialog::accept();
}

}  // namespace kt740
