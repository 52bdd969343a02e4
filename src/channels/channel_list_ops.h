// Operations on the channel list shared by the grid, the channel editor, the band set-up and
// the signalling editors: find, copy, cut, paste, delete, default records, and the repair of
// the references other settings hold to channels and to 2-Tone and 5-Tone entries.
#pragma once

#include <functional>

#include "image/channel_record.h"

namespace kt740 {

struct ProgramState;

bool ChannelNumberExists(const ChannelList& channels, int number);
// A record with that number exists and its InUse is 1.
bool ChannelInUse(const ChannelList& channels, int number);

// The clipboard is state.ChannelClipboard (InUse 0 when it holds nothing); the list is
// state.current.channels. Nothing happens while `skip` is set.
void CopyChannel(ProgramState& state, bool skip, int number);
// As CopyChannel; a copied channel is then deleted.
void CutChannel(ProgramState& state, bool skip, int number);
// An empty clipboard deletes the channel; otherwise the clipboard, renumbered, overwrites the
// channel or is appended when there is none.
void PasteChannel(ProgramState& state, bool skip, int number);

// Removes the first record with that number; later slots move down by one.
void DeleteChannel(ChannelList& channels, int number);

// A fresh record: no receive frequency, Step 5 (12.5 kHz), offset 0, InUse 0.
ChannelRecord DefaultChannelRecord(int number);

// The number itself when a regular channel (1..200) has it, else the number of the last regular
// channel in list order, else 0.
int NearestChannelNumber(const ChannelList& channels, int number);

// Moves Option2, EmergencyChannel, PriorityChannel1 and PriorityChannel2 onto existing channels.
void RepairChannelReferences(ProgramState& state);

// Moves every channel's TwoToneNo (Signalling 2) and FiveToneNo (Signalling 3) onto an entry in
// use (the same one, else the lowest, else 0), then calls `redraw` (the main window's lists).
void RepairSignallingReferences(ProgramState& state, const std::function<void()>& redraw);

// The same for the alarm's 5-Tone call (AlarmIdIndex while AlarmIdType is 2).
void RepairAlarmIdReference(ProgramState& state);

}  // namespace kt740
