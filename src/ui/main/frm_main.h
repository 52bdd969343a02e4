// frmMain: the main window with its menus, tool bar, status bar, channel grid and tree.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>

class QAction;
class QLabel;
class QSettings;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace kt740 {

struct ProgramState;
class Notifier;
class ChannelGrid;
class MainPanes;

class FrmMain : public QMainWindow {
  Q_OBJECT

 public:
  // The dialogs of other areas, filled in as they land; an empty hook does nothing.
  struct Editors {
    std::function<void()> channel;  // EditPosition holds the cell
    std::function<void()> options, dtmf, twoTone, fiveTone, scan, alert, keys, commBook;
    std::function<void()> modelInfo, print;
    std::function<void()> embedInfo;  // after a successful information read
  };
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

  Editors& editors() { return editors_; }
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
  void Run(const std::function<void()>& command);
  QAction* Action(const char* name) const;

  ProgramState& state_;
  Notifier& notifier_;
  QSettings& settings_;
  Editors editors_;
  Commands commands_;
  ChannelGrid* grid_;
  QTreeWidget* tree_;
  MainPanes* panes_;
  QToolBar* toolBar_ = nullptr;
  QLabel* dateLabel_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QTimer* clock_ = nullptr;
  QString fileFilter_;
};

}  // namespace kt740
