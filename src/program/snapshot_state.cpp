#include "program/snapshot_state.h"

#include "files/snapshot.h"
#include "program/band_text.h"
#include "program/program_state.h"

namespace kt740 {

void TakeSnapshot(ProgramState& state) {
  state.current.settings.ModelCode = state.app.ModelCode;
  CopyConfiguration(state.current, state.snapshot);
}

void RestoreSnapshot(ProgramState& state) {
  CopyConfiguration(state.snapshot, state.current);
  state.app.ModelCode = state.snapshot.settings.ModelCode;
  ApplyBandLimits(state.app, state.current.settings.Bands);
}

bool IsModified(const ProgramState& state) {
  return IsModified(state.current, state.app.ModelCode, state.snapshot);
}

}  // namespace kt740
