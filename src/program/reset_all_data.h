// A fresh configuration: every block at its defaults, the default VFO, then the model template.
#pragma once

namespace kt740 {

struct ProgramState;

void ResetAllData(ProgramState& state);

}  // namespace kt740
