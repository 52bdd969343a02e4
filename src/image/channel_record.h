// One channel as the editors, the grid and the channel file see it, and the 203-slot list.
#pragma once

#include <array>
#include <cstdint>

#include "core/fixed_text.h"

namespace kt740 {

constexpr int kRegularChannels = 200;  // numbers 1..200
constexpr int kChannelPA = 201;
constexpr int kChannelPB = 202;
constexpr int kChannelVFO = 203;
constexpr int kChannelSlots = 203;

// Fields in declaration order: the channel file stores them in exactly this order (108 bytes).
struct ChannelRecord {
  int16_t Number = 0;
  int16_t InUse = 0;
  int16_t ScanSkip = 0;
  FixedText<9> RxFreq;  // 9 digits in 10 Hz units; "FFFFFFFFF" = no frequency
  FixedText<9> Offset;
  FixedText<7> Name;
  int16_t Step = 0;
  int16_t TxInhibit = 0;
  int16_t Bandwidth = 0;
  int16_t Tone2Invert = 0;
  int16_t Tone2DcsHigh = 0;
  int16_t GridOption = 0;
  int16_t Spare1 = 0;
  int16_t Spare2 = 0;
  int16_t OffsetDir = 0;
  int16_t TxPower = 0;
  int16_t Talkaround = 0;
  int16_t Tone1Invert = 0;
  int16_t Tone1DcsHigh = 0;
  int16_t Compander = 0;
  int16_t Spare3 = 0;
  int16_t Tone2Type = 0;
  int16_t Tone1Type = 0;
  int16_t Tone2Ctcss = 0;
  int16_t Tone1Ctcss = 0;
  int16_t Tone2Dcs = 0;
  int16_t Tone1Dcs = 0;
  int16_t Signalling = 0;
  int16_t Spare4 = 0;
  int16_t TwoToneNo = 0;
  int16_t FiveToneNo = 0;
  int16_t Spare5 = 0;  // the spare after FiveToneNo; not compared by IsModified
  int16_t Reverse = 0;
  int16_t Scrambler = 0;
  int16_t DtmfPttId = 0;
  int16_t FiveTonePttId = 0;
  int16_t SquelchMode = 0;
  int16_t DtmfGroup = 0;
  int16_t ExtraDisplay = 0;
  int16_t BusyLock = 0;
  int16_t AuxOption = 0;
  int16_t PttIdDecode = 0;
  FixedText<5> PttIdCode;

  bool operator==(const ChannelRecord&) const = default;
};

// Slots 0..ChannelCount-1 hold the channels in decode or insertion order; a record's place in
// the radio is its Number. Slots beyond the count keep stale contents and are never read.
struct ChannelList {
  std::array<ChannelRecord, kChannelSlots> records{};
  int ChannelCount = 0;

  ChannelRecord* Find(int number);
  const ChannelRecord* Find(int number) const;
};

}  // namespace kt740
