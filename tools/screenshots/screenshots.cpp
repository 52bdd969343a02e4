// kt740-screenshots: opens the main window and each dialog of the desktop application, in
// English and in Chinese, with a configuration of a dozen channels, and saves a PNG of each.
//   kt740-screenshots OUTPUT_DIR      (scripts/screenshots runs it under Xvfb)
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/app_controller.h"
#include "core/builtin_text.h"
#include "core/profile.h"
#include "link/port_list.h"
#include "program/program_state.h"
#include "program/startup.h"
#include "shooter.h"
#include "ui/common/fonts.h"
#include "ui/common/qt_notifier.h"
#include "ui/common/qt_text.h"
#include "ui/common/qt_translations.h"
#include "ui/common/texts.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/frm_com_set.h"
#include "ui/dialogs/frm_language.h"
#include "ui/dialogs/frm_pass_word.h"
#include "ui/dialogs/frm_progress.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"
#include "ui/main/frm_splash.h"

namespace kt740 {
namespace {

class ExamplePorts : public PortList {
 public:
  std::vector<PortEntry> Ports() const override {
    return {{1, "/dev/ttyS0", ""}, {3, "/dev/ttyUSB0", "USB serial"}};
  }
};

class NoMessages : public Notifier {
 public:
  void Message(const std::string&, Icon) override {}
  Answer Ask(const std::string&, Buttons, Icon) override { return Answer::Cancel; }
};

struct Example {
  int number;
  const char* rx;
  const char* name;
  int offsetDir;
  const char* offset;
  int tone1Type, tone1, tone2Type, tone2, signalling, power, bandwidth;
};

const Example kChannels[] = {
    {1, "014552500", "CALL", 0, "000000000", 0, 0, 0, 0, 0, 0, 0},
    {2, "014560000", "RPT1", 1, "000060000", 1, 12, 1, 12, 0, 0, 0},
    {3, "014572500", "RPT2", 1, "000060000", 2, 19, 2, 19, 0, 1, 2},
    {4, "014600000", "SIMPLX", 0, "000000000", 0, 0, 0, 0, 1, 2, 2},
    {5, "014650000", "NET", 2, "000060000", 1, 20, 0, 0, 2, 0, 0},
    {6, "015250000", "MARINE", 0, "000000000", 0, 0, 0, 0, 3, 0, 1},
    {7, "015600000", "CH16", 0, "000000000", 2, 83, 2, 83, 0, 2, 2},
    {8, "016005000", "SITE A", 2, "000500000", 1, 30, 1, 30, 1, 1, 0},
    {9, "016212500", "SITE B", 2, "000500000", 0, 0, 1, 5, 0, 0, 2},
    {10, "017300000", "EMERG", 0, "000000000", 2, 100, 0, 0, 0, 0, 0},
    {kChannelPA, "014400000", "PA", 0, "000000000", 0, 0, 0, 0, 0, 0, 0},
    {kChannelVFO, "015500000", "", 0, "000000000", 0, 0, 0, 0, 0, 0, 0},
};

void FillChannels(ProgramState& state) {
  ChannelList& list = state.current.channels;
  list.ChannelCount = 0;
  for (const Example& e : kChannels) {
    ChannelRecord r;
    r.Number = static_cast<int16_t>(e.number);
    r.InUse = 1;
    r.RxFreq = FixedText<9>::From(e.rx);
    r.Offset = FixedText<9>::From(e.offset);
    r.Name = NulTerminatedText<7>(e.name);
    r.OffsetDir = static_cast<int16_t>(e.offsetDir);
    r.Tone1Type = static_cast<int16_t>(e.tone1Type);
    r.Tone2Type = static_cast<int16_t>(e.tone2Type);
    (e.tone1Type == 1 ? r.Tone1Ctcss : r.Tone1Dcs) = static_cast<int16_t>(e.tone1);
    (e.tone2Type == 1 ? r.Tone2Ctcss : r.Tone2Dcs) = static_cast<int16_t>(e.tone2);
    r.Signalling = static_cast<int16_t>(e.signalling);
    r.TxPower = static_cast<int16_t>(e.power);
    r.Bandwidth = static_cast<int16_t>(e.bandwidth);
    r.Step = 5;
    r.PttIdCode = FixedText<5>::From("00000");
    list.records[static_cast<std::size_t>(list.ChannelCount++)] = r;
  }
}

void ShootLanguage(Shooter& shoot, const std::string& locale, const QString& suffix, const QString& userDir) {
  ProgramState state;
  state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
  state.app.folders.userDir = U8(userDir + QStringLiteral("/config-") + suffix);
  StartupEnvironment env;
  env.systemLocale = locale;
  env.today = {2026, 3, 7};
  RunStartup(state, env);
  state.app.Flags = {1, 1, 1, 0, 1};
  FillChannels(state);
  state.app.CurrentFileName = "/home/user/radios/site-a.dat";

  NoMessages notifier;
  QSettings settings(userDir + QStringLiteral("/geometry-") + suffix + QStringLiteral(".ini"),
                     QSettings::IniFormat);
  settings.setValue("Settings/MainLeft", 0);
  settings.setValue("Settings/MainTop", 0);
  settings.setValue("Settings/MainWidth", 1180);
  settings.setValue("Settings/MainHeight", 720);
  FrmMain main(state, notifier, settings);
  main.ShowListByData();
  main.grid().SetCurrentCell(3, 2);
  main.grid().setFocus();
  shoot.Save(main, QStringLiteral("main-") + suffix);
  for (const char* menu : {"mnuFile", "mnuEdit", "MnuSet", "mnuPro", "MnuHelp"}) {
    QMenu* m = main.findChild<QMenu*>(menu);
    m->popup(main.mapToGlobal(QPoint(0, 0)));
    shoot.Save(*m, QStringLiteral("menu-") + QString::fromLatin1(menu) + QLatin1Char('-') + suffix);
    m->hide();
  }

  UseQtTranslations(state.app.LanguageId);
  QFileDialog files(&main, QString(), userDir,
                    Q(BuiltInText(BuiltIn::TextDataFile, state.app.LanguageId)) + " (*.dat)");
  files.setOption(QFileDialog::DontUseNativeDialog);
  files.setAcceptMode(QFileDialog::AcceptSave);
  files.resize(640, 400);
  shoot.Save(files, QStringLiteral("FileDialog-") + suffix);
  files.hide();

  ExamplePorts ports;
  FrmComSet com(TextsFor(state), AppController::CurrentPort(state.app), ports,
                AppController::SimulatorCaption(state.app.LanguageId), &main);
  shoot.Save(com, QStringLiteral("FrmComSet-") + suffix);
  FrmLanguage language(TextsFor(state), &main);
  shoot.Save(language, QStringLiteral("FrmLanguage-") + suffix);
  FrmPassWord password(TextsFor(state), "ab", &main);
  shoot.Save(password, QStringLiteral("FrmPassWord-") + suffix);
  FrmProgress progress(TextsFor(state), false, &main);
  progress.SetProgressValue(37);
  shoot.Save(progress, QStringLiteral("FrmProgress-read-") + suffix);
  progress.Finish();
  FrmProgress write(TextsFor(state), true, &main);
  write.SetProgressValue(100);
  shoot.Save(write, QStringLiteral("FrmProgress-write-") + suffix);
  write.Finish();
  FrmAbout about(TextsFor(state), Q(state.app.VersionText), &ports, notifier, &main);
  shoot.Save(about, QStringLiteral("frmAbout-") + suffix);

  QtNotifier boxes;
  boxes.SetParent(&main);
  boxes.SetLanguage(&state.app.LanguageId);
  const int lang = state.app.LanguageId;
  const auto save =
      boxes.MakeBox(BuiltInText(BuiltIn::TextSaveModified, lang), Buttons::YesNoCancel, Icon::Warning);
  shoot.Save(*save, QStringLiteral("question-unsaved-") + suffix);
  const auto confirm =
      boxes.MakeBox(BuiltInText(BuiltIn::TextReadConfirm, lang), Buttons::OkCancel, Icon::Question);
  shoot.Save(*confirm, QStringLiteral("question-read-") + suffix);
  const auto retry = boxes.MakeBox(LangText(state, 2003), Buttons::RetryCancel, Icon::Question);
  shoot.Save(*retry, QStringLiteral("question-retry-") + suffix);

  const QString picture =
      QDir(Q(state.app.folders.programDir)).filePath(FrmSplash::PictureName(state.app.LanguageId));
  FrmSplash splash(picture, [] {});
  shoot.Save(splash, QStringLiteral("splash-") + suffix);
  splash.Finish();
  FrmSplash plain(QStringLiteral("/nonexistent.jpg"), [] {});
  shoot.Save(plain, QStringLiteral("splash-missing-") + suffix);
  plain.Finish();
  ShotContext context{shoot, state, main, notifier, suffix};
  for (const ShotFunction area : AreaShots()) area(context);
  shoot.SaveSheet(QStringLiteral("sheet-") + suffix);
}

}  // namespace
}  // namespace kt740

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kt740-screenshots OUTPUT_DIR\n");
    return 2;
  }
  QDir().mkpath(QString::fromLocal8Bit(argv[1]));
  kt740::InstallFontSubstitutes();
  QTemporaryDir user;
  kt740::Shooter shoot(QString::fromLocal8Bit(argv[1]));
  kt740::ShootLanguage(shoot, "en_US", "en", user.path());
  kt740::ShootLanguage(shoot, "zh_CN", "zh", user.path());
  return 0;
}
