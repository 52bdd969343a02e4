// Undo and redo of the configuration: grid commands and editor changes are steps of the main
// window's undo stack; loading a configuration starts a new history.
#include <QAction>
#include <QTest>
#include <QUndoStack>

#include "app/app_controller.h"
#include "app/file_commands.h"
#include "program/snapshot_state.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_editor_host.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

ChannelRecord Channel(int number, const char* rx) {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(number);
  r.InUse = 1;
  r.RxFreq = FixedText<9>::From(rx);
  r.Offset = FixedText<9>::From("000000000");
  r.Name = NulTerminatedText<7>("CH" + std::to_string(number));
  r.Step = 5;
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

class Undo : public test::UiFixture {
 protected:
  void SetUp() override {
    UiFixture::SetUp();
    Start();
    app = std::make_unique<AppController>(
        state, AppController::Services{&notifier, settings.get(), nullptr, nullptr});
    window = &app->ShowMainWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ChannelList& list = state.current.channels;
    list.ChannelCount = 0;
    for (const ChannelRecord& r : {Channel(1, "014550000"), Channel(7, "043500000")})
      list.records[static_cast<std::size_t>(list.ChannelCount++)] = r;
    TakeSnapshot(state);
    window->ShowListByData();
  }
  void Key(int row, Qt::Key key) {
    window->grid().SetCurrentCell(row, 1);
    QTest::keyClick(&window->grid(), key, Qt::ControlModifier);
  }
  QAction* Item(const char* name) const { return window->findChild<QAction*>(name); }
  std::vector<int> Numbers() const {
    std::vector<int> n;
    const ChannelList& list = state.current.channels;
    for (int i = 0; i < list.ChannelCount; ++i) n.push_back(list.records[static_cast<std::size_t>(i)].Number);
    return n;
  }

  std::unique_ptr<AppController> app;
  FrmMain* window = nullptr;
};

TEST_F(Undo, PasteUndoRedoGiveBackTheExactLists) {
  const ChannelList saved = state.current.channels;
  Key(7, Qt::Key_X);
  Key(9, Qt::Key_V);
  const ChannelList pasted = state.current.channels;
  ASSERT_EQ(Numbers(), (std::vector<int>{1, 9}));
  EXPECT_EQ(window->undoStack().count(), 2);
  EXPECT_EQ(Item("mnuEditUndo")->text(), "&Undo Paste channel 9");

  Item("mnuEditUndo")->trigger();
  EXPECT_EQ(Numbers(), (std::vector<int>{1}));
  EXPECT_EQ(window->grid().CellText(9, 1), "");
  Item("mnuEditUndo")->trigger();
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 7}));
  EXPECT_EQ(window->grid().CellText(7, 1), "435.00000");
  EXPECT_TRUE(state.current.channels.records == saved.records);
  EXPECT_FALSE(Item("mnuEditUndo")->isEnabled());

  // Redo with Ctrl+Y and Ctrl+Shift+Z alike.
  QTest::keyClick(window, Qt::Key_Y, Qt::ControlModifier);
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(state.current.channels.records == pasted.records);
  EXPECT_EQ(window->grid().CellText(9, 3), "CH7");
}

TEST_F(Undo, UndoBackToTheSavedStateIsNotAModification) {
  Key(7, Qt::Key_X);
  EXPECT_TRUE(IsModified(state));
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(IsModified(state));
}

TEST_F(Undo, CopyAndNoOpChangesAreNoSteps) {
  Key(1, Qt::Key_C);
  Key(50, Qt::Key_X);  // an empty position: nothing to cut
  EXPECT_EQ(window->undoStack().count(), 0);
  bool ran = false;
  EXPECT_FALSE(window->editorHost().Change("nothing", [&](ProgramState&) { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_EQ(window->undoStack().count(), 0);
}

TEST_F(Undo, EditorChangesUndoTogetherWithTheirRepairsAndBandLimits) {
  ASSERT_TRUE(window->editorHost().Change("Band", [](ProgramState& s) {
    s.current.settings.Bands = {400, 470, 400, 470};
    s.current.settings.Signalling.Scan.PriorityChannel1 = 7;
  }));
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(state.current.settings.Bands, (BandLimits{136, 174, 136, 174}));
  EXPECT_EQ(state.app.WorkingLimits, (BandLimits{136, 174, 136, 174}));
  Item("mnuEditRedo")->trigger();
  EXPECT_EQ(state.app.WorkingLimits, (BandLimits{400, 470, 400, 470}));
  EXPECT_EQ(state.current.settings.Signalling.Scan.PriorityChannel1, 7);
}

TEST_F(Undo, NewOpenAndReadStartANewHistory) {
  Key(7, Qt::Key_X);
  ASSERT_EQ(window->undoStack().count(), 1);
  notifier.answers = {Answer::No, Answer::Ok};  // don't save; all data will be cleared
  Item("mnuFileNew")->trigger();
  EXPECT_EQ(window->undoStack().count(), 0);
  EXPECT_FALSE(Item("mnuEditUndo")->isEnabled());
}

}  // namespace
}  // namespace kt740
