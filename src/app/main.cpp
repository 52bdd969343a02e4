// kt740: the desktop application. Start-up, the splash screen, then the main window.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTimer>
#include <iostream>

#include "app/app_controller.h"
#include "app/startup_report.h"
#include "platform/program_startup.h"
#include "program/program_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/fonts.h"
#include "ui/common/qt_notifier.h"
#include "ui/common/qt_text.h"
#include "ui/common/qt_translations.h"
#include "ui/main/frm_main.h"
#include "ui/main/frm_splash.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KT740");
  QApplication::setApplicationName("kt740");
  QApplication::setApplicationVersion(QStringLiteral(KT740_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription("Programming software for the KT-740 hand-held FM radio.");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption({"home", "Program folder (language/, Init/, start-up pictures).", "DIR"});
  parser.addOption({"report", "Print the start-up state and exit."});
  parser.addOption({"no-splash", "Open the main window at once."});
  parser.addOption({"exit-when-shown", "Quit as soon as the main window has shown (for timing)."});
  parser.process(app);

  kt740::ProgramState state;
  const auto ports = kt740::StartProgram(state, parser.value("home"), kt740::StartupMode::Full);
  if (parser.isSet("report")) {
    std::cout << kt740::StartupReport(state);
    return 0;
  }
  kt740::InstallFontSubstitutes();

  kt740::QtNotifier notifier;
  notifier.SetLanguage(&state.app.LanguageId);
  kt740::UseQtTranslations(state.app.LanguageId);
  QSettings settings(kt740::Q(state.app.folders.userDir) + "/KT_740.ini", QSettings::IniFormat);
  kt740::QtFileDialogs fileDialogs(&settings);
  kt740::AppController controller(state, {&notifier, &settings, ports.get(), &fileDialogs});
  const bool exitWhenShown = parser.isSet("exit-when-shown");
  const auto openMain = [&] {
    kt740::FrmMain& window = controller.ShowMainWindow();
    notifier.SetParent(&window);
    if (exitWhenShown) {
      QTimer::singleShot(0, &window, [&window] {
        window.repaint();
        QApplication::exit(0);
      });
    }
  };
  if (parser.isSet("no-splash")) {
    openMain();
    return QApplication::exec();
  }
  const QString picture = QDir(kt740::Q(state.app.folders.programDir))
                              .filePath(kt740::FrmSplash::PictureName(state.app.LanguageId));
  kt740::FrmSplash splash(picture, openMain);
  splash.show();
  splash.repaint();
  return QApplication::exec();
}
