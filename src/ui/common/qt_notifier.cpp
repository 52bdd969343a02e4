#include "ui/common/qt_notifier.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "ui/common/qt_text.h"

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

std::unique_ptr<QMessageBox> QtNotifier::MakeBox(const std::string& text, Buttons buttons, Icon icon) const {
  const ButtonSet set = ToQt(buttons);
  auto box = std::make_unique<QMessageBox>(ToQt(icon), title_, Q(text), set.buttons, parent_);
  box->setDefaultButton(set.defaultButton);
  box->setEscapeButton(set.escapeButton);
  // The buttons speak the program's language, whatever the system's is.
  const bool chinese = languageId_ && *languageId_ == 2;
  const struct {
    QMessageBox::StandardButton button;
    const char* english;
    const char* chinese;
  } kCaptions[] = {{QMessageBox::Ok, "OK", "确定"},
                   {QMessageBox::Cancel, "Cancel", "取消"},
                   {QMessageBox::Yes, "&Yes", "是(&Y)"},
                   {QMessageBox::No, "&No", "否(&N)"},
                   {QMessageBox::Retry, "&Retry", "重试(&R)"}};
  for (const auto& c : kCaptions) {
    if (QAbstractButton* b = box->button(c.button))
      b->setText(QString::fromUtf8(chinese ? c.chinese : c.english));
  }
  return box;
}

void QtNotifier::Message(const std::string& text, Icon icon) {
  const auto box = MakeBox(text, Buttons::Ok, icon);
  box->exec();
}

Answer QtNotifier::Ask(const std::string& text, Buttons buttons, Icon icon) {
  const auto box = MakeBox(text, buttons, icon);
  return FromQt(box->exec());
}

}  // namespace kt740
