#include <ostream>

#include "cli/verbs.h"
#include "platform/folders.h"
#include "platform/startup_environment.h"
#include "program/program_state.h"
#include "program/startup.h"

namespace kt740 {

int RunInfoVerb(const QStringList& args, CliContext& ctx) {
  if (args.contains("--help") || args.contains("-h")) {
    ctx.out << "Usage: kt740-cli info\n\nPrints the folders, language, serial port and model that "
               "start-up chooses.\n";
    return kExitOk;
  }
  if (!args.isEmpty()) {
    ctx.err << "kt740-cli info: unexpected argument " << args.front().toStdString() << "\n";
    return kExitUsage;
  }
  ProgramState state;
  state.app.folders = ResolveFolders(ctx.home);
  RunStartup(state, MakeStartupEnvironment(nullptr));
  const AppState& a = state.app;
  ctx.out << "Program folder: " << a.folders.programDir << "\n"
          << "Settings folder: " << a.folders.userDir << "\n"
          << "Language: " << a.LanguageFile << "\n"
          << "Port: COM" << a.ComPort << "\n"
          << "Model: " << a.ModelDisplayName << " (" << a.ModelName << ", code " << a.ModelCode << ")\n"
          << "Bands: " << a.BandText << "\n";
  return kExitOk;
}

}  // namespace kt740
