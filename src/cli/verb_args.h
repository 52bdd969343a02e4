// What the verbs share: splitting their arguments, usage errors and the program's start-up.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <string>

#include "cli/cli_verb.h"

namespace kt740 {

struct ProgramState;

struct VerbOption {
  const char* longName;   // "--output"
  const char* shortName;  // "-o", or nullptr
};

// --help / -h, options that take a value ("-o FILE", "--output FILE", "--output=FILE") and
// positional arguments; "--" ends the options. An unknown option or a missing value is an error.
struct VerbArgs {
  bool help = false;
  std::map<std::string, QString> values;  // by long name
  QStringList positional;
  std::string error;

  bool has(const char* longName) const { return values.count(longName) != 0; }
  QString value(const char* longName) const;
};

VerbArgs ParseVerbArgs(const QStringList& args, std::initializer_list<VerbOption> options);

// Prints "kt740-cli VERB: message" and the pointer to --help; returns kExitUsage.
int UsageError(CliContext& ctx, const char* verb, const std::string& message);
// Prints "kt740-cli VERB: message"; returns kExitFailed.
int Failure(CliContext& ctx, const char* verb, const std::string& message);

// The program's start-up with the folders of --home / KT740_HOME: language, model, the reset
// configuration with the program folder's templates.
std::unique_ptr<ProgramState> StartProgram(const CliContext& ctx);

}  // namespace kt740
