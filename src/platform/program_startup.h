// The start-up both front ends run, the desktop program and kt740-cli: the folders (--home,
// KT740_HOME, the per-user folder), the machine's numbered ports, then RunStartup with the
// system's locale and today's date.
#pragma once

#include <QString>
#include <memory>

#include "platform/system_port_list.h"

namespace kt740 {

struct ProgramState;

enum class StartupMode {
  // The desktop program and the verbs that open a port: the remembered port is checked against
  // the port list, and mysetup.ini is seeded and written back as start-up does.
  Full,
  // Verbs that never open a port: the same state, but mysetup.ini and Setting.ini are only read;
  // nothing in the per-user folder is created or changed.
  ReadOnly,
};

// Sets state.app.folders and runs the start-up. Returns the port list (numbered through the
// per-user port map) that the start-up checked the remembered port against.
std::unique_ptr<SystemPortList> StartProgram(ProgramState& state, const QString& homeOption,
                                             StartupMode mode);

}  // namespace kt740
