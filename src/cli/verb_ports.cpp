#include <ostream>

#include "cli/verbs.h"
#include "link/port_list.h"
#include "platform/folders.h"
#include "platform/system_port_list.h"
#include "program/program_state.h"

namespace kt740 {

int RunPortsVerb(const QStringList& args, CliContext& ctx) {
  if (args.contains("--help") || args.contains("-h")) {
    ctx.out << "Usage: kt740-cli ports\n\n"
               "Lists the serial ports: the port number (as --port and mysetup.ini take it), the\n"
               "device it stands for, and its description. A USB adapter keeps its number when\n"
               "it is plugged in again. --port also takes a device path, such as a simulated\n"
               "radio's pseudo-terminal.\n";
    return kExitOk;
  }
  if (!args.isEmpty()) {
    ctx.err << "kt740-cli ports: unexpected argument " << args.front().toStdString() << "\n";
    return kExitUsage;
  }
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
