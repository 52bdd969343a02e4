#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/cli_startup.h"
#include "cli/link_runner.h"
#include "cli/verbs.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/radio_link.h"

namespace kt740 {

int RunWriteVerb(const QStringList& rawArgs, CliContext& ctx) {
  const auto specs = LinkOptionSpecs(true, {});
  const ParsedArgs args = ParseArgs(rawArgs, specs);
  if (args.help) {
    ctx.out << "Usage: kt740-cli write --port PORT CONFIG.dat [--password PW] [--retries N]\n\n"
               "Opens CONFIG.dat (and its channel file), encodes every block and writes 0x0100-0x3FFF\n"
               "to the radio; the radio-information area below 0x0100 is never written. A killed or\n"
               "stunned radio is refused before any frame. PORT is a device path or a port number\n"
               "(kt740-cli ports). --password answers the radio's password question; --retries\n"
               "answers the retry question with Retry up to N times, then Cancel (default 2).\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "write", args.error);
  LinkOptions options;
  std::string error;
  if (!ReadLinkOptions(args, options, error)) return UsageError(ctx, "write", error);
  if (args.positional.size() != 1) return UsageError(ctx, "write", "give exactly one CONFIG.dat");

  auto state = StartCliProgram(ctx, StartupMode::Full);
  CliNotifier notifier(ctx.err);
  if (!OpenDataFile(*state, notifier, args.positional.front().toStdString())) return kExitFailed;
  return RunLinkSession(*state, options, ctx, "write", StartWriteAll) ? kExitOk : kExitFailed;
}

}  // namespace kt740
