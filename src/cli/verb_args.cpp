#include "cli/verb_args.h"

#include <ostream>

#include "platform/folders.h"
#include "platform/startup_environment.h"
#include "program/program_state.h"
#include "program/startup.h"

namespace kt740 {

QString VerbArgs::value(const char* longName) const {
  const auto it = values.find(longName);
  return it == values.end() ? QString() : it->second;
}

VerbArgs ParseVerbArgs(const QStringList& args, std::initializer_list<VerbOption> options) {
  VerbArgs parsed;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (optionsEnded || !a.startsWith('-') || a == "-") {
      parsed.positional << a;
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      parsed.help = true;
      continue;
    }
    const qsizetype eq = a.indexOf('=');
    const QString name = a.startsWith("--") && eq > 0 ? a.left(eq) : a;
    const VerbOption* match = nullptr;
    for (const VerbOption& o : options) {
      if (name == o.longName || (o.shortName != nullptr && name == o.shortName)) match = &o;
    }
    if (match == nullptr) {
      parsed.error = "unknown option " + a.toStdString();
      return parsed;
    }
    if (name != a) {
      parsed.values[match->longName] = a.mid(eq + 1);
    } else if (i + 1 < args.size()) {
      parsed.values[match->longName] = args[++i];
    } else {
      parsed.error = "option " + a.toStdString() + " needs a value";
      return parsed;
    }
  }
  return parsed;
}

int UsageError(CliContext& ctx, const char* verb, const std::string& message) {
  ctx.err << "kt740-cli " << verb << ": " << message << "\nTry 'kt740-cli " << verb << " --help'.\n";
  return kExitUsage;
}

int Failure(CliContext& ctx, const char* verb, const std::string& message) {
  ctx.err << "kt740-cli " << verb << ": " << message << "\n";
  return kExitFailed;
}

std::unique_ptr<ProgramState> StartProgram(const CliContext& ctx) {
  auto state = std::make_unique<ProgramState>();
  state->app.folders = ResolveFolders(ctx.home);
  RunStartup(*state, MakeStartupEnvironment(nullptr));
  return state;
}

}  // namespace kt740
