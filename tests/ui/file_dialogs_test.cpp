// Qt's own file dialog as the program uses it: the folder used last, the proposed name, the
// question before a file is replaced, and its texts in the program's language.
#include "ui/common/file_dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "modal.h"
#include "ui/common/qt_translations.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

class QtFileDialogsTest : public test::UiFixture {
 protected:
  void SetUp() override {
    UiFixture::SetUp();
    // Qt's own dialog, whatever the desktop offers, so the test can drive it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
    user.Write("radios/abc.dat", "old");
  }
  void TearDown() override { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false); }
  QString Folder() const { return QString::fromStdString(user.file("radios")); }
};

TEST_F(QtFileDialogsTest, SaveAsProposesTheNameAndAsksBeforeReplacingWithoutTheSuffixTyped) {
  QtFileDialogs dialogs(settings.get());
  QString proposed;
  bool asked = false;
  test::WhenModal<QFileDialog>([&](QFileDialog& d) {
    proposed = d.findChild<QLineEdit*>("fileNameEdit")->text();
    EXPECT_EQ(d.directory().absolutePath(), Folder());
    d.findChild<QLineEdit*>("fileNameEdit")->setText("abc");  // abc.dat exists
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      asked = box.text().contains("abc.dat");
      box.button(QMessageBox::No)->click();  // keep the old file: the dialog stays
      QMetaObject::invokeMethod(
          &d, [&d] { d.reject(); }, Qt::QueuedConnection);
    });
    QMetaObject::invokeMethod(&d, "accept");
  });
  EXPECT_EQ(dialogs.SaveFileName(nullptr, "Data File (*.dat)", Folder() + "/abc.dat"), QString());
  EXPECT_EQ(proposed, "abc.dat");
  EXPECT_TRUE(asked);
}

TEST_F(QtFileDialogsTest, DialogsStartInTheFolderUsedLast) {
  QtFileDialogs dialogs(settings.get());
  test::WhenModal<QFileDialog>([&](QFileDialog& d) {
    d.selectFile(Folder() + "/new.dat");
    QMetaObject::invokeMethod(&d, "accept");
  });
  EXPECT_EQ(dialogs.SaveFileName(nullptr, "Data File (*.dat)", "new.dat"), Folder() + "/new.dat");
  QtFileDialogs later(settings.get());
  EXPECT_EQ(later.LastFolder(), Folder());
  QString startedIn;
  test::WhenModal<QFileDialog>([&](QFileDialog& d) {
    startedIn = d.directory().absolutePath();
    d.reject();
  });
  EXPECT_EQ(later.OpenFileName(nullptr, "Data File (*.dat)"), QString());
  EXPECT_EQ(startedIn, Folder());
}

TEST_F(QtFileDialogsTest, QtTextsFollowTheProgramLanguage) {
  const auto lookIn = [] {
    QFileDialog d;
    return d.findChild<QLabel*>("lookInLabel")->text();
  };
  UseQtTranslations(kLanguageChinese);
  const QString chinese = lookIn();
  UseQtTranslations(kLanguageEnglish);
  EXPECT_EQ(lookIn(), "Look in:");
  EXPECT_NE(chinese, "Look in:");
  EXPECT_TRUE(chinese.contains(QChar(0x67E5)));  // 查
}

}  // namespace
}  // namespace kt740
