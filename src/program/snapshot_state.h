// The snapshot procedures over the program state.
#pragma once

namespace kt740 {

struct ProgramState;

// current.settings.ModelCode := the program's ModelCode; snapshot := current (channel slots
// 0..ChannelCount-1 only; the slots past the count keep what they held).
void TakeSnapshot(ProgramState& state);
// current := snapshot; the program's ModelCode and band texts follow the snapshot.
void RestoreSnapshot(ProgramState& state);
// The configuration differs from the snapshot (files/snapshot.h says what counts).
bool IsModified(const ProgramState& state);

}  // namespace kt740
