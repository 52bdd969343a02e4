// One command-line verb: its name, a one-line summary and the function that runs it with its
// arguments and streams, so that tests run verbs in-process.
#pragma once

#include <QStringList>
#include <functional>
#include <iosfwd>
#include <span>

namespace kt740 {

// Exit statuses of every verb.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct CliContext {
  QString home;  // --home DIR (empty: KT740_HOME or the default program folder)
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal = false;
};

struct CliVerb {
  const char* name;
  const char* summary;
  // args excludes the verb itself.
  std::function<int(const QStringList& args, CliContext& ctx)> run;
};

std::span<const CliVerb> CliVerbs();

// Runs the whole command line (argv without the program name).
int RunCli(const QStringList& args, CliContext& ctx);

}  // namespace kt740
