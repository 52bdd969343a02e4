// kt740: the desktop application. Until the main window lands it starts, builds the fresh
// configuration and reports the start-up state.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <iostream>

#include "app/startup_report.h"
#include "core/program_state.h"
#include "core/startup.h"
#include "platform/folders.h"
#include "platform/startup_environment.h"
#include "platform/system_port_list.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("KT740");
  QApplication::setApplicationName("kt740");
  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addOption({"home", "Program folder (language/, Init/).", "DIR"});
  parser.addOption({"report", "Print the start-up state and exit."});
  parser.process(app);

  kt740::ProgramState state;
  state.app.folders = kt740::ResolveFolders(parser.value("home"));
  const kt740::SystemPortList ports(kt740::PortMapPath(state.app.folders.userDir));
  kt740::RunStartup(state, kt740::MakeStartupEnvironment(&ports));
  const std::string report = kt740::StartupReport(state);
  std::cout << report;
  if (parser.isSet("report")) return 0;
  QMessageBox::information(nullptr, "KT-740", QString::fromStdString(report));
  return 0;
}
