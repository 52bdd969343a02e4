// The program state a verb runs on, prepared by the start-up the desktop program runs too.
#pragma once

#include <memory>

#include "cli/cli_verb.h"
#include "platform/program_startup.h"

namespace kt740 {

struct ProgramState;

// Verbs that open a port start with StartupMode::Full; the others with ReadOnly, so that they
// leave mysetup.ini and Setting.ini as they found them.
std::unique_ptr<ProgramState> StartCliProgram(const CliContext& ctx, StartupMode mode);

}  // namespace kt740
