#include "program/snapshot_state.h"

#include <gtest/gtest.h>

#include <functional>

#include "program/program_state.h"
#include "support/config_fixture.h"

namespace kt740 {
namespace {

class Snapshot : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PutThreeChannels(state.current.channels);
    state.current.settings.Signalling.Dtmf.DtmfCodes[3] = {NulTerminatedText<24>("123E45"), 6};
    TakeSnapshot(state);
  }
  ChannelRecord& Channel(int slot) { return state.current.channels.records[static_cast<std::size_t>(slot)]; }
  ProgramState state;
};

TEST_F(Snapshot, RestoreBringsBackSettingsChannelsModelCodeAndBandTexts) {
  state.current.settings.Bands = {400, 470, 400, 470};
  state.current.channels.ChannelCount = 1;
  Channel(0).Name = NulTerminatedText<7>("X");
  state.app.ModelCode = 3;
  RestoreSnapshot(state);
  EXPECT_FALSE(IsModified(state));
  EXPECT_EQ(state.app.ModelCode, 7);
  EXPECT_EQ(state.current.channels.ChannelCount, 3);
  EXPECT_EQ(state.app.BandText, "Rx(136 - 174 MHz) Tx(136 - 174 MHz)");
  EXPECT_EQ(state.app.WorkingLimits, (BandLimits{136, 174, 136, 174}));
}

TEST_F(Snapshot, TakeCopiesTheProgramsModelCodeIntoTheRecord) {
  state.app.ModelCode = 12;
  EXPECT_TRUE(IsModified(state));
  TakeSnapshot(state);
  EXPECT_EQ(state.current.settings.ModelCode, 12);
  EXPECT_EQ(state.snapshot.settings.ModelCode, 12);
  EXPECT_FALSE(IsModified(state));
}

TEST_F(Snapshot, WhatCountsAsAModification) {
  struct Case {
    const char* what;
    bool modified;
    std::function<void(ProgramState&)> change;
  };
  auto ch = [](ProgramState& s, int slot) -> ChannelRecord& {
    return s.current.channels.records[static_cast<std::size_t>(slot)];
  };
  const Case cases[] = {
      {"nothing", false, [](ProgramState&) {}},
      {"name fill: spaces instead of NUL and spaces", false,
       [&](ProgramState& s) { ch(s, 0).Name = FixedText<7>::From("REPEAT"); }},
      {"text after the NUL", false,
       [&](ProgramState& s) { ch(s, 1).Name = FixedText<7>::From(std::string_view("FRS\0xyz", 7)); }},
      {"name", true, [&](ProgramState& s) { ch(s, 1).Name = NulTerminatedText<7>("FRS2"); }},
      {"receive frequency", true,
       [&](ProgramState& s) { ch(s, 0).RxFreq = FixedText<9>::From("014560000"); }},
      {"offset", true, [&](ProgramState& s) { ch(s, 0).Offset = FixedText<9>::From("000500000"); }},
      {"PTT-ID code", true, [&](ProgramState& s) { ch(s, 0).PttIdCode = FixedText<5>::From("12AB1"); }},
      {"Tone1DcsHigh", false, [&](ProgramState& s) { ch(s, 0).Tone1DcsHigh = 1; }},
      {"Tone2DcsHigh", false, [&](ProgramState& s) { ch(s, 0).Tone2DcsHigh = 0; }},
      {"AuxOption", false, [&](ProgramState& s) { ch(s, 0).AuxOption = 99; }},
      {"spare after FiveToneNo", false, [&](ProgramState& s) { ch(s, 0).Spare5 = 1; }},
      {"other spare", true, [&](ProgramState& s) { ch(s, 0).Spare1 = 1; }},
      {"ScanSkip", true, [&](ProgramState& s) { ch(s, 2).ScanSkip = 0; }},
      {"ExtraDisplay", true, [&](ProgramState& s) { ch(s, 2).ExtraDisplay = 1; }},
      {"slots in another order", false, [&](ProgramState& s) { std::swap(ch(s, 0), ch(s, 2)); }},
      {"Number of a channel", true, [&](ProgramState& s) { ch(s, 1).Number = 6; }},
      {"channel count", true, [](ProgramState& s) { s.current.channels.ChannelCount = 2; }},
      {"program model code", true, [](ProgramState& s) { s.app.ModelCode = 8; }},
      {"record model code only", false, [](ProgramState& s) { s.current.settings.ModelCode = 8; }},
      {"DecodeTime", true, [](ProgramState& s) { s.current.settings.DecodeTime = 5; }},
      {"band limits", true, [](ProgramState& s) { s.current.settings.Bands.TxHigh = 175; }},
      {"key", true, [](ProgramState& s) { s.current.settings.Signalling.Keys[14] = 3; }},
      {"DTMF digits past the length", false,
       [](ProgramState& s) { s.current.settings.Signalling.Dtmf.DtmfCodes[3].CodeDigits.bytes[6] = '9'; }},
      {"DTMF digit within the length", true,
       [](ProgramState& s) { s.current.settings.Signalling.Dtmf.DtmfCodes[3].CodeDigits.bytes[5] = '9'; }},
      {"DTMF length", true,
       [](ProgramState& s) { s.current.settings.Signalling.Dtmf.DtmfCodes[3].CodeLength = 7; }},
      {"kill code past its length", false,
       [](ProgramState& s) { s.current.settings.Signalling.Dtmf.KillCode = FixedText<14>::From("1"); }},
      {"own ID", true,
       [](ProgramState& s) { s.current.settings.Signalling.Dtmf.OwnId = FixedText<3>::From("001"); }},
      {"2-Tone", true, [](ProgramState& s) { s.current.settings.Signalling.TwoTone.ToneB = 1; }},
      {"5-Tone", true,
       [](ProgramState& s) { s.current.settings.Signalling.FiveTone.Calls[99].DigitCount = 1; }},
      {"option", true, [](ProgramState& s) { s.current.settings.Signalling.Option.Option17 = 1; }},
      {"scan", true, [](ProgramState& s) { s.current.settings.Signalling.Scan.PriorityChannel2 = 1; }},
      {"alert", true, [](ProgramState& s) { s.current.settings.Signalling.Alert.AlarmCycle = 1; }},
      {"book", true, [](ProgramState& s) { s.current.settings.Book.entries[127].CallName.bytes[6] = 'Z'; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState s = state;
    c.change(s);
    EXPECT_EQ(IsModified(s), c.modified);
  }
}

}  // namespace
}  // namespace kt740
