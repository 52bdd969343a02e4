#include <ostream>

#include "cli/cli_startup.h"
#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "program/program_state.h"

namespace kt740 {

int RunInfoVerb(const QStringList& rawArgs, CliContext& ctx) {
  const ParsedArgs args = ParseArgs(rawArgs, {});
  if (args.help) {
    ctx.out << "Usage: kt740-cli info\n\nPrints the folders, language, serial port and model that "
               "start-up chooses.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "info", args.error);
  if (!args.positional.isEmpty())
    return UsageError(ctx, "info", "unexpected argument " + args.positional.front().toStdString());
  const auto state = StartCliProgram(ctx, StartupMode::ReadOnly);
  const AppState& a = state->app;
  ctx.out << "Program folder: " << a.folders.programDir << "\n"
          << "Settings folder: " << a.folders.userDir << "\n"
          << "Language: " << a.LanguageFile << "\n"
          << "Port: COM" << a.ComPort << "\n"
          << "Model: " << a.ModelDisplayName << " (" << a.ModelName << ", code " << a.ModelCode << ")\n"
          << "Bands: " << a.BandText << "\n";
  return kExitOk;
}

}  // namespace kt740
