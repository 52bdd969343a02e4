// Runs kt740-cli in-process with captured streams, in a folder of its own.
#pragma once

#include <QStringList>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/cli_verb.h"
#include "support/temp_dir.h"

namespace kt740::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CliFixture {
 public:
  CliFixture() { setenv("KT740_CONFIG_DIR", dir.file("config").c_str(), 1); }

  // Runs with --home set to the source tree's program folder.
  CliRun Cli(QStringList args) const {
    std::ostringstream out, err;
    CliContext ctx{QString(), out, err};
    args.prepend(KT740_SOURCE_DATA_DIR);
    args.prepend("--home");
    CliRun r;
    r.status = RunCli(args, ctx);
    r.out = out.str();
    r.err = err.str();
    return r;
  }
  QString Path(const std::string& name) const { return QString::fromStdString(dir.file(name)); }

  TempDir dir;
};

}  // namespace kt740::test
