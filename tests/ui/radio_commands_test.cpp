// Read, Write and Read radio information through the main window, against the simulated radio
// on a pseudo-terminal, with the progress dialog and the password dialog.
#include "app/radio_commands.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "app/app_controller.h"
#include "app/simulated_radio.h"
#include "modal.h"
#include "program/snapshot_state.h"
#include "ui/dialogs/frm_com_set.h"
#include "ui/dialogs/frm_pass_word.h"
#include "ui/dialogs/frm_progress.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

const std::string kReadConfirm = "Read data from radio.\r\nDo you wish continue?";
const std::string kWriteConfirm = "Write data to radio.\r\nDo you wish continue?";

class RadioGui : public test::UiFixture {
 protected:
  void SetUp() override {
    UiFixture::SetUp();
    Start();
    app = std::make_unique<AppController>(
        state, AppController::Services{&notifier, settings.get(), nullptr, nullptr});
    window = &app->ShowMainWindow();
  }
  void UseSimulator(const QStringList& options = {}) {
    simulator = std::make_unique<SimulatedRadio>(QString::fromStdString(user.file("radio.img")), options);
    QString error;
    const QString device = simulator->Start(error);
    ASSERT_FALSE(device.isEmpty()) << error.toStdString();
    state.app.ComPortDevice = device.toStdString();
  }
  void Trigger(const char* name) { window->findChild<QAction*>(name)->trigger(); }
  // Follows the progress dialog of the next session: every value it shows.
  void WatchProgress() {
    test::WhenModal<FrmProgress>([this](FrmProgress& d) {
      progressTitle = d.windowTitle();
      auto* bar = d.findChild<QProgressBar*>("ProgressBar1");
      progress.push_back(bar->value());
      QObject::connect(bar, &QProgressBar::valueChanged, [this](int v) { progress.push_back(v); });
    });
  }
  std::vector<std::string> Texts() const { return notifier.Texts(); }
  std::string Text(int id) const { return LangText(state, id); }

  void PutChannels() {
    ChannelList& list = state.current.channels;
    for (int n = 1; n <= 12; ++n) {
      ChannelRecord r = list.records[0];  // the VFO as a model
      r.Number = static_cast<int16_t>(n);
      r.RxFreq = FixedText<9>::From("0" + std::to_string(14500000 + n * 1250));
      r.Name = NulTerminatedText<7>("CH" + std::to_string(n));
      list.records[static_cast<std::size_t>(list.ChannelCount++)] = r;
    }
    window->ShowListByData();
  }

  std::unique_ptr<AppController> app;
  FrmMain* window = nullptr;
  std::unique_ptr<SimulatedRadio> simulator;
  std::vector<int> progress;
  QString progressTitle;
};

TEST_F(RadioGui, PortDialogStartsTheSimulatedRadio) {
  test::WhenModal<FrmComSet>([](FrmComSet& d) {
    auto* combo = d.findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(combo->count() - 1);
    EXPECT_EQ(combo->currentText(), "Simulated radio (no hardware)");
    d.findChild<QPushButton*>("CommandOK")->click();
  });
  Trigger("MnuSetCom");
  EXPECT_EQ(state.app.ComPortDevice.rfind("/dev/", 0), 0u) << state.app.ComPortDevice;
  EXPECT_EQ(user.Read("config/mysetup.ini").find("comPort=-1"), std::string::npos);

  // It answers: the information read runs without confirmation or progress.
  Trigger("MnuEMg");
  QTRY_VERIFY_WITH_TIMEOUT(!notifier.entries.empty(), 10000);
  EXPECT_NE(notifier.entries.front().text.find("KT-740"), std::string::npos) << notifier.entries.front().text;
  EXPECT_TRUE(progress.empty());
}

TEST_F(RadioGui, WriteThenReadBringsTheChannelsBack) {
  UseSimulator();
  PutChannels();
  notifier.answers = {Answer::Ok};
  WatchProgress();
  Trigger("MnuProWrite");
  ASSERT_EQ(Texts(), std::vector<std::string>({kWriteConfirm, Text(2005)}));
  EXPECT_EQ(progressTitle, "Write data to radio");
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(app->Radio().Progress(), nullptr);  // closed when the session ended

  // A fresh configuration, then the radio's.
  notifier.entries.clear();
  notifier.answers = {Answer::No, Answer::Ok};
  Trigger("mnuFileNew");
  EXPECT_EQ(window->grid().CellText(7, 3), "");
  notifier.entries.clear();
  notifier.answers = {Answer::Ok};
  progress.clear();
  WatchProgress();
  Trigger("mnuProRead");
  ASSERT_EQ(Texts(), std::vector<std::string>({kReadConfirm, Text(2004)}));
  EXPECT_EQ(progressTitle, "Read data from radio");
  EXPECT_EQ(progress.back(), 100);
  EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
  EXPECT_EQ(window->grid().CellText(7, 3), "CH7");
  EXPECT_EQ(window->grid().CellText(12, 1), "145.15000");
  EXPECT_EQ(state.app.CurrentFileName, "new.dat");
  EXPECT_TRUE(state.app.Untitled);
  EXPECT_FALSE(IsModified(state));
}

TEST_F(RadioGui, ReadOffersToSaveAndCancelLeavesEverything) {
  UseSimulator();
  PutChannels();
  ASSERT_TRUE(IsModified(state));
  const Configuration before = state.current;
  // Cancel at the save question stops the read; so does Cancel at the confirmation.
  notifier.answers = {Answer::Cancel};
  Trigger("mnuProRead");
  EXPECT_EQ(Texts(), std::vector<std::string>({LangSectionText(state, "MSG", "9001")}));
  notifier.entries.clear();
  notifier.answers = {Answer::No, Answer::Cancel};
  Trigger("mnuProRead");
  EXPECT_EQ(Texts(), std::vector<std::string>({LangSectionText(state, "MSG", "9001"), kReadConfirm}));
  EXPECT_FALSE(app->Radio().Busy());
  EXPECT_TRUE(state.current.settings == before.settings);
  EXPECT_EQ(state.current.channels.ChannelCount, before.channels.ChannelCount);
  EXPECT_EQ(window->grid().CellText(3, 3), "CH3");
  EXPECT_TRUE(state.app.Untitled);
}

TEST_F(RadioGui, PasswordDialogLetsTheSessionGoOn) {
  UseSimulator({"--password", "ab"});
  notifier.answers = {Answer::Ok};
  bool asked = false;
  test::WhenModal<FrmPassWord>([&](FrmPassWord& d) {
    asked = true;
    d.findChild<QLineEdit*>("Text1")->setText("ab");
    d.findChild<QPushButton*>("CommandOK")->click();
  });
  Trigger("mnuProRead");
  EXPECT_TRUE(asked);
  EXPECT_EQ(state.ProgrammingPassword, "ab");
  EXPECT_EQ(Texts(), std::vector<std::string>({kReadConfirm, Text(2004)}));
}

TEST_F(RadioGui, RadioCommandsAreGreyedOutWhileASessionRuns) {
  UseSimulator();
  notifier.answers = {Answer::Ok};
  const char* const commands[] = {"mnuProRead", "MnuProWrite", "MnuEMg",
                                  "MnuSetCom",  "TCommRead",   "TCommWrite"};
  std::vector<bool> enabledDuring;
  test::WhenModal<FrmProgress>([&](FrmProgress&) {
    for (const char* name : commands) enabledDuring.push_back(window->findChild<QAction*>(name)->isEnabled());
  });
  Trigger("MnuProWrite");
  EXPECT_EQ(enabledDuring, std::vector<bool>(std::size(commands), false));
  for (const char* name : commands) EXPECT_TRUE(window->findChild<QAction*>(name)->isEnabled()) << name;
  EXPECT_EQ(window->statusBar()->currentMessage(), "Written to the radio");
}

TEST_F(RadioGui, NoRadioOnThePortIsReported) {
  state.app.ComPortDevice = user.file("no-such-port");
  Trigger("mnuProRead");
  EXPECT_EQ(Texts(), std::vector<std::string>({Text(2002)}));
  EXPECT_FALSE(app->Radio().Busy());
}

}  // namespace
}  // namespace kt740
