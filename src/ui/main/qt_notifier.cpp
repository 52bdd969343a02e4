#include "ui/main/qt_notifier.h"

#include <QMessageBox>

#include "ui/main/qt_text.h"

namespace kt740 {
namespace {

QMessageBox::Icon ToQt(Icon icon) {
  switch (icon) {
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
  QMessageBox::StandardButton escapeButton;
};

ButtonSet ToQt(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
    case Buttons::OkCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case Buttons::YesNo:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case Buttons::YesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
              QMessageBox::Cancel};
    case Buttons::RetryCancel:
      return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Cancel};
  }
  return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

Answer FromQt(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Retry:
      return Answer::Retry;
    default:
      return Answer::Cancel;
  }
}

}  // namespace

void QtNotifier::Message(const std::string& text, Icon icon) {
  QMessageBox box(ToQt(icon), title_, Q(text), QMessageBox::Ok, parent_);
  box.setObjectName(QStringLiteral("NotifierMessage"));
  box.exec();
}

Answer QtNotifier::Ask(const std::string& text, Buttons buttons, Icon icon) {
  const ButtonSet set = ToQt(buttons);
  QMessageBox box(ToQt(icon), title_, Q(text), set.buttons, parent_);
  box.setObjectName(QStringLiteral("NotifierQuestion"));
  box.setDefaultButton(set.defaultButton);
  box.setEscapeButton(set.escapeButton);
  return FromQt(box.exec());
}

}  // namespace kt740
