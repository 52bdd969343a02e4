#include <ostream>

#include "cli/cli_verb.h"
#include "cli/verb_args.h"

namespace kt740 {
namespace {

void PrintUsage(std::ostream& os) {
  os << "Usage: kt740-cli [--home DIR] VERB [ARGS...]\n\n"
        "Programs the KT-740 radio and converts its configuration files.\n\n"
        "Global options:\n"
        "  --home DIR   program folder (language/, Init/); KT740_HOME does the same\n"
        "  -h, --help   this text; VERB --help describes one verb\n\nVerbs:\n";
  for (const CliVerb& v : CliVerbs())
    os << "  " << v.name << std::string(12 - std::string(v.name).size(), ' ') << v.summary << "\n";
  os << "\nAn option's value follows it as the next argument or after '=': -o FILE, --output FILE\n"
        "and --output=FILE are the same. \"--\" ends the options.\n"
        "\nExit status: 0 success, 1 the operation failed, 2 usage error.\n";
}

}  // namespace

int RunCli(const QStringList& args, CliContext& ctx) {
  constexpr OptionSpec kGlobal[] = {{"--home"}};
  const ParsedArgs global = ParseArgs(args, kGlobal, true);
  if (global.help && global.positional.isEmpty()) {
    PrintUsage(ctx.out);
    return kExitOk;
  }
  if (!global.error.empty()) {
    ctx.err << "kt740-cli: " << global.error << "\nTry 'kt740-cli --help'.\n";
    return kExitUsage;
  }
  if (global.has("--home")) ctx.home = global.value("--home");
  if (global.positional.isEmpty()) {
    PrintUsage(ctx.err);
    return kExitUsage;
  }
  QStringList verbArgs = global.positional;
  const QString name = verbArgs.takeFirst();
  // "kt740-cli --help VERB" is the verb's help.
  if (global.help) verbArgs.prepend("--help");
  for (const CliVerb& v : CliVerbs()) {
    if (name == v.name) return v.run(verbArgs, ctx);
  }
  ctx.err << "kt740-cli: unknown verb " << name.toStdString() << "\n";
  PrintUsage(ctx.err);
  return kExitUsage;
}

}  // namespace kt740
