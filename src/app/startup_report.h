// A readable summary of the state start-up prepared.
#pragma once

#include <string>

namespace kt740 {

struct ProgramState;

std::string StartupReport(const ProgramState& state);

}  // namespace kt740
