#include "cli/verb_args.h"

#include <ostream>

namespace kt740 {
namespace {

bool IsHelp(const QString& a) {
  return a == "--help" || a == "-h";
}

const OptionSpec* Find(std::span<const OptionSpec> options, const QString& name) {
  for (const OptionSpec& o : options) {
    if (name == o.longName || (o.shortName != nullptr && name == o.shortName)) return &o;
  }
  return nullptr;
}

}  // namespace

QString ParsedArgs::value(const char* longName) const {
  const auto it = values.find(longName);
  return it == values.end() || it->second.isEmpty() ? QString() : it->second.back();
}

ParsedArgs ParseArgs(const QStringList& args, std::span<const OptionSpec> options, bool stopAtPositional) {
  ParsedArgs parsed;
  auto fail = [&parsed](const std::string& message) {
    if (parsed.error.empty()) parsed.error = message;
  };
  bool optionsEnded = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (optionsEnded || !a.startsWith('-') || a == "-") {
      parsed.positional << a;
      if (stopAtPositional) optionsEnded = true;
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    if (IsHelp(a)) {
      parsed.help = true;
      continue;
    }
    // After an error only --help still counts.
    if (!parsed.error.empty()) continue;
    const qsizetype eq = a.startsWith("--") ? a.indexOf('=') : -1;
    const QString name = eq > 0 ? a.left(eq) : a;
    const OptionSpec* spec = Find(options, name);
    if (spec == nullptr) {
      fail("unknown option " + a.toStdString());
      continue;
    }
    QStringList& values = parsed.values[spec->longName];
    if (!spec->takesValue) {
      if (eq > 0) fail(std::string(spec->longName) + " takes no value");
      continue;
    }
    if (eq > 0) {
      values << a.mid(eq + 1);
    } else if (i + 1 < args.size()) {
      values << args[++i];
    } else {
      fail("option " + a.toStdString() + " needs a value");
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

}  // namespace kt740
