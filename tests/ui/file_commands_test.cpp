// The file commands through the main window: their questions, the file dialog, and the
// question about unsaved changes when the window closes.
#include <QAction>
#include <QFileInfo>
#include <QStatusBar>

#include "app/app_controller.h"
#include "core/builtin_text.h"
#include "program/snapshot_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

class ScriptedFileDialogs : public FileDialogs {
 public:
  QString OpenFileName(QWidget*, const QString& filter) override {
    calls << "open " + filter;
    return Next();
  }
  QString SaveFileName(QWidget*, const QString& filter, const QString& initial) override {
    calls << "save " + filter + " " + initial;
    return Next();
  }
  QString Next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }

  QStringList calls;
  QStringList answers;  // an empty text cancels
};

const std::string kAllCleared = "All data will be cleared.";
const std::string kSaveModified = "File has been modify,save it now?";
const std::string kSaveFirst = "The configuration has been changed. Save it first?";

class FileCommandsTest : public test::UiFixture {
 protected:
  void SetUp() override {
    UiFixture::SetUp();
    Start();
    app = std::make_unique<AppController>(
        state, AppController::Services{&notifier, settings.get(), nullptr, &dialogs});
    window = &app->ShowMainWindow();
  }
  void Trigger(const char* name) { window->findChild<QAction*>(name)->trigger(); }
  void Modify(const char* name = "EDITED") {
    ChannelRecord& vfo = state.current.channels.records[0];
    vfo.Name = NulTerminatedText<7>(name);
    ASSERT_TRUE(IsModified(state));
  }
  std::vector<std::string> Questions() const {
    std::vector<std::string> q;
    for (const auto& e : notifier.entries) q.push_back(e.text);
    return q;
  }
  QString Path(const char* name) const { return QString::fromStdString(user.file(name)); }

  ScriptedFileDialogs dialogs;
  std::unique_ptr<AppController> app;
  FrmMain* window = nullptr;
};

TEST_F(FileCommandsTest, SaveOnAnUntitledConfigurationOpensSaveAs) {
  dialogs.answers << Path("abc.dat");
  Trigger("mnuFileSave");
  EXPECT_EQ(dialogs.calls, QStringList({"save Data File (*.dat) new.dat"}));
  EXPECT_TRUE(notifier.entries.empty());  // no overwrite question
  EXPECT_TRUE(QFileInfo::exists(Path("abc.dat")));
  EXPECT_TRUE(QFileInfo::exists(Path("abc.fre")));
  EXPECT_FALSE(state.app.Untitled);
  EXPECT_TRUE(window->windowTitle().contains(Path("abc.dat")));

  // Titled now: Save asks before it overwrites; Cancel writes nothing.
  Modify();
  notifier.answers = {Answer::Cancel};
  Trigger("mnuFileSave");
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0], "\"abc.dat\"file will be Overwrite,Continue?");
  EXPECT_EQ(notifier.entries[0].buttons, Buttons::OkCancel);
  EXPECT_TRUE(IsModified(state));
  notifier.answers = {Answer::Ok};
  Trigger("mnuFileSave");
  EXPECT_FALSE(IsModified(state));
}

TEST_F(FileCommandsTest, NewRightAfterSaveAsksNothingAboutSaving) {
  Modify();
  dialogs.answers << Path("a.dat");
  Trigger("mnuFileSaveAs");
  notifier.entries.clear();
  notifier.answers = {Answer::Ok};
  Trigger("mnuFileNew");
  EXPECT_EQ(Questions(), std::vector<std::string>({kAllCleared}));
  EXPECT_TRUE(state.app.Untitled);
  EXPECT_EQ(state.app.CurrentFileName, "new.dat");
}

TEST_F(FileCommandsTest, NewOffersToSaveThenAsksBeforeClearing) {
  Modify();
  // Cancel at the clearing question keeps all.
  notifier.answers = {Answer::No, Answer::Cancel};
  Trigger("mnuFileNew");
  EXPECT_EQ(Questions(), std::vector<std::string>({kSaveFirst, kAllCleared}));
  EXPECT_EQ(notifier.entries[0].buttons, Buttons::YesNoCancel);
  EXPECT_EQ(notifier.entries[0].icon, Icon::Warning);
  EXPECT_TRUE(IsModified(state));

  notifier.entries.clear();
  notifier.answers = {Answer::No, Answer::Ok};
  Trigger("mnuFileNew");
  EXPECT_FALSE(IsModified(state));
  EXPECT_EQ(window->grid().CellText(203, 3), "");
}

// Cancel at the save question stops New and Initial setup (which has no second question), and a
// Yes whose save is cancelled stops them too: nothing changes either way.
TEST_F(FileCommandsTest, CancelAtTheSaveQuestionStops) {
  struct Case {
    const char* command;
    Answer answer;
  };
  for (const Case& c : {Case{"mnuFileNew", Answer::Cancel}, Case{"MnuSetInit", Answer::Cancel},
                        Case{"mnuFileNew", Answer::Yes}, Case{"MnuSetInit", Answer::Yes}}) {
    SCOPED_TRACE(c.command);
    Modify();
    const ChannelList channels = state.current.channels;
    const Configuration snapshot = state.snapshot;
    const std::string fileName = state.app.CurrentFileName;
    notifier.entries.clear();
    notifier.answers = {c.answer};  // Yes: the Save As dialog is then cancelled
    Trigger(c.command);
    EXPECT_EQ(Questions(), std::vector<std::string>({kSaveFirst}));
    EXPECT_TRUE(state.current.channels.records == channels.records);
    EXPECT_EQ(state.current.channels.ChannelCount, channels.ChannelCount);
    EXPECT_TRUE(state.snapshot.settings == snapshot.settings);
    EXPECT_EQ(state.app.CurrentFileName, fileName);
    EXPECT_TRUE(IsModified(state));
  }
}

TEST_F(FileCommandsTest, TheStatusBarSaysWhatJustHappened) {
  dialogs.answers << Path("noted.dat");
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(window->statusBar()->currentMessage(), "Saved " + Path("noted.dat"));
}

TEST_F(FileCommandsTest, InitialSetupDoesNotAskBeforeClearing) {
  Trigger("MnuSetInit");
  EXPECT_TRUE(notifier.entries.empty());
  EXPECT_FALSE(state.app.InitialSetupMode);
  EXPECT_GT(state.current.channels.ChannelCount, 1);  // the model template keeps its channels
  EXPECT_NE(window->grid().CellText(1, 1), "");
}

TEST_F(FileCommandsTest, OpenShowsTheFileAndABadFileChangesNothing) {
  state.current.channels.records[1] = state.current.channels.records[0];
  state.current.channels.records[1].Number = 12;
  state.current.channels.ChannelCount = 2;
  dialogs.answers << Path("twelve.dat");
  Trigger("mnuFileSaveAs");
  Trigger("mnuFileNew");  // answered Cancel: nothing happens
  notifier.answers = {Answer::Ok};
  Trigger("mnuFileNew");
  EXPECT_EQ(window->grid().CellText(12, 1), "");

  notifier.entries.clear();
  dialogs.answers << Path("twelve.dat");
  Trigger("mnuFileOpen");
  EXPECT_TRUE(notifier.entries.empty());
  EXPECT_NE(window->grid().CellText(12, 1), "");
  EXPECT_TRUE(window->windowTitle().contains("twelve.dat"));

  // Changes: Cancel at the question stops before the dialog.
  Modify();
  dialogs.calls.clear();
  notifier.answers = {Answer::Cancel};
  Trigger("mnuFileOpen");
  EXPECT_TRUE(dialogs.calls.isEmpty());
  EXPECT_EQ(notifier.entries.back().text, kSaveModified);

  // A damaged file: "file error.", and the configuration stays as it was.
  user.Write("bad.dat", "short");
  dialogs.answers << Path("bad.dat");
  notifier.answers = {Answer::No};
  Trigger("mnuFileOpen");
  EXPECT_EQ(notifier.FirstLines().back(), "file error.");
  EXPECT_TRUE(IsModified(state));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->windowTitle().contains("twelve.dat"));
}

TEST_F(FileCommandsTest, ClosingAsksAboutUnsavedChanges) {
  // Nothing changed: no question.
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(notifier.entries.empty());

  window->show();
  Modify();
  notifier.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(notifier.entries.back().text, kSaveModified);

  // Yes, but the save dialog is cancelled: the window stays and the changes too.
  notifier.answers = {Answer::Yes};
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(IsModified(state));

  // Yes and a name: saved, then closed.
  notifier.answers = {Answer::Yes};
  dialogs.answers << Path("kept.dat");
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(QFileInfo::exists(Path("kept.dat")));

  window->show();
  Modify("AGAIN");
  notifier.answers = {Answer::No};
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(IsModified(state));
}

}  // namespace
}  // namespace kt740
