// The menu bar, the tool bar and the status bar of frmMain.
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include "program/program_state.h"
#include "ui/common/localize.h"
#include "ui/common/qt_text.h"
#include "ui/common/texts.h"
#include "ui/main/channel_grid.h"
#include "ui/main/editor_table.h"
#include "ui/main/frm_main.h"

namespace kt740 {
namespace {

struct ItemSpec {
  const char* name;  // nullptr: a separator
  int text;
  const char* shortcut = nullptr;
  bool checkable = false;
};

struct MenuSpec {
  const char* name;
  int text;
  std::initializer_list<ItemSpec> items;
};

const MenuSpec kMenus[] = {
    {"mnuFile",
     1000,
     {{"mnuFileNew", 1001, "Ctrl+N"},
      {"mnuFileOpen", 1002, "Ctrl+O"},
      {"mnuFileSave", 1003, "Ctrl+S"},
      {"mnuFileSaveAs", 1004},
      {nullptr, 0},
      {"mnuFilePrint", 1005},
      {nullptr, 0},
      {"mnuFileExit", 1006}}},
    {"MnuModel", 1060, {{"MnuModelInfo", 1061}}},
    {"mnuEdit",
     1010,
     {{"mnuEditCH", 1011},
      {"MnuViewSetMode", 1021},
      {"MnuViewRadio", 1022},
      {"MnuViewDTMF", 1023},
      {"MnuView2Tone", 1024},
      {"MnuView5Tone", 1025},
      {"MnuViewScan", 2401},
      {"MnuViewAlert", 2601},
      {"MnuViewKey", 1029},
      {"MnuCommBook", 1804},
      {"MnuEMg", 1028}}},
    {"MnuSet", 1030, {{"MnuSetCom", 1031}, {"MnuSetLanguage", 1032}, {"MnuSetInit", 1033}}},
    {"mnuPro", 1040, {{"mnuProRead", 1041}, {"MnuProWrite", 1042}, {"MnuProPassWord", 1043}}},
    {"MnuView", 1020, {{"MnuViewToolBar", 1026, nullptr, true}, {"MnuViewStatusBar", 1027, nullptr, true}}},
    {"MnuHelp",
     1050,
     {{"MnuHelpDTMF", 1053, nullptr, true},
      {"MnuHelp2Tone", 1054, nullptr, true},
      {"MnuHelp5Tone", 1055, nullptr, true},
      {"MnuHelpContent", 1051},
      {"MnuHelpAbout", 1052}}},
};

struct ButtonSpec {
  const char* key;  // nullptr: a separator
  int toolTip;
  QStyle::StandardPixmap icon;
  const char* menuItem;  // the menu item it stands for
};

// The port button has no tool tip of its own; it borrows the text of its menu item.
const ButtonSpec kButtons[] = {
    {"TNewFile", 1001, QStyle::SP_FileIcon, "mnuFileNew"},
    {"TOpenFile", 1002, QStyle::SP_DialogOpenButton, "mnuFileOpen"},
    {"TSaveFile", 1003, QStyle::SP_DialogSaveButton, "mnuFileSave"},
    {nullptr, 0, QStyle::SP_CustomBase, nullptr},
    {"TUndo", 0, QStyle::SP_ArrowBack, "mnuEditUndo"},
    {"TRedo", 0, QStyle::SP_ArrowForward, "mnuEditRedo"},
    {nullptr, 0, QStyle::SP_CustomBase, nullptr},
    {"TCommRead", 1041, QStyle::SP_ArrowDown, "mnuProRead"},
    {"TCommPort", 1031, QStyle::SP_ComputerIcon, "MnuSetCom"},
    {"TCommWrite", 1042, QStyle::SP_ArrowUp, "MnuProWrite"},
    {nullptr, 0, QStyle::SP_CustomBase, nullptr},
    {"TAbout", 1052, QStyle::SP_MessageBoxInformation, "MnuHelpAbout"},
};

}  // namespace

void FrmMain::BuildMenus() {
  for (const MenuSpec& m : kMenus) {
    QMenu* menu = menuBar()->addMenu(QString::number(m.text));
    menu->setObjectName(QString::fromLatin1(m.name));
    menu->menuAction()->setObjectName(QString::fromLatin1(m.name));
    for (const ItemSpec& item : m.items) {
      if (!item.name) {
        menu->addSeparator();
        continue;
      }
      // Menu items carry their number as their caption until the first localisation.
      QAction* a = menu->addAction(QString::number(item.text));
      a->setObjectName(QString::fromLatin1(item.name));
      if (item.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
      a->setCheckable(item.checkable);
    }
  }
  BuildUndoActions(*findChild<QMenu*>(QStringLiteral("mnuEdit")));
  // Switched off in the design and never switched on: not offered at all.
  Action("MnuViewRadio")->setVisible(false);
  Action("MnuHelpContent")->setVisible(false);

  const auto on = [this](const char* name, const std::function<void()>& f) {
    connect(Action(name), &QAction::triggered, this, f);
  };
  on("mnuFileNew", [this] { Run(commands_.fileNew); });
  on("mnuFileOpen", [this] { Run(commands_.fileOpen); });
  on("mnuFileSave", [this] { Run(commands_.fileSave); });
  on("mnuFileSaveAs", [this] { Run(commands_.fileSaveAs); });
  on("mnuFileExit", [this] { close(); });
  on("mnuEditCH", [this] { grid().EditCurrentCell(); });
  for (const EditorSpec& editor : EditorTable()) {
    if (editor.action) on(editor.action, [this, &editor] { OpenEditor(editor); });
  }
  on("MnuEMg", [this] { Run(commands_.readInfo); });
  on("MnuSetCom", [this] { Run(commands_.comPort); });
  on("MnuSetLanguage", [this] { Run(commands_.language); });
  on("MnuSetInit", [this] { Run(commands_.initialSetup); });
  on("mnuProRead", [this] { Run(commands_.read); });
  on("MnuProWrite", [this] { Run(commands_.write); });
  on("MnuProPassWord", [this] { Run(commands_.password); });
  on("MnuHelpAbout", [this] { Run(commands_.about); });
  connect(Action("MnuViewToolBar"), &QAction::triggered, this,
          [this](bool checked) { toolBar_->setVisible(checked); });
  connect(Action("MnuViewStatusBar"), &QAction::triggered, this,
          [this](bool checked) { statusBar()->setVisible(checked); });
  connect(Action("MnuHelpDTMF"), &QAction::triggered, this,
          [this] { ToggleFeature(*Action("MnuHelpDTMF"), state_.app.Flags.DTMFEnabled); });
  connect(Action("MnuHelp2Tone"), &QAction::triggered, this,
          [this] { ToggleFeature(*Action("MnuHelp2Tone"), state_.app.Flags.TwoToneEnabled); });
  connect(Action("MnuHelp5Tone"), &QAction::triggered, this,
          [this] { ToggleFeature(*Action("MnuHelp5Tone"), state_.app.Flags.FiveToneEnabled); });
}

// Undo and Redo head the Edit menu; their captions name the step they would take back or redo.
void FrmMain::BuildUndoActions(QMenu& edit) {
  QAction* first = edit.actions().isEmpty() ? nullptr : edit.actions().first();
  auto* undo = new QAction(&edit);
  undo->setObjectName(QStringLiteral("mnuEditUndo"));
  undo->setShortcut(QKeySequence::Undo);
  auto* redo = new QAction(&edit);
  redo->setObjectName(QStringLiteral("mnuEditRedo"));
  redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
  edit.insertAction(first, undo);
  edit.insertAction(first, redo);
  edit.insertSeparator(first);
  connect(undo, &QAction::triggered, undo_, &QUndoStack::undo);
  connect(redo, &QAction::triggered, undo_, &QUndoStack::redo);
  connect(undo_, &QUndoStack::indexChanged, this, &FrmMain::UpdateUndoTexts);
  connect(undo_, &QUndoStack::cleanChanged, this, &FrmMain::UpdateUndoTexts);
}

void FrmMain::UpdateUndoTexts() {
  const Texts texts = TextsFor(state_);
  const QString undoWord = texts.Pick(QStringLiteral("&Undo"), QStringLiteral("撤销(&U)"));
  const QString redoWord = texts.Pick(QStringLiteral("&Redo"), QStringLiteral("重做(&R)"));
  const auto caption = [](const QString& word, const QString& step) {
    return step.isEmpty() ? word : word + QLatin1Char(' ') + step;
  };
  const struct {
    const char* menu;
    const char* button;
    QString text;
    bool enabled;
  } items[] = {{"mnuEditUndo", "TUndo", caption(undoWord, undo_->undoText()), undo_->canUndo()},
               {"mnuEditRedo", "TRedo", caption(redoWord, undo_->redoText()), undo_->canRedo()}};
  for (const auto& item : items) {
    QAction* menu = Action(item.menu);
    if (!menu) continue;
    menu->setText(item.text);
    menu->setEnabled(item.enabled);
    if (QAction* button = Action(item.button)) {
      button->setToolTip(PlainCaption(item.text));
      button->setEnabled(item.enabled);
    }
  }
}

void FrmMain::BuildToolBar() {
  toolBar_ = addToolBar(QString());
  toolBar_->setObjectName(QStringLiteral("tbToolBar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->toggleViewAction()->setVisible(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  for (const ButtonSpec& b : kButtons) {
    if (!b.key) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* a = toolBar_->addAction(style()->standardIcon(b.icon), QString());
    a->setObjectName(QString::fromLatin1(b.key));
    if (b.toolTip) SetToolTipId(*a, b.toolTip);
    QAction* item = Action(b.menuItem);
    connect(a, &QAction::triggered, item, &QAction::trigger);
  }
}

void FrmMain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("sbStatusBar"));
  bar->setSizeGripEnabled(true);
  auto* status = new QLabel(QStringLiteral("Status"), bar);
  status->setObjectName(QStringLiteral("Panel1"));
  dateLabel_ = new QLabel(bar);
  dateLabel_->setObjectName(QStringLiteral("Panel2"));
  timeLabel_ = new QLabel(bar);
  timeLabel_->setObjectName(QStringLiteral("Panel3"));
  for (QLabel* l : {status, dateLabel_, timeLabel_}) {
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setContentsMargins(6, 0, 6, 0);
  }
  bar->addWidget(status, 1);
  bar->addPermanentWidget(dateLabel_);
  bar->addPermanentWidget(timeLabel_);
  clock_ = new QTimer(this);
  clock_->setInterval(1000);
  connect(clock_, &QTimer::timeout, this, &FrmMain::UpdateClock);
  clock_->start();
  UpdateClock();
}

void FrmMain::UpdateClock() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale = QLocale::system();
  dateLabel_->setText(locale.toString(now.date(), QLocale::ShortFormat));
  timeLabel_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

}  // namespace kt740
