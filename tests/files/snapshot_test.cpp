#include "files/snapshot.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <type_traits>

#include "files/file_layout.h"
#include "files/record_bytes.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"
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

// Changes the leaf member number `target` of a record's file layout (and counts the leaves), so
// that a test can change every member in turn without a list of them.
class ChangeOneMember {
 public:
  explicit ChangeOneMember(int target, bool channel) : target_(target), channel_(channel) {}
  int leaves = 0;
  std::string changed;  // the name of the member changed
  bool excluded = false;

  template <typename T>
  void operator()(const char* name, T& field) {
    if constexpr (layout_detail::IsStdArray<T>::value) {
      for (auto& element : field) (*this)(name, element);
    } else if constexpr (layout_detail::IsFixedText<T>::value || std::is_arithmetic_v<T>) {
      if (leaves++ != target_) return;
      changed = name;
      excluded = channel_ && std::ranges::find(kChannelFieldsNotCompared, std::string_view(name)) !=
                                 std::end(kChannelFieldsNotCompared);
      if constexpr (layout_detail::IsFixedText<T>::value) {
        field.bytes[0] = field.bytes[0] == 'A' ? 'B' : 'A';
      } else {
        field = static_cast<T>(field + 1);
      }
    } else {
      Describe(*this, field);
    }
  }

 private:
  int target_;
  bool channel_;
};

// Every member of every file layout counts, but for the one named set of channel fields.
TEST_F(Snapshot, ChangingAnyMemberOfTheLayoutsIsAModification) {
  // Codes at their full length, so that each of their digits counts.
  DtmfSettings& dtmf = state.current.settings.Signalling.Dtmf;
  for (DtmfCodeEntry& e : dtmf.DtmfCodes) e.CodeLength = static_cast<int16_t>(e.CodeDigits.kSize);
  dtmf.PttIdBeginLength = static_cast<int16_t>(dtmf.PttIdBeginCode.kSize);
  dtmf.PttIdEndLength = static_cast<int16_t>(dtmf.PttIdEndCode.kSize);
  dtmf.KillCodeLength = static_cast<int16_t>(dtmf.KillCode.kSize);
  dtmf.StunCodeLength = static_cast<int16_t>(dtmf.StunCode.kSize);
  TakeSnapshot(state);
  const ProgramState saved = state;

  int settingsLeaves = 0;
  for (int k = 0;; ++k) {
    state = saved;
    SettingsRecord settings = state.current.settings;
    int16_t count = static_cast<int16_t>(state.current.channels.ChannelCount);
    ChangeOneMember change(k, false);
    Describe(change, DataFileRecord<SettingsRecord, int16_t>{settings, count});
    if (k >= change.leaves) {
      settingsLeaves = change.leaves;
      break;
    }
    state.current.settings = settings;
    state.app.ModelCode = settings.ModelCode;  // the program's model code is the one compared
    state.current.channels.ChannelCount = count;
    EXPECT_TRUE(IsModified(state)) << "settings member " << k << " " << change.changed;
  }
  EXPECT_GT(settingsLeaves, 1000);

  int compared = 0;
  for (int k = 0;; ++k) {
    state = saved;
    ChangeOneMember change(k, true);
    Describe(change, Channel(1));
    if (k >= change.leaves) break;
    // A changed Number no longer matches the saved channel: modified, though not compared as a field.
    const bool expected = !change.excluded || change.changed == "Number";
    EXPECT_EQ(IsModified(state), expected) << "channel member " << change.changed;
    if (!change.excluded) ++compared;
  }
  EXPECT_EQ(compared, 38);  // the 43 members of a channel record, five of them left out
}

}  // namespace
}  // namespace kt740
