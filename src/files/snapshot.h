// The saved-state snapshot: what the last save, open, read or reset left, and whether the
// configuration has changed since.
#pragma once

namespace kt740 {

struct ProgramState;

// current.settings.ModelCode := the program's ModelCode; snapshot := current (channel slots
// 0..ChannelCount-1 only; the slots past the count keep what they held).
void TakeSnapshot(ProgramState& state);

// current := snapshot; the program's ModelCode and band texts follow the snapshot.
void RestoreSnapshot(ProgramState& state);

// Stops at the first difference. Channels are matched by Number; their texts are compared
// after TrimText and Number, both DcsHigh bits, AuxOption and the spare after FiveToneNo are
// left out. DTMF codes are compared only up to their length.
bool IsModified(const ProgramState& state);

}  // namespace kt740
