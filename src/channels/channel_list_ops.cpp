#include "channels/channel_list_ops.h"

#include <algorithm>
#include <array>
#include <utility>

#include "channels/frequency.h"
#include "program/program_state.h"

namespace kt740 {

namespace {

// Slots that hold channels; a damaged count never reaches past the array.
int UsedSlots(const ChannelList& channels) {
  return std::clamp(channels.ChannelCount, 0, kChannelSlots);
}

ChannelRecord& Slot(ChannelList& channels, int index) {
  return channels.records[static_cast<std::size_t>(index)];
}

const ChannelRecord* FindRecord(const ChannelList& channels, int number) {
  for (int i = 0; i < UsedSlots(channels); ++i) {
    if (channels.records[static_cast<std::size_t>(i)].Number == number)
      return &channels.records[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

ChannelRecord* FindRecord(ChannelList& channels, int number) {
  return const_cast<ChannelRecord*>(FindRecord(std::as_const(channels), number));
}

// Entry `index` when it is in use, else the lowest entry in use, else 0.
template <typename Entries>
int EntryInUse(const Entries& entries, int index) {
  const int count = static_cast<int>(entries.size());
  if (index >= 0 && index < count && entries[static_cast<std::size_t>(index)].EmptyFlag == 0) return index;
  for (int k = 0; k < count; ++k) {
    if (entries[static_cast<std::size_t>(k)].EmptyFlag == 0) return k;
  }
  return 0;
}

// The three references that hold a channel Number, 0 meaning none.
template <typename Field>
void RepairNumberReference(const ChannelList& channels, Field& field) {
  if (field != 0) field = static_cast<Field>(NearestChannelNumber(channels, field));
}

}  // namespace

bool ChannelNumberExists(const ChannelList& channels, int number) {
  return FindRecord(channels, number) != nullptr;
}

bool ChannelInUse(const ChannelList& channels, int number) {
  const ChannelRecord* r = FindRecord(channels, number);
  return r != nullptr && r->InUse == 1;
}

void CopyChannel(ProgramState& state, bool skip, int number) {
  if (skip) return;
  const ChannelRecord* r = FindRecord(state.current.channels, number);
  if (r != nullptr && r->InUse == 1) {
    state.ChannelClipboard = *r;
  } else {
    state.ChannelClipboard = ChannelRecord{};  // an empty position was copied
  }
}

void CutChannel(ProgramState& state, bool skip, int number) {
  if (skip) return;
  CopyChannel(state, false, number);
  if (state.ChannelClipboard.InUse == 1) DeleteChannel(state.current.channels, number);
}

void PasteChannel(ProgramState& state, bool skip, int number) {
  if (skip) return;
  ChannelList& channels = state.current.channels;
  if (state.ChannelClipboard.InUse != 1) {
    DeleteChannel(channels, number);
    return;
  }
  if (number < 1 || number > kChannelVFO) return;  // no such position
  ChannelRecord record = state.ChannelClipboard;
  record.Number = static_cast<int16_t>(number);
  if (ChannelRecord* target = FindRecord(channels, number)) {
    *target = record;
    return;
  }
  const int count = UsedSlots(channels);
  if (count >= kChannelSlots) return;  // cannot happen while numbers are unique
  Slot(channels, count) = record;
  channels.ChannelCount = count + 1;
}

void DeleteChannel(ChannelList& channels, int number) {
  const int count = UsedSlots(channels);
  for (int i = 0; i < count; ++i) {
    if (Slot(channels, i).Number != number) continue;
    for (int j = i; j + 1 < count; ++j) Slot(channels, j) = Slot(channels, j + 1);
    channels.ChannelCount = count - 1;
    return;
  }
}

ChannelRecord DefaultChannelRecord(int number) {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(number);
  r.RxFreq = FixedText<9>::From(kNoFrequency);
  r.Offset = FixedText<9>::From("000000000");
  r.Name = NulTerminatedText<7>("");
  r.Step = 5;
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

int NearestChannelNumber(const ChannelList& channels, int number) {
  int last = 0;
  for (int i = 0; i < UsedSlots(channels); ++i) {
    const int n = channels.records[static_cast<std::size_t>(i)].Number;
    if (n < 1 || n > kRegularChannels) continue;
    if (n == number) return n;
    last = n;
  }
  return last;
}

void RepairChannelReferences(ProgramState& state) {
  const ChannelList& channels = state.current.channels;
  SignallingSettings& sig = state.current.settings.Signalling;

  // Option2 may also name "PA" (200) or "PB" (201), which the function options offer; those
  // stay while the entry exists instead of falling onto a memory channel.
  const int option2Number = sig.Option.Option2 + 1;
  const bool special = option2Number == kChannelPA || option2Number == kChannelPB;
  if (!(special && ChannelInUse(channels, option2Number))) {
    const int n = NearestChannelNumber(channels, option2Number);
    sig.Option.Option2 = static_cast<int16_t>(n == 0 ? 0 : n - 1);
  }

  RepairNumberReference(channels, sig.Alert.EmergencyChannel);
  RepairNumberReference(channels, sig.Scan.PriorityChannel1);
  RepairNumberReference(channels, sig.Scan.PriorityChannel2);
}

void RepairSignallingReferences(ProgramState& state, const std::function<void()>& redraw) {
  ChannelList& channels = state.current.channels;
  const SignallingSettings& sig = state.current.settings.Signalling;
  for (int i = 0; i < UsedSlots(channels); ++i) {
    ChannelRecord& r = Slot(channels, i);
    if (r.Signalling == 2) r.TwoToneNo = static_cast<int16_t>(EntryInUse(sig.TwoTone.Entries, r.TwoToneNo));
    if (r.Signalling == 3) r.FiveToneNo = static_cast<int16_t>(EntryInUse(sig.FiveTone.Calls, r.FiveToneNo));
  }
  if (redraw) redraw();
}

void RepairAlarmIdReference(ProgramState& state) {
  SignallingSettings& sig = state.current.settings.Signalling;
  if (sig.Alert.AlarmIdType != 2) return;
  sig.Alert.AlarmIdIndex = static_cast<uint8_t>(EntryInUse(sig.FiveTone.Calls, sig.Alert.AlarmIdIndex));
}

}  // namespace kt740
