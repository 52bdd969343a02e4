// Everything the configuration holds besides the channels, and the configuration as a whole.
#pragma once

#include <cstdint>

#include "image/channel_record.h"
#include "image/dtmf_settings.h"
#include "image/five_tone_settings.h"
#include "image/function_settings.h"
#include "image/two_tone_settings.h"

namespace kt740 {

// RX low, RX high, TX low, TX high in MHz.
struct BandLimits {
  double RxLow = 136;
  double RxHigh = 174;
  double TxLow = 136;
  double TxHigh = 174;

  bool operator==(const BandLimits&) const = default;
};

struct SignallingSettings {
  KeyAssignments Keys{};
  DtmfSettings Dtmf;
  TwoToneSettings TwoTone;
  FiveToneSettings FiveTone;
  OptionSettings Option;
  ScanSettings Scan;
  AlertSettings Alert;

  bool operator==(const SignallingSettings&) const = default;
};

// What the data file stores; ChannelCount is taken from the channel list it travels with.
struct SettingsRecord {
  int16_t ModelCode = 7;
  BandLimits Bands;
  SignallingSettings Signalling;
  CommuBook Book;
  uint8_t DecodeTime = kDefaultDecodeTime;

  bool operator==(const SettingsRecord&) const = default;
};

struct Configuration {
  SettingsRecord settings;
  ChannelList channels;
};

}  // namespace kt740
