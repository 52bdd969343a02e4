// The model templates of the Init folder, loaded at the end of every reset.
#pragma once

namespace kt740 {

struct ProgramState;

// "<ModelDisplayName>.dat" when it exists, else "RB-5100.dat"; without either the reset
// configuration stays (and becomes the snapshot).
void LoadModelTemplate(ProgramState& state);

}  // namespace kt740
