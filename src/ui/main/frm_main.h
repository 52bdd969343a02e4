// frmMain: the main window with its menus, tool bar, status bar, channel grid and tree.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QSettings;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QUndoStack;

namespace kt740 {

struct ProgramState;
class Notifier;
class ChannelGrid;
class MainPanes;
class MainEditorHost;
struct EditorSpec;

class FrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // The commands that need more than the window: files, radio, dialogs of this window.
  struct Commands {
    std::function<void()> fileNew, fileOpen, fileSave, fileSaveAs, initialSetup;
    std::function<void()> read, write, readInfo, password, comPort, language, about;
    // Asked when the window closes: false keeps it open.
    std::function<bool()> mayClose;
  };

  // settings: the per-user store of the window geometry (group "Settings").
  FrmMain(ProgramState& state, Notifier& notifier, QSettings& settings, QWidget* parent = nullptr);
  ~FrmMain() override;

  // Every change of the configuration made in this window is a step on this stack.
  QUndoStack& undoStack() { return *undo_; }
  MainEditorHost& editorHost() { return *host_; }
  // Opens an editor of the table of editors (the channel editor reads EditPosition).
  void OpenEditor(const EditorSpec& editor);
  // New, Open, Initial setup and Read start a new history.
  void ClearUndo();
  // A note of what just happened, shown for a few seconds over the status panels.
  void ShowStatus(const QString& text);
  static constexpr int kStatusMilliseconds = 6000;
  // While a radio session runs its commands are greyed out (they would be refused).
  void SetRadioBusy(bool busy);
  bool RadioBusy() const { return radioBusy_; }
  Commands& commands() { return commands_; }
  ChannelGrid& grid() { return *grid_; }
  MainPanes& panes() { return *panes_; }
  QTreeWidget& tree() { return *tree_; }

  // Language change: LocalizeForm, LoadShowTree, ShowListByData.
  void FormReLoad();
  void LoadShowTree();
  void ReShowFun();
  // The caption, then the grid from the channel list.
  void ShowListByData();
  // After the configuration changed as a whole: the tree and the grid.
  void ShowConfiguration();
  void SetCaption();
  void SizeControls(int splitPos, bool windowChanged);

  // The keys of the tree's nodes in order, the root first.
  QStringList TreeKeys() const;
  QTreeWidgetItem* TreeNode(const QString& key) const;
  void NodeClick(const QString& key);

  // Ctrl pressed alone: the three feature switches show in the Help menu.
  void RevealFeatureSwitches();

  // The file-dialog filter: "Data File (*.dat)".
  QString FileFilter() const { return fileFilter_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void FormLoad();
  void FormUnload();
  void LoadGeometry();
  void SaveGeometry();
  void UpdateClock();
  void ToggleFeature(QAction& action, int16_t& flag);
  void BuildUndoActions(QMenu& edit);
  void UpdateUndoTexts();
  void Run(const std::function<void()>& command);
  QAction* Action(const char* name) const;

  ProgramState& state_;
  Notifier& notifier_;
  QSettings& settings_;
  Commands commands_;
  ChannelGrid* grid_;
  QTreeWidget* tree_;
  MainPanes* panes_;
  QUndoStack* undo_;  // owned by the window
  std::unique_ptr<MainEditorHost> host_;
  QToolBar* toolBar_ = nullptr;
  QLabel* dateLabel_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QTimer* clock_ = nullptr;
  QString fileFilter_;
  bool radioBusy_ = false;
};

}  // namespace kt740
