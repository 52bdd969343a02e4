// Operations on the channel list shared by the grid, the channel editor, the band set-up and
// the signalling editors: find, copy, cut, paste, delete, and the repair of the references other
// settings hold to channels and to 2-Tone and 5-Tone entries. Each takes the lists and records
// it touches.
#pragma once

#include "image/channel_record.h"
#include "image/settings_record.h"

namespace kt740 {

bool ChannelNumberExists(const ChannelList& channels, int number);
// A record with that number exists and its InUse is 1.
bool ChannelInUse(const ChannelList& channels, int number);

// The clipboard holds nothing while its InUse is 0. Nothing happens while `skip` is set.
void CopyChannel(const ChannelList& channels, ChannelRecord& clipboard, bool skip, int number);
// As CopyChannel; a copied channel is then deleted.
void CutChannel(ChannelList& channels, ChannelRecord& clipboard, bool skip, int number);
// An empty clipboard deletes the channel; otherwise the clipboard, renumbered, overwrites the
// channel or is appended when there is none.
void PasteChannel(ChannelList& channels, const ChannelRecord& clipboard, bool skip, int number);

// Removes the first record with that number; later slots move down by one.
void DeleteChannel(ChannelList& channels, int number);

// The number itself when a regular channel (1..200) has it, else the number of the last regular
// channel in list order, else 0.
int NearestChannelNumber(const ChannelList& channels, int number);

// Moves Option2, EmergencyChannel, PriorityChannel1 and PriorityChannel2 onto existing channels.
void RepairChannelReferences(OptionSettings& option, ScanSettings& scan, AlertSettings& alert,
                             const ChannelList& channels);

// Moves every channel's TwoToneNo (Signalling 2-Tone) and FiveToneNo (5-Tone) onto an entry in
// use (the same one, else the lowest, else 0).
void RepairSignallingReferences(ChannelList& channels, const TwoToneSettings& twoTone,
                                const FiveToneSettings& fiveTone);

// The same for the alarm's 5-Tone call (AlarmIdIndex while AlarmIdType is 5-Tone).
void RepairAlarmIdReference(AlertSettings& alert, const FiveToneSettings& fiveTone);

}  // namespace kt740
