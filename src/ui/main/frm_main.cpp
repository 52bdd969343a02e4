#include "ui/main/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUndoStack>

#include "core/builtin_text.h"
#include "program/program_state.h"
#include "program/settings_files.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"
#include "ui/common/twips.h"
#include "ui/main/channel_grid.h"
#include "ui/main/editor_table.h"
#include "ui/main/main_editor_host.h"
#include "ui/main/main_panes.h"

namespace kt740 {
namespace {

constexpr int kKeyRole = Qt::UserRole;

struct NodeSpec {
  const char* key;
  int text;  // 0: the text is given otherwise
};

// Pressing Ctrl with no other key and no other modifier.
bool IsCtrlAlone(const QKeyEvent& e) {
  const Qt::KeyboardModifiers mods = e.modifiers() & ~(Qt::ControlModifier | Qt::KeypadModifier);
  return e.key() == Qt::Key_Control && mods == Qt::NoModifier;
}

}  // namespace

FrmMain::FrmMain(ProgramState& state, Notifier& notifier, QSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      notifier_(notifier),
      settings_(settings),
      grid_(new ChannelGrid(state)),
      tree_(new QTreeWidget),
      panes_(new MainPanes(*grid_, *tree_, this)),
      undo_(new QUndoStack(this)),
      host_(
          std::make_unique<MainEditorHost>(state, notifier, *undo_, this, [this] { ShowConfiguration(); })) {
  // Each step keeps two whole configurations (some tens of kilobytes).
  undo_->setUndoLimit(100);
  setObjectName(QStringLiteral("frmMain"));
  tree_->setObjectName(QStringLiteral("tvTreeView"));
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(true);
  tree_->installEventFilter(this);
  setCentralWidget(panes_);
  setMinimumSize(TwipsToPixels(kMinimumWindowTwips), TwipsToPixels(kMinimumWindowTwips));
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { NodeClick(item->data(0, kKeyRole).toString()); });
  grid_->openChannelEditor = [this] { OpenEditor(*EditorForKey(QStringLiteral("channel"))); };
  grid_->change = [this](const QString& name, const std::function<void(ProgramState&)>& change) {
    return host_->Change(name, change);
  };
  grid_->ctrlAlone = [this] { RevealFeatureSwitches(); };
  FormLoad();
}

FrmMain::~FrmMain() {
  // The stack goes with the window's children; its last signals must not reach a half-gone window.
  undo_->disconnect(this);
}

QAction* FrmMain::Action(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

void FrmMain::Run(const std::function<void()>& command) {
  if (command) command();
}

void FrmMain::FormLoad() {
  FeatureFlags& f = state_.app.Flags;
  const bool shown = f.FeatureMenusShown != 0;
  if (!shown) f.FiveToneEnabled = f.TwoToneEnabled = f.DTMFEnabled = f.Reserved = 0;
  Action("MnuHelpDTMF")->setVisible(shown);
  Action("MnuHelp2Tone")->setVisible(shown);
  Action("MnuHelp5Tone")->setVisible(shown);
  Action("MnuHelpDTMF")->setChecked(f.DTMFEnabled != 0);
  Action("MnuHelp2Tone")->setChecked(f.TwoToneEnabled != 0);
  Action("MnuHelp5Tone")->setChecked(f.FiveToneEnabled != 0);
  Action("MnuView5Tone")->setVisible(f.FiveToneEnabled != 0);
  Action("MnuView2Tone")->setVisible(f.TwoToneEnabled != 0);
  Action("MnuViewDTMF")->setVisible(f.DTMFEnabled != 0);

  LocalizeForm(*this, TextsFor(state_));
  UpdateUndoTexts();
  Action("MnuViewToolBar")->setChecked(true);
  Action("MnuViewStatusBar")->setChecked(true);
  LoadGeometry();
  LoadShowTree();
  ShowListByData();
}

void FrmMain::FormReLoad() {
  LocalizeForm(*this, TextsFor(state_));
  UpdateUndoTexts();
  LoadShowTree();
  ShowListByData();
}

void FrmMain::LoadGeometry() {
  const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1024, 768);
  settings_.beginGroup(QStringLiteral("Settings"));
  const int left = settings_.value(QStringLiteral("MainLeft"), screen.left()).toInt();
  const int top = settings_.value(QStringLiteral("MainTop"), screen.top()).toInt();
  const int width = settings_.value(QStringLiteral("MainWidth"), screen.width()).toInt();
  const int height = settings_.value(QStringLiteral("MainHeight"), screen.height()).toInt();
  settings_.endGroup();
  move(left, top);
  resize(width, height);
}

void FrmMain::SaveGeometry() {
  if (isMinimized()) return;
  const QRect frame = frameGeometry();
  settings_.beginGroup(QStringLiteral("Settings"));
  settings_.setValue(QStringLiteral("MainLeft"), frame.left());
  settings_.setValue(QStringLiteral("MainTop"), frame.top());
  settings_.setValue(QStringLiteral("MainWidth"), width());
  settings_.setValue(QStringLiteral("MainHeight"), height());
  settings_.endGroup();
  settings_.sync();
}

void FrmMain::LoadShowTree() {
  static const NodeSpec kNodes[] = {{"N1", 0},     {"N4", 5021},  {"N5", 5023},  {"N6", 5024}, {"N7", 5025},
                                    {"N10", 2400}, {"N11", 2600}, {"N12", 5029}, {"N8", 5804}, {"N9", 5028}};
  fileFilter_ = Q(BuiltInText(BuiltIn::TextDataFile, state_.app.LanguageId)) + QStringLiteral(" (*.dat)");
  tree_->clear();
  auto* root = new QTreeWidgetItem(tree_, {Q(state_.app.ModelDisplayName)});
  root->setData(0, kKeyRole, QStringLiteral("N0"));
  const FeatureFlags& f = state_.app.Flags;
  for (const NodeSpec& n : kNodes) {
    const QString key = QString::fromLatin1(n.key);
    if ((key == "N5" && !f.DTMFEnabled) || (key == "N6" && !f.TwoToneEnabled) ||
        (key == "N7" && !f.FiveToneEnabled))
      continue;
    auto* item = new QTreeWidgetItem(root, {n.text ? TextsFor(state_).Lang(n.text) : QStringLiteral("CH")});
    item->setData(0, kKeyRole, key);
  }
  root->setExpanded(true);
  if (radioBusy_) SetRadioBusy(true);
}

QStringList FrmMain::TreeKeys() const {
  QStringList keys;
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) keys << (*it)->data(0, kKeyRole).toString();
  return keys;
}

QTreeWidgetItem* FrmMain::TreeNode(const QString& key) const {
  for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
    if ((*it)->data(0, kKeyRole).toString() == key) return *it;
  }
  return nullptr;
}

void FrmMain::NodeClick(const QString& key) {
  if (key == "N1") {
    grid_->setFocus();
  } else if (key == "N9") {
    if (!radioBusy_) Run(commands_.readInfo);  // as MnuEMg: read the information area, then show it
  } else if (const EditorSpec* editor = EditorForTreeNode(key)) {
    OpenEditor(*editor);
  }
}

void FrmMain::OpenEditor(const EditorSpec& editor) {
  editor.open(*host_);
}

void FrmMain::ClearUndo() {
  undo_->clear();
}

void FrmMain::ShowStatus(const QString& text) {
  statusBar()->showMessage(text, kStatusMilliseconds);
}

void FrmMain::SetRadioBusy(bool busy) {
  radioBusy_ = busy;
  for (const char* name :
       {"mnuProRead", "MnuProWrite", "MnuEMg", "MnuSetCom", "TCommRead", "TCommWrite", "TCommPort"}) {
    if (QAction* a = Action(name)) a->setEnabled(!busy);
  }
  if (QTreeWidgetItem* info = TreeNode(QStringLiteral("N9"))) info->setDisabled(busy);
}

void FrmMain::ShowConfiguration() {
  LoadShowTree();
  ShowListByData();
}

void FrmMain::ReShowFun() {
  const FeatureFlags& f = state_.app.Flags;
  Action("MnuViewDTMF")->setVisible(f.DTMFEnabled != 0);
  Action("MnuView2Tone")->setVisible(f.TwoToneEnabled != 0);
  Action("MnuView5Tone")->setVisible(f.FiveToneEnabled != 0);
  LoadShowTree();
}

void FrmMain::ToggleFeature(QAction& action, int16_t& flag) {
  flag = action.isChecked() ? 1 : 0;
  ReShowFun();
}

void FrmMain::RevealFeatureSwitches() {
  state_.app.Flags.FeatureMenusShown = 1;
  Action("MnuHelpDTMF")->setVisible(true);
  Action("MnuHelp2Tone")->setVisible(true);
  Action("MnuHelp5Tone")->setVisible(true);
}

void FrmMain::SetCaption() {
  const AppState& a = state_.app;
  setWindowTitle(QStringLiteral("KT_740[") + Q(a.ModelDisplayName) + ":" + Q(a.BandText) + "][" +
                 TextsFor(state_).Lang(2012) + ":" + Q(a.CurrentFileName) + "]");
}

void FrmMain::ShowListByData() {
  SetCaption();
  grid_->ShowListByData();
  panes_->SizeControls(panes_->SplitterLeft(), false);
}

void FrmMain::SizeControls(int splitPos, bool windowChanged) {
  panes_->SizeControls(splitPos, windowChanged);
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
  if (IsCtrlAlone(*event)) RevealFeatureSwitches();
  QMainWindow::keyPressEvent(event);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_ && event->type() == QEvent::KeyPress && IsCtrlAlone(*static_cast<QKeyEvent*>(event)))
    RevealFeatureSwitches();
  return QMainWindow::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent* event) {
  if (commands_.mayClose && !commands_.mayClose()) {
    event->ignore();
    return;
  }
  FormUnload();
  event->accept();
}

void FrmMain::FormUnload() {
  for (QDialog* d : findChildren<QDialog*>()) {
    if (d->isVisible()) d->reject();
  }
  SaveGeometry();
  WriteSettingIni(SettingIniPath(state_.app.folders), state_.app.Flags);
}

}  // namespace kt740
