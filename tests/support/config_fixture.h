// Configurations for the file tests: a few channels with values in every field, and
// comparisons of whole configurations.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "files/file_format.h"
#include "program/program_state.h"

namespace kt740::test {

inline ChannelRecord SampleChannel(int number, const std::string& rx, const std::string& name) {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(number);
  r.InUse = 1;
  r.ScanSkip = static_cast<int16_t>(number % 2);
  r.RxFreq = FixedText<9>::From(rx);
  r.Offset = FixedText<9>::From("000060000");  // 0.6 MHz
  r.Name = NulTerminatedText<7>(name);
  r.Step = 5;
  r.Bandwidth = 2;
  r.OffsetDir = 1;
  r.TxPower = 2;
  r.Tone1Type = 1;
  r.Tone1Ctcss = 12;
  r.Tone2Type = 2;
  r.Tone2Dcs = 300;
  r.Tone2DcsHigh = 1;
  r.Signalling = 3;
  r.FiveToneNo = 42;
  r.AuxOption = 7;
  r.PttIdCode = FixedText<5>::From("12AB0");
  return r;
}

// Three channels: 1, 5 and the VFO.
inline void PutThreeChannels(ChannelList& list) {
  list.records[0] = SampleChannel(1, "014550000", "REPEAT");
  list.records[1] = SampleChannel(5, "046256250", "FRS");
  list.records[2] = SampleChannel(kChannelVFO, "015500000", "");
  list.ChannelCount = 3;
}

inline void ExpectSameChannels(const ChannelList& a, const ChannelList& b) {
  ASSERT_EQ(a.ChannelCount, b.ChannelCount);
  EXPECT_EQ(EncodeChannelFile(a), EncodeChannelFile(b));
}

inline void ExpectSameConfiguration(const Configuration& a, const Configuration& b) {
  EXPECT_TRUE(a.settings == b.settings);
  ExpectSameChannels(a.channels, b.channels);
}

}  // namespace kt740::test
