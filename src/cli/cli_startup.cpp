#include "cli/cli_startup.h"

#include "program/program_state.h"

namespace kt740 {

std::unique_ptr<ProgramState> StartCliProgram(const CliContext& ctx, StartupMode mode) {
  auto state = std::make_unique<ProgramState>();
  StartProgram(*state, ctx.home, mode);
  return state;
}

}  // namespace kt740
