#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/link_runner.h"
#include "cli/verbs.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/radio_link.h"

namespace kt740 {

int RunWriteVerb(const QStringList& argsIn, CliContext& ctx) {
  QStringList args = argsIn;
  if (args.contains("--help") || args.contains("-h")) {
    ctx.out << "Usage: kt740-cli write --port PORT CONFIG.dat [--password PW] [--retries N]\n\n"
               "Opens CONFIG.dat (and its channel file), encodes every block and writes 0x0100-0x3FFF\n"
               "to the radio; the radio-information area below 0x0100 is never written. A killed or\n"
               "stunned radio is refused before any frame. PORT is a device path or a port number\n"
               "(kt740-cli ports). --password answers the radio's password question; --retries\n"
               "answers the retry question with Retry up to N times, then Cancel (default 2).\n";
    return kExitOk;
  }
  LinkOptions options;
  if (!TakeLinkOptions(args, options, ctx, "write", true)) return kExitUsage;
  if (args.size() != 1 || args.front().startsWith("-")) {
    ctx.err << "kt740-cli write: give exactly one CONFIG.dat\n";
    return kExitUsage;
  }
  ProgramState state;
  PrepareState(state, ctx);
  CliNotifier notifier(ctx.err);
  if (!OpenDataFile(state, notifier, args.front().toStdString())) return kExitFailed;
  return RunLinkSession(state, options, ctx, "write", StartWriteAll) ? kExitOk : kExitFailed;
}

}  // namespace kt740
