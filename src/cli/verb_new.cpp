#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/cli_startup.h"
#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "program/data_files.h"
#include "program/program_state.h"

namespace kt740 {

int RunNewVerb(const QStringList& rawArgs, CliContext& ctx) {
  constexpr OptionSpec kOptions[] = {{"--output", "-o"}};
  const ParsedArgs args = ParseArgs(rawArgs, kOptions);
  if (args.help) {
    ctx.out << "Usage: kt740-cli new -o CONFIG.dat\n\n"
               "Saves a fresh configuration, as New makes it from the program folder's\n"
               "templates (Init/), as CONFIG.dat and its channel file.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "new", args.error);
  if (!args.positional.isEmpty())
    return UsageError(ctx, "new", "unexpected argument " + args.positional.front().toStdString());
  if (!args.has("--output")) return UsageError(ctx, "new", "needs -o CONFIG.dat");
  const std::string output = args.value("--output").toStdString();

  auto state = StartCliProgram(ctx, StartupMode::ReadOnly);
  CliNotifier notifier(ctx.err);
  if (!SaveDataFile(*state, notifier, output)) {
    // The notifier has printed the file error and its reason.
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace kt740
