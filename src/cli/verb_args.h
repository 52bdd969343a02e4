// The one argument grammar of every verb, and the usage and failure messages they share.
//   --name VALUE, --name=VALUE, -n VALUE   an option with a value ("-nVALUE" is not taken)
//   --flag, -f                              a flag
//   --help, -h                              the verb's help, wherever it stands
//   --                                      ends the options; the rest is positional
// An unknown option, a value given to a flag or a missing value is a usage error.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <span>
#include <string>

#include "cli/cli_verb.h"

namespace kt740 {

struct OptionSpec {
  const char* longName;             // "--output"
  const char* shortName = nullptr;  // "-o"
  bool takesValue = true;
};

struct ParsedArgs {
  bool help = false;
  std::map<std::string, QStringList> values;  // by long name, in the order given; flags: empty
  QStringList positional;
  std::string error;  // the first usage error

  bool has(const char* longName) const { return values.count(longName) != 0; }
  // The value given last, or an empty text.
  QString value(const char* longName) const;
};

// With stopAtPositional the first positional argument and everything after it are positional
// (the global options before the verb).
ParsedArgs ParseArgs(const QStringList& args, std::span<const OptionSpec> options,
                     bool stopAtPositional = false);

// Prints "kt740-cli VERB: message" and the pointer to --help; returns kExitUsage.
int UsageError(CliContext& ctx, const char* verb, const std::string& message);
// Prints "kt740-cli VERB: message"; returns kExitFailed.
int Failure(CliContext& ctx, const char* verb, const std::string& message);

}  // namespace kt740
