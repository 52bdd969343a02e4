// One channel as the editors, the grid and the channel file see it, and the 203-slot list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/fixed_text.h"

namespace kt740 {

constexpr int kRegularChannels = 200;  // numbers 1..200
constexpr int kChannelPA = 201;
constexpr int kChannelPB = 202;
constexpr int kChannelVFO = 203;
constexpr int kChannelSlots = 203;

inline constexpr std::string_view kNoFrequency = "FFFFFFFFF";

// Coded values of the channel record, stored in its int16_t fields as they stand.
namespace signalling {
constexpr int16_t kNone = 0;
constexpr int16_t kDtmf = 1;
constexpr int16_t kTwoTone = 2;
constexpr int16_t kFiveTone = 3;
}  // namespace signalling

namespace tone_type {  // Tone1Type, Tone2Type
constexpr int16_t kNone = 0;
constexpr int16_t kCtcss = 1;
constexpr int16_t kDcs = 2;
}  // namespace tone_type

namespace bandwidth {
constexpr int16_t k25K = 0;
constexpr int16_t k20K = 1;
constexpr int16_t k12_5K = 2;
}  // namespace bandwidth

namespace tx_power {  // three levels; a stored 3 reads as the third
constexpr int16_t kLevel1 = 0;
constexpr int16_t kLevel2 = 1;
constexpr int16_t kLevel3 = 2;
}  // namespace tx_power

namespace offset_dir {  // how the transmit frequency follows from RxFreq and Offset
constexpr int16_t kNone = 0;
constexpr int16_t kMinus = 1;
constexpr int16_t kPlus = 2;
}  // namespace offset_dir

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
  int16_t Bandwidth = 0;  // bandwidth::
  int16_t Tone2Invert = 0;
  int16_t Tone2DcsHigh = 0;
  int16_t GridOption = 0;
  int16_t Spare1 = 0;
  int16_t Spare2 = 0;
  int16_t OffsetDir = 0;  // offset_dir::
  int16_t TxPower = 0;    // tx_power::
  int16_t Talkaround = 0;
  int16_t Tone1Invert = 0;
  int16_t Tone1DcsHigh = 0;
  int16_t Compander = 0;
  int16_t Spare3 = 0;
  int16_t Tone2Type = 0;  // tone_type::
  int16_t Tone1Type = 0;  // tone_type::
  int16_t Tone2Ctcss = 0;
  int16_t Tone1Ctcss = 0;
  int16_t Tone2Dcs = 0;
  int16_t Tone1Dcs = 0;
  int16_t Signalling = 0;  // signalling::
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

// MHz text to the stored form: "145" -> 014500000, "145.5" -> 014550000, "145.123456" ->
// 014512345 (places beyond the fifth dropped). Digits without a point are whole MHz whatever
// their length. The result is always empty or nine digits: a value below 0 stores as
// 000000000, one of 10000 MHz or more as 999999999, a text that is not a number as empty.
std::string FreqTextToStored(std::string_view mhzText);

// A fresh record: no receive frequency, Step 5 (12.5 kHz), offset 0, InUse 0.
ChannelRecord DefaultChannelRecord(int number);

struct BandLimits;
// The record ResetAllData puts into slot 0: "VFO" in the middle of the receive band.
ChannelRecord DefaultVfoChannel(const BandLimits& bands);

}  // namespace kt740
