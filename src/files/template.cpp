// Placeholder until the data files land: the reset configuration becomes the snapshot.
#include "files/template.h"

#include "core/program_state.h"

namespace kt740 {

void LoadModelTemplate(ProgramState& state) {
  state.snapshot = state.current;
}

}  // namespace kt740
