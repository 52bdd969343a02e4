// The port, language, password, progress and about dialogs, and the splash screen.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/app_controller.h"
#include "link/port_list.h"
#include "modal.h"
#include "program/settings_files.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/frm_com_set.h"
#include "ui/dialogs/frm_language.h"
#include "ui/dialogs/frm_pass_word.h"
#include "ui/dialogs/frm_progress.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui/main/frm_splash.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

class ScriptedPorts : public PortList {
 public:
  std::vector<PortEntry> Ports() const override { return ports; }
  std::vector<PortEntry> ports;
};

class Dialogs : public test::UiFixture {
 protected:
  void SetUp() override {
    UiFixture::SetUp();
    Start();
  }
  QComboBox* Combo(QWidget& d) const { return d.findChild<QComboBox*>("Combo1"); }
  void Press(QWidget& d, const char* button) const { d.findChild<QPushButton*>(button)->click(); }
  std::string MySetup() const { return user.Read("config/mysetup.ini"); }

  ScriptedPorts ports;
};

TEST_F(Dialogs, PortDialogSelectsTheRememberedPortOrTheFirst) {
  ports.ports = {{1, "/dev/ttyS0", ""}, {4, "/dev/ttyUSB0", ""}};
  state.app.ComPort = 4;
  FrmComSet listed(TextsFor(state), AppController::CurrentPort(state.app), ports,
                   "Simulated radio (no hardware)");
  EXPECT_EQ(listed.windowTitle(), "Serial Port");
  EXPECT_EQ(listed.findChild<QLabel*>("Label1")->text(), "Serial port");
  EXPECT_EQ(Combo(listed)->count(), 3);
  EXPECT_TRUE(Combo(listed)->currentText().startsWith("COM4"));
  EXPECT_EQ(listed.PortID(), 4);

  state.app.ComPort = 9;
  FrmComSet missing(TextsFor(state), AppController::CurrentPort(state.app), ports,
                    "Simulated radio (no hardware)");
  EXPECT_TRUE(Combo(missing)->currentText().startsWith("COM1"));
  EXPECT_EQ(missing.PortID(), 1);
}

TEST_F(Dialogs, PortDialogRefreshKeepsTheChoiceAndShowsNewPorts) {
  ports.ports = {{1, "/dev/ttyS0", ""}, {2, "/dev/ttyS1", ""}};
  FrmComSet d(TextsFor(state), AppController::CurrentPort(state.app), ports, QString());
  auto* timer = d.findChild<QTimer*>("ReShowComPortTimer");
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 1000);
  Combo(d)->setCurrentIndex(1);
  EXPECT_EQ(d.PortID(), 2);
  ports.ports.push_back({7, "/dev/ttyUSB0", ""});
  QTest::qWait(1300);  // the refresh runs by itself
  EXPECT_EQ(Combo(d)->count(), 3);
  EXPECT_TRUE(Combo(d)->itemText(2).startsWith("COM7"));
  EXPECT_EQ(d.PortID(), 2);
  EXPECT_TRUE(Combo(d)->currentText().startsWith("COM2"));
  // The chosen port goes away: the first entry takes its place.
  ports.ports.erase(ports.ports.begin() + 1);
  d.RefreshPorts();
  EXPECT_EQ(d.PortID(), 1);
}

TEST_F(Dialogs, FixedPortListNeedsNoRefresh) {
  state.app.IsVistaOS = true;
  state.app.ComPort = 12;
  FrmComSet d(TextsFor(state), AppController::CurrentPort(state.app), ports, QString());
  EXPECT_EQ(Combo(d)->count(), 255);
  EXPECT_EQ(Combo(d)->currentText(), "COM12");
  EXPECT_FALSE(d.findChild<QTimer*>("ReShowComPortTimer")->isActive());
}

TEST_F(Dialogs, PortCommandWritesOnlyAnOkWithAPort) {
  ports.ports = {{1, "/dev/ttyS0", ""}, {3, "/dev/ttyS2", ""}};
  AppController app(state, {&notifier, settings.get(), &ports, nullptr});
  app.ShowMainWindow();
  state.app.ComPort = 1;

  // Cancel after changing the selection: nothing changes.
  test::WhenModal<FrmComSet>([&](FrmComSet& d) {
    Combo(d)->setCurrentIndex(1);
    Press(d, "CommandCancel");
  });
  app.ComSet();
  EXPECT_EQ(state.app.ComPort, 1);
  EXPECT_NE(MySetup().find("comPort=1"), std::string::npos);

  test::WhenModal<FrmComSet>([&](FrmComSet& d) {
    Combo(d)->setCurrentIndex(1);
    Press(d, "CommandOK");
  });
  app.ComSet();
  EXPECT_EQ(state.app.ComPort, 3);
  EXPECT_NE(MySetup().find("comPort=3"), std::string::npos);

  // No port at all: OK sets 0 and leaves the file alone.
  ports.ports.clear();
  test::WhenModal<FrmComSet>([&](FrmComSet& d) {
    EXPECT_EQ(Combo(d)->currentIndex(), -1);
    Press(d, "CommandOK");
  });
  app.ComSet();
  EXPECT_EQ(state.app.ComPort, 0);
  EXPECT_NE(MySetup().find("comPort=3"), std::string::npos);
}

TEST_F(Dialogs, SimulatedRadioIsOfferedButNeverChosenByItself) {
  FrmComSet d(TextsFor(state), AppController::CurrentPort(state.app), ports, "Simulated radio (no hardware)");
  ASSERT_EQ(Combo(d)->count(), 1);
  EXPECT_EQ(Combo(d)->currentIndex(), -1);
  EXPECT_EQ(d.PortID(), 0);
  d.RefreshPorts();
  EXPECT_EQ(Combo(d)->currentIndex(), -1);
  Combo(d)->setCurrentIndex(0);
  EXPECT_EQ(d.PortID(), FrmComSet::kSimulatedRadio);
  d.accept();
  EXPECT_EQ(d.ChosenPort(), FrmComSet::kSimulatedRadio);
}

TEST_F(Dialogs, LanguageDialogReloadsTheMainWindow) {
  AppController app(state, {&notifier, settings.get(), &ports, nullptr});
  FrmMain& main = app.ShowMainWindow();
  test::WhenModal<FrmLanguage>([&](FrmLanguage& d) {
    EXPECT_EQ(d.windowTitle(), "Language");
    EXPECT_EQ(Combo(d)->currentIndex(), 0);
    EXPECT_EQ(Combo(d)->itemText(1), "Chinese (中文)");
    Combo(d)->setCurrentIndex(1);
    Press(d, "CommandOK");
  });
  app.Language();
  EXPECT_EQ(state.app.LanguageId, 2);
  EXPECT_EQ(state.app.LanguageFile, "chinese.ini");
  EXPECT_EQ(main.findChild<QAction*>("mnuFileNew")->text(), "新建(&N)");
  EXPECT_EQ(main.grid().CellText(0, 0), "信道");

  test::WhenModal<FrmLanguage>([&](FrmLanguage& d) {
    EXPECT_EQ(d.findChild<QPushButton*>("CommandCancel")->text(), "取消");
    Combo(d)->setCurrentIndex(0);
    Press(d, "CommandCancel");
  });
  app.Language();
  EXPECT_EQ(state.app.LanguageId, 2);
}

TEST_F(Dialogs, PasswordDialogTrimsAndKeepsTheEntryOnlyOnOk) {
  state.ProgrammingPassword = "ab";
  FrmPassWord d(TextsFor(state), state.ProgrammingPassword);
  auto* text = d.findChild<QLineEdit*>("Text1");
  EXPECT_EQ(d.windowTitle(), "Programming Password");
  EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Password");
  EXPECT_EQ(text->text(), "ab");
  EXPECT_EQ(text->maxLength(), 4);
  text->clear();
  QTest::keyClicks(text, "Xy  99");
  EXPECT_EQ(text->text(), "Xy  ");
  EXPECT_FALSE(d.PasswordEntered());
  d.accept();
  EXPECT_TRUE(d.PasswordEntered());
  EXPECT_EQ(d.Password(), "Xy");

  AppController app(state, {&notifier, settings.get(), &ports, nullptr});
  app.ShowMainWindow();
  test::WhenModal<FrmPassWord>([&](FrmPassWord& p) {
    p.findChild<QLineEdit*>("Text1")->setText("zz");
    Press(p, "CommandCancel");
  });
  app.PassWord();
  EXPECT_EQ(state.ProgrammingPassword, "ab");
  test::WhenModal<FrmPassWord>([&](FrmPassWord& p) {
    p.findChild<QLineEdit*>("Text1")->setText("C3 ");
    Press(p, "CommandOK");
  });
  app.PassWord();
  EXPECT_EQ(state.ProgrammingPassword, "C3");
}

TEST_F(Dialogs, ProgressDialogShowsThePercentageAndClosesOnlyWhenFinished) {
  FrmProgress d(TextsFor(state), true);
  EXPECT_EQ(d.windowTitle(), "Write data to radio");
  EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), "Completion percentage:");
  EXPECT_EQ(d.findChild<QLabel*>("Label2")->text(), "0%");
  d.SetProgressValue(37);
  EXPECT_EQ(d.findChild<QProgressBar*>("ProgressBar1")->value(), 37);
  EXPECT_EQ(d.findChild<QLabel*>("Label2")->text(), "37%");
  d.show();
  d.reject();  // Escape: the dialog has no Cancel
  d.close();
  EXPECT_TRUE(d.isVisible());
  d.Finish();
  EXPECT_FALSE(d.isVisible());
}

TEST_F(Dialogs, AboutBoxNamesTheProductAndTellsTheSystem) {
  ports.ports = {{2, "/dev/ttyUSB1", ""}};
  FrmAbout about(TextsFor(state), Q(state.app.VersionText), &ports, notifier);
  QStringList texts;
  for (QLabel* l : about.findChildren<QLabel*>()) texts << l->text();
  EXPECT_TRUE(texts.contains("KT-740"));
  EXPECT_TRUE(texts.join(" ").contains(KT740_VERSION));
  about.findChild<QPushButton*>("CommandSysInfo")->click();
  ASSERT_EQ(notifier.entries.size(), 1u);
  const std::string info = notifier.entries[0].text;
  EXPECT_NE(info.find("Qt version: " + std::string(qVersion())), std::string::npos);
  EXPECT_NE(info.find("COM2 (/dev/ttyUSB1)"), std::string::npos);
  EXPECT_NE(info.find("Operating system"), std::string::npos);
}

TEST_F(Dialogs, SplashOpensTheMainWindowOnceByTimerOrClick) {
  int opened = 0;
  {
    FrmSplash splash(QString::fromStdString(state.app.folders.programDir) + "/StartE.jpg", [&] { ++opened; });
    EXPECT_TRUE(splash.HasPicture());
    splash.show();
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
    splash.Finish();
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(splash.isVisible());
  }
  FrmSplash missing("/nonexistent/StartC.jpg", [&] { ++opened; });
  EXPECT_FALSE(missing.HasPicture());
  missing.show();
  QTest::qWait(FrmSplash::kShowMilliseconds + 300);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(FrmSplash::PictureName(2), "StartC.jpg");
}

}  // namespace
}  // namespace kt740
