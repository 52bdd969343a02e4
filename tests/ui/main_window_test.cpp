// frmMain: tree and feature switches, splitter and size rules, geometry, caption, language.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "program/settings_files.h"
#include "ui/common/twips.h"
#include "ui/main/editor_table.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_editor_host.h"
#include "ui/main/main_panes.h"
#include "ui_fixture.h"

namespace kt740 {
namespace {

class MainWindow : public test::UiFixture {
 protected:
  FrmMain& Open() {
    window = std::make_unique<FrmMain>(state, notifier, *settings);
    return *window;
  }
  QAction* Item(const char* name) const { return window->findChild<QAction*>(name); }
  QStringList Keys() const { return window->TreeKeys(); }

  std::unique_ptr<FrmMain> window;
};

TEST_F(MainWindow, TreeAndMenusFollowTheFeatureFlags) {
  Start();
  state.app.Flags = {};
  Open();
  EXPECT_EQ(Keys(), QStringList({"N0", "N1", "N4", "N10", "N11", "N12", "N8", "N9"}));
  EXPECT_EQ(window->TreeNode("N0")->text(0), "KT-740");
  EXPECT_TRUE(window->TreeNode("N0")->isExpanded());
  EXPECT_FALSE(Item("MnuViewDTMF")->isVisible());
  EXPECT_FALSE(Item("MnuHelpDTMF")->isVisible());

  // Ctrl alone in the tree reveals the switches; switching DTMF on puts N5 after N4.
  QTest::keyPress(&window->tree(), Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(state.app.Flags.FeatureMenusShown, 1);
  ASSERT_TRUE(Item("MnuHelpDTMF")->isVisible());
  Item("MnuHelpDTMF")->trigger();
  EXPECT_EQ(state.app.Flags.DTMFEnabled, 1);
  EXPECT_TRUE(Item("MnuViewDTMF")->isVisible());
  EXPECT_EQ(Keys(), QStringList({"N0", "N1", "N4", "N5", "N10", "N11", "N12", "N8", "N9"}));
  Item("MnuHelpDTMF")->trigger();
  EXPECT_EQ(state.app.Flags.DTMFEnabled, 0);
  EXPECT_FALSE(Keys().contains("N5"));
}

TEST_F(MainWindow, HiddenSwitchesClearTheFeatureFlagsAtLoad) {
  Start();
  state.app.Flags = {1, 1, 1, 1, 0};
  Open();
  EXPECT_EQ(state.app.Flags, (FeatureFlags{0, 0, 0, 0, 0}));
  EXPECT_FALSE(Keys().contains("N7"));

  window.reset();
  state.app.Flags = {1, 1, 1, 0, 1};
  Open();
  EXPECT_EQ(Keys(), QStringList({"N0", "N1", "N4", "N5", "N6", "N7", "N10", "N11", "N12", "N8", "N9"}));
  EXPECT_TRUE(Item("MnuHelp5Tone")->isChecked());
  EXPECT_TRUE(Item("MnuView2Tone")->isVisible());
}

// Every row of the table of editors opens from its menu item and its tree node: a dialog runs,
// or an editor not in this version says so.
TEST_F(MainWindow, TreeNodesAndMenuItemsOpenTheirEditors) {
  Start();
  state.app.Flags = {1, 1, 1, 0, 1};
  Open();
  QStringList dialogs;
  window->editorHost().SetDialogRunner([&](QDialog& d) {
    dialogs << d.objectName();
    return int(QDialog::Rejected);
  });
  int info = 0;
  window->commands().readInfo = [&] { ++info; };
  const auto events = [&] { return dialogs.size() + static_cast<qsizetype>(notifier.entries.size()); };
  for (const EditorSpec& editor : EditorTable()) {
    SCOPED_TRACE(editor.key);
    if (editor.treeKey) {
      const qsizetype before = events();
      window->NodeClick(editor.treeKey);
      EXPECT_EQ(events(), before + 1);
    }
    if (editor.action) {
      const qsizetype before = events();
      Item(editor.action)->trigger();
      EXPECT_EQ(events(), before + 1);
    }
  }
  const qsizetype before = events();
  window->NodeClick("N0");
  window->NodeClick("N9");
  EXPECT_EQ(events(), before);
  EXPECT_EQ(info, 1);
}

TEST_F(MainWindow, SplitterDragKeepsHalfTheWindowForTheGrid) {
  Start();
  Open();
  window->resize(900, 600);
  window->show();
  MainPanes& panes = window->panes();
  const int width = panes.WidthTwips();
  QWidget& bar = panes.imgSplitter();
  QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(1, 10));
  EXPECT_TRUE(panes.Dragging());
  QTest::mouseMove(&bar, QPoint(-2000, 10));
  EXPECT_EQ(panes.DragBarLeft(), width / 2);
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(-2000, 10));
  EXPECT_EQ(panes.SplitterLeft(), width / 2);

  panes.BeginDrag();
  panes.DragTo(PixelsToTwips(2000));
  panes.EndDrag();
  EXPECT_EQ(panes.SplitterLeft(), width - 30);
  EXPECT_EQ(window->tree().geometry().left(), TwipsToPixels(width - 30 + 40));

  // A resized window keeps the tree's width; the grid takes the change.
  const int tree = window->tree().width();
  panes.SizeControls(width / 2, false);
  const int treeBefore = window->tree().width();
  window->resize(1100, 600);
  QApplication::processEvents();
  EXPECT_NEAR(window->tree().width(), treeBefore, 1);
  EXPECT_NE(tree, treeBefore);
}

TEST_F(MainWindow, WindowIsNeverSmallerThan3000Twips) {
  Start();
  Open();
  window->show();
  window->resize(TwipsToPixels(2000), TwipsToPixels(2000));
  EXPECT_EQ(window->size(), QSize(200, 200));
  EXPECT_EQ(PixelsToTwips(window->width()), 3000);
}

TEST_F(MainWindow, GeometryIsStoredUnlessMinimised) {
  Start();
  Open();
  window->move(40, 30);
  window->resize(800, 500);
  window->show();
  window->close();
  settings->beginGroup("Settings");
  EXPECT_EQ(settings->value("MainWidth").toInt(), 800);
  EXPECT_EQ(settings->value("MainHeight").toInt(), 500);
  EXPECT_TRUE(settings->contains("MainLeft"));
  EXPECT_TRUE(settings->contains("MainTop"));
  settings->endGroup();

  window.reset();
  Open();
  EXPECT_EQ(window->size(), QSize(800, 500));
  window->show();
  window->resize(640, 480);
  window->showMinimized();
  window->close();
  EXPECT_EQ(settings->value("Settings/MainWidth").toInt(), 800);
}

TEST_F(MainWindow, FirstStartFillsTheScreen) {
  Start();
  Open();
  const QRect screen = window->screen()->availableGeometry();
  EXPECT_EQ(window->size(), screen.size());
  EXPECT_EQ(window->pos(), screen.topLeft());
}

TEST_F(MainWindow, ClosingWritesSettingIni) {
  Start();
  state.app.Flags = {0, 1, 0, 0, 1};
  Open();
  window->close();
  EXPECT_EQ(ReadSettingIni(SettingIniPath(state.app.folders)), (FeatureFlags{0, 1, 0, 0, 1}));
}

TEST_F(MainWindow, CaptionNamesModelBandsAndFile) {
  Start();
  Open();
  EXPECT_EQ(window->windowTitle(), "KT_740[KT-740:Rx(136 - 174 MHz) Tx(136 - 174 MHz)][File:new.dat]");
}

TEST_F(MainWindow, LanguageSwitchChangesCaptionsButToolTipsKeepTheirFirstTexts) {
  Start();
  Open();
  QToolBar* bar = window->findChild<QToolBar*>("tbToolBar");
  ASSERT_NE(bar, nullptr);
  QAction* open = window->findChild<QAction*>("TOpenFile");
  EXPECT_EQ(open->toolTip(), "Open");
  EXPECT_EQ(window->findChild<QMenu*>("mnuFile")->title(), "&File");
  EXPECT_EQ(Item("mnuFileOpen")->text(), "&Open...");

  SetLanguage(state.app, kLanguageChinese);
  window->FormReLoad();
  EXPECT_EQ(window->findChild<QMenu*>("mnuFile")->title(), "文件(&F)");
  EXPECT_EQ(Item("mnuFileOpen")->text(), "打开(&O)...");
  EXPECT_EQ(window->TreeNode("N4")->text(0), "功能选项");
  EXPECT_TRUE(window->windowTitle().contains("[文件:new.dat]"));
  EXPECT_EQ(open->toolTip(), "Open");
  EXPECT_EQ(window->FileFilter(), "数据文件 (*.dat)");
}

TEST_F(MainWindow, EveryMenuItemIsThere) {
  Start();
  Open();
  for (const char* name :
       {"mnuFile",        "mnuFileNew",       "mnuFileOpen",  "mnuFileSave",    "mnuFileSaveAs",
        "mnuFilePrint",   "mnuFileExit",      "MnuModel",     "MnuModelInfo",   "mnuEdit",
        "mnuEditCH",      "MnuViewSetMode",   "MnuViewRadio", "MnuViewDTMF",    "MnuView2Tone",
        "MnuView5Tone",   "MnuViewScan",      "MnuViewAlert", "MnuViewKey",     "MnuCommBook",
        "MnuEMg",         "MnuSet",           "MnuSetCom",    "MnuSetLanguage", "MnuSetInit",
        "mnuPro",         "mnuProRead",       "MnuProWrite",  "MnuProPassWord", "MnuView",
        "MnuViewToolBar", "MnuViewStatusBar", "MnuHelp",      "MnuHelpDTMF",    "MnuHelp2Tone",
        "MnuHelp5Tone",   "MnuHelpContent",   "MnuHelpAbout"})
    EXPECT_NE(Item(name), nullptr) << name;
  EXPECT_EQ(Item("mnuFileNew")->shortcut(), QKeySequence("Ctrl+N"));
  EXPECT_EQ(Item("mnuFileSave")->text(), "&Save");
  EXPECT_FALSE(Item("MnuViewRadio")->isVisible());
  EXPECT_FALSE(Item("MnuHelpContent")->isVisible());
  EXPECT_TRUE(Item("MnuViewToolBar")->isChecked());

  window->show();
  Item("MnuViewToolBar")->trigger();
  EXPECT_FALSE(window->findChild<QToolBar*>("tbToolBar")->isVisible());
  Item("MnuViewStatusBar")->trigger();
  EXPECT_FALSE(window->findChild<QWidget*>("sbStatusBar")->isVisible());
  EXPECT_EQ(window->findChild<QLabel*>("Panel1")->text(), "Status");
  EXPECT_FALSE(window->findChild<QLabel*>("Panel2")->text().isEmpty());
}

}  // namespace
}  // namespace kt740
