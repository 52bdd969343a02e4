// The shared pieces of every dialog: the field binder and the keyboard rules of text boxes.
#include "ui/common/field_binder.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

#include "ui/common/key_filter.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

struct Sample {
  int16_t list = 0;
  int16_t coded = 0;
  int16_t flag = 0;
  FixedText<5> name;
};

QComboBox* ListOf(QWidget& parent, int items, bool withData = false) {
  auto* box = new QComboBox(&parent);
  for (int i = 0; i < items; ++i)
    box->addItem(QString::number(i), withData ? QVariant(10 * i + 5) : QVariant());
  return box;
}

TEST(FieldBinder, ListsShowAndStoreTheirValues) {
  struct Case {
    int16_t stored;
    OutOfRange policy;
    int shownIndex;
    int16_t storedOnOk;  // OK with nothing touched
  };
  const Case cases[] = {
      {2, OutOfRange::Keep, 2, 2},
      {9, OutOfRange::Keep, 0, 9},  // kept until the user picks another
      {-1, OutOfRange::Keep, 0, -1},
      {9, OutOfRange::ShowFirst, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    QWidget w;
    Sample s;
    s.list = c.stored;
    FieldBinder<Sample> b(s);
    QComboBox* box = ListOf(w, 3);
    b.List(box, &Sample::list, c.policy);
    b.Load();
    EXPECT_EQ(box->currentIndex(), c.shownIndex);
    b.Store();
    EXPECT_EQ(s.list, c.storedOnOk);
    // A choice of the user (or of a reaction) is stored.
    box->setCurrentIndex(1);
    box->setCurrentIndex(0);
    b.Store();
    EXPECT_EQ(s.list, 0);
  }
}

TEST(FieldBinder, ListsByDataChecksAndTexts) {
  QWidget w;
  Sample s;
  s.coded = 25;
  s.flag = 3;
  s.name = NulTerminatedText<5>("AB");
  FieldBinder<Sample> b(s);
  QComboBox* coded = ListOf(w, 4, true);  // 5, 15, 25, 35
  auto* flag = new QCheckBox(&w);
  auto* name = new QLineEdit(&w);
  b.ListByData(coded, &Sample::coded);
  b.Check(flag, &Sample::flag);
  b.Text(name, &Sample::name);
  b.Load();
  EXPECT_EQ(coded->currentIndex(), 2);
  EXPECT_TRUE(flag->isChecked());
  EXPECT_EQ(name->text(), "AB");
  coded->setCurrentIndex(3);
  name->setText("XYZ");
  b.Store();
  EXPECT_EQ(s.coded, 35);
  EXPECT_EQ(s.flag, 1);  // a check box stores 0 or 1
  EXPECT_EQ(s.name.str(), std::string("XYZ\0 ", 5));
}

class KeyRules : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&form);
    layout->addWidget(first);
    layout->addWidget(second);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    first->setFocus();
  }
  QWidget form;
  QLineEdit* first = new QLineEdit;
  QLineEdit* second = new QLineEdit;
};

TEST_F(KeyRules, DigitsOnlyEnterAsTabAndNoClipboard) {
  InstallKeyRule(*first, DigitsOnlyRule());
  QTest::keyClicks(first, "12a4");
  EXPECT_EQ(first->text(), "124");
  QApplication::clipboard()->setText("999");
  QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(first->text(), "124");
  QTest::keyClick(first, Qt::Key_Return);
  EXPECT_TRUE(second->hasFocus());
}

TEST_F(KeyRules, NamesAreUpperCasedAndCutAtTheirLength) {
  InstallKeyRule(*first, UpperNameRule());
  first->setMaxLength(5);
  QTest::keyClicks(first, "bob 1-x7z");
  EXPECT_EQ(first->text(), "BOB 1");
  first->clear();
  for (const QString& typed : {QString::fromUtf8("é"), QString::fromUtf8("中"), QStringLiteral("a")}) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
    QApplication::sendEvent(first, &press);
  }
  EXPECT_EQ(first->text(), "A");
}

}  // namespace
}  // namespace kt740
