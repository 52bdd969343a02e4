// The desktop Notifier: icons, buttons and answers of its message boxes.
#include "ui/common/qt_notifier.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "modal.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

struct AskCase {
  Buttons buttons;
  Icon icon;
  QMessageBox::StandardButton press;
  Answer expected;
  QMessageBox::StandardButtons shown;
  QMessageBox::Icon shownIcon;
};

TEST(QtNotifierTest, MapsButtonsIconsAndAnswers) {
  const AskCase cases[] = {
      {Buttons::YesNoCancel, Icon::Warning, QMessageBox::No, Answer::No,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning},
      {Buttons::YesNoCancel, Icon::Warning, QMessageBox::Cancel, Answer::Cancel,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Warning},
      {Buttons::OkCancel, Icon::Question, QMessageBox::Ok, Answer::Ok, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Question},
      {Buttons::RetryCancel, Icon::Critical, QMessageBox::Retry, Answer::Retry,
       QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Critical},
      {Buttons::YesNo, Icon::Information, QMessageBox::Yes, Answer::Yes, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Information},
  };
  QtNotifier notifier;
  for (const AskCase& c : cases) {
    QMessageBox::StandardButtons shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      shown = box.standardButtons();
      icon = box.icon();
      text = box.text();
      box.button(c.press)->click();
    });
    EXPECT_EQ(notifier.Ask("Ünïcode 文字", c.buttons, c.icon), c.expected);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(icon, c.shownIcon);
    EXPECT_EQ(text, QString::fromUtf8("Ünïcode 文字"));
  }
  // Escape on a Retry/Cancel question is Cancel.
  test::WhenModal<QMessageBox>([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(notifier.Ask("x", Buttons::RetryCancel, Icon::Question), Answer::Cancel);

  bool shownMessage = false;
  test::WhenModal<QMessageBox>([&](QMessageBox& box) {
    shownMessage = box.standardButtons() == QMessageBox::Ok && box.windowTitle() == "KT_740";
    box.accept();
  });
  notifier.Message("done", Icon::Information);
  EXPECT_TRUE(shownMessage);
}

}  // namespace
}  // namespace kt740
