// kt740-cli: the command-line tool.
#include <QCoreApplication>
#include <iostream>

#include "cli/cli_verb.h"

#ifndef _WIN32
#include <unistd.h>
#endif

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName("KT740");
  QCoreApplication::setApplicationName("kt740");
  QStringList args = QCoreApplication::arguments();
  args.removeFirst();
  kt740::CliContext ctx{QString(), std::cout, std::cerr};
#ifndef _WIN32
  ctx.errIsTerminal = isatty(2) != 0;
#endif
  return kt740::RunCli(args, ctx);
}
