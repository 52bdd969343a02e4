#include "channels/channel_list_ops.h"

#include <algorithm>
#include <array>
#include <utility>

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

void CopyChannel(const ChannelList& channels, ChannelRecord& clipboard, bool skip, int number) {
  if (skip) return;
  const ChannelRecord* r = FindRecord(channels, number);
  if (r != nullptr && r->InUse == 1) {
    clipboard = *r;
  } else {
    clipboard = ChannelRecord{};  // an empty position was copied
  }
}

void CutChannel(ChannelList& channels, ChannelRecord& clipboard, bool skip, int number) {
  if (skip) return;
  CopyChannel(channels, clipboard, false, number);
  if (clipboard.InUse == 1) DeleteChannel(channels, number);
}

void PasteChannel(ChannelList& channels, const ChannelRecord& clipboard, bool skip, int number) {
  if (skip) return;
  if (clipboard.InUse != 1) {
    DeleteChannel(channels, number);
    return;
  }
  if (number < 1 || number > kChannelVFO) return;  // no such position
  ChannelRecord record = clipboard;
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

void RepairChannelReferences(OptionSettings& option, ScanSettings& scan, AlertSettings& alert,
                             const ChannelList& channels) {
  // Option2 may also name "PA" (200) or "PB" (201), which the function options offer; those
  // stay while the entry exists instead of falling onto a memory channel.
  const int option2Number = option.Option2 + 1;
  const bool special = option2Number == kChannelPA || option2Number == kChannelPB;
  if (!(special && ChannelInUse(channels, option2Number))) {
    const int n = NearestChannelNumber(channels, option2Number);
    option.Option2 = static_cast<int16_t>(n == 0 ? 0 : n - 1);
  }

  RepairNumberReference(channels, alert.EmergencyChannel);
  RepairNumberReference(channels, scan.PriorityChannel1);
  RepairNumberReference(channels, scan.PriorityChannel2);
}

void RepairSignallingReferences(ChannelList& channels, const TwoToneSettings& twoTone,
                                const FiveToneSettings& fiveTone) {
  for (int i = 0; i < UsedSlots(channels); ++i) {
    ChannelRecord& r = Slot(channels, i);
    if (r.Signalling == signalling::kTwoTone)
      r.TwoToneNo = static_cast<int16_t>(EntryInUse(twoTone.Entries, r.TwoToneNo));
    if (r.Signalling == signalling::kFiveTone)
      r.FiveToneNo = static_cast<int16_t>(EntryInUse(fiveTone.Calls, r.FiveToneNo));
  }
}

void RepairAlarmIdReference(AlertSettings& alert, const FiveToneSettings& fiveTone) {
  if (alert.AlarmIdType != alarm_id_type::kFiveTone) return;
  alert.AlarmIdIndex = static_cast<uint8_t>(EntryInUse(fiveTone.Calls, alert.AlarmIdIndex));
}

}  // namespace kt740
