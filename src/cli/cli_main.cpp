#include <ostream>

#include "cli/cli_verb.h"

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
  os << "\nExit status: 0 success, 1 the operation failed, 2 usage error.\n";
}

}  // namespace

int RunCli(const QStringList& argsIn, CliContext& ctx) {
  QStringList args = argsIn;
  while (!args.isEmpty() && args.front().startsWith("-")) {
    const QString opt = args.takeFirst();
    if (opt == "--help" || opt == "-h") {
      PrintUsage(ctx.out);
      return kExitOk;
    }
    if (opt == "--home" && !args.isEmpty()) {
      ctx.home = args.takeFirst();
    } else if (opt.startsWith("--home=")) {
      ctx.home = opt.mid(7);
    } else {
      ctx.err << "kt740-cli: unknown option " << opt.toStdString() << "\n";
      PrintUsage(ctx.err);
      return kExitUsage;
    }
  }
  if (args.isEmpty()) {
    PrintUsage(ctx.err);
    return kExitUsage;
  }
  const QString name = args.takeFirst();
  for (const CliVerb& v : CliVerbs()) {
    if (name == v.name) return v.run(args, ctx);
  }
  ctx.err << "kt740-cli: unknown verb " << name.toStdString() << "\n";
  PrintUsage(ctx.err);
  return kExitUsage;
}

}  // namespace kt740
