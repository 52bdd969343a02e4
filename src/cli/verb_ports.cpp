#include <ostream>

#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "link/port_list.h"
#include "platform/folders.h"
#include "platform/system_port_list.h"
#include "program/program_state.h"

namespace kt740 {

int RunPortsVerb(const QStringList& rawArgs, CliContext& ctx) {
  const ParsedArgs args = ParseArgs(rawArgs, {});
  if (args.help) {
    ctx.out << "Usage: kt740-cli ports\n\n"
               "Lists the serial ports: the port number (as --port and mysetup.ini take it), the\n"
               "device it stands for, and its description. A USB adapter keeps its number when\n"
               "it is plugged in again. --port also takes a device path, such as a simulated\n"
               "radio's pseudo-terminal.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "ports", args.error);
  if (!args.positional.isEmpty())
    return UsageError(ctx, "ports", "unexpected argument " + args.positional.front().toStdString());
  const Folders folders = ResolveFolders(ctx.home);
  const SystemPortList ports(PortMapPath(folders.userDir));
  const auto list = ports.Ports();
  if (list.empty()) ctx.err << "kt740-cli ports: no serial ports found\n";
  for (const PortEntry& p : list) {
    ctx.out << PortEntryText(p.number) << "  " << p.device;
    if (!p.description.empty()) ctx.out << "  " << p.description;
    ctx.out << "\n";
  }
  return kExitOk;
}

}  // namespace kt740
