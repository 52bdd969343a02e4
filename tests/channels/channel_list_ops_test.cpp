#include <gtest/gtest.h>

#include <vector>

#include "program/grid_ops.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

class ChannelListOps : public ::testing::Test {
 protected:
  // Channels with these numbers, in this slot order, each named after its number.
  void Use(std::vector<int> numbers) {
    ChannelList& list = state.current.channels;
    list.ChannelCount = static_cast<int>(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      ChannelRecord r = DefaultChannelRecord(numbers[i]);
      r.InUse = 1;
      r.RxFreq = FixedText<9>::From("014500000");
      r.Name = NulTerminatedText<7>("CH" + std::to_string(numbers[i]));
      list.records[i] = r;
    }
  }
  std::vector<int> Numbers() const {
    std::vector<int> numbers;
    for (int i = 0; i < list().ChannelCount; ++i)
      numbers.push_back(list().records[static_cast<std::size_t>(i)].Number);
    return numbers;
  }
  const ChannelList& list() const { return state.current.channels; }
  std::string NameOf(int number) const { return TrimText(list().Find(number)->Name.view()); }

  ProgramState state;
};

TEST_F(ChannelListOps, FindAndDefaultRecord) {
  Use({3, 7, kChannelVFO});
  state.current.channels.records[1].InUse = 0;
  EXPECT_TRUE(ChannelNumberExists(list(), 7));
  EXPECT_FALSE(ChannelInUse(list(), 7));
  EXPECT_TRUE(ChannelInUse(list(), 3));
  EXPECT_FALSE(ChannelNumberExists(list(), 4));
  state.current.channels.ChannelCount = 1;  // stale slots are not channels
  EXPECT_FALSE(ChannelNumberExists(list(), 7));

  const ChannelRecord r = DefaultChannelRecord(12);
  EXPECT_EQ(r.Number, 12);
  EXPECT_EQ(r.InUse, 0);
  EXPECT_EQ(r.RxFreq.str(), "FFFFFFFFF");
  EXPECT_EQ(r.Offset.str(), "000000000");
  EXPECT_EQ(TrimText(r.Name.view()), "");
  EXPECT_EQ(r.Step, 5);
  EXPECT_EQ(r.PttIdCode.str(), "00000");
  ChannelRecord zeroed = r;
  zeroed.Number = zeroed.Step = 0;
  zeroed.RxFreq = zeroed.Offset = FixedText<9>();
  zeroed.Name = FixedText<7>();
  zeroed.PttIdCode = FixedText<5>();
  EXPECT_EQ(zeroed, ChannelRecord{});
}

TEST_F(ChannelListOps, CutSevenPasteNineMovesTheChannel) {
  Use({1, 7, 5});
  CutChannel(state, false, 7);
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 5}));
  PasteChannel(state, false, 9);
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(NameOf(9), "CH7");
  // Pasting again overwrites in place.
  PasteChannel(state, false, 1);
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 5, 9}));
  EXPECT_EQ(NameOf(1), "CH7");
}

TEST_F(ChannelListOps, EmptyClipboardDeletesTheTarget) {
  Use({1, 2, 3});
  CopyChannel(state, false, 50);  // an empty position
  EXPECT_EQ(state.ChannelClipboard.InUse, 0);
  PasteChannel(state, false, 2);
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 3}));
  PasteChannel(state, false, 2);  // nothing left to delete
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 3}));
}

TEST_F(ChannelListOps, SkipFlagAndImpossibleTargetsChangeNothing) {
  Use({1, 2});
  CopyChannel(state, false, 1);
  CopyChannel(state, true, 50);
  EXPECT_EQ(state.ChannelClipboard.InUse, 1);
  CutChannel(state, true, 2);
  PasteChannel(state, true, 5);
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 2}));
  PasteChannel(state, false, 0);
  PasteChannel(state, false, 204);
  EXPECT_EQ(Numbers(), (std::vector<int>{1, 2}));
}

TEST_F(ChannelListOps, DeleteRemovesTheFirstMatchAndShiftsTheRest) {
  Use({4, 8, 4, 6});
  DeleteChannel(state.current.channels, 4);
  EXPECT_EQ(Numbers(), (std::vector<int>{8, 4, 6}));
  DeleteChannel(state.current.channels, 99);
  EXPECT_EQ(Numbers(), (std::vector<int>{8, 4, 6}));
}

TEST_F(ChannelListOps, NearestChannelNumberCountsRegularChannelsOnly) {
  Use({3, 9, 2, kChannelPA, kChannelVFO});
  EXPECT_EQ(NearestChannelNumber(list(), 9), 9);
  EXPECT_EQ(NearestChannelNumber(list(), 5), 2);  // the last regular channel in list order
  EXPECT_EQ(NearestChannelNumber(list(), kChannelPA), 2);
  Use({kChannelPB, kChannelVFO});
  EXPECT_EQ(NearestChannelNumber(list(), 5), 0);
}

TEST_F(ChannelListOps, RepairChannelReferences) {
  const struct {
    std::vector<int> channels;
    int16_t option2;
    uint8_t reference;  // EmergencyChannel, PriorityChannel1 and PriorityChannel2
    int16_t option2After;
    uint8_t referenceAfter;
  } cases[] = {
      {{3, 5, 9}, 4, 5, 4, 5},                  // still there
      {{3, 9, 2, kChannelVFO}, 4, 5, 1, 2},     // deleted: the last regular channel
      {{kChannelPA, kChannelVFO}, 4, 5, 0, 0},  // none left
      {{1, 9}, 0, 0, 0, 0},                     // Option2 0 is channel 1; 0 is "none"
      {{3, 9}, 0, 0, 8, 0},                     // channel 1 gone
      {{3, 9, kChannelPA}, 200, 0, 200, 0},     // "PA" is a valid Option2 while it exists
      {{3, 9, kChannelPB}, 201, 0, 201, 0},
      {{3, 9, kChannelPB}, 200, 0, 8, 0},  // "PA" gone
  };
  for (const auto& c : cases) {
    Use(c.channels);
    SignallingSettings& sig = state.current.settings.Signalling;
    sig.Option.Option2 = c.option2;
    sig.Alert.EmergencyChannel = sig.Scan.PriorityChannel1 = sig.Scan.PriorityChannel2 = c.reference;
    RepairChannelReferences(state);
    EXPECT_EQ(sig.Option.Option2, c.option2After) << c.option2;
    EXPECT_EQ(sig.Alert.EmergencyChannel, c.referenceAfter);
    EXPECT_EQ(sig.Scan.PriorityChannel1, c.referenceAfter);
    EXPECT_EQ(sig.Scan.PriorityChannel2, c.referenceAfter);
  }
}

TEST_F(ChannelListOps, RepairSignallingReferences) {
  SignallingSettings& sig = state.current.settings.Signalling;
  sig.TwoTone.Entries[3].EmptyFlag = 0;
  sig.TwoTone.Entries[7].EmptyFlag = 0;
  sig.FiveTone.Calls[40].EmptyFlag = 0;
  Use({1, 2, 3, 4, 5, 6});
  const struct {
    int16_t signalling;
    int16_t twoTone;
    int16_t fiveTone;
    int16_t twoToneAfter;
    int16_t fiveToneAfter;
  } cases[] = {
      {2, 7, 9, 7, 9},                                           // in use; the 5-Tone number is not looked at
      {2, 5, 0, 3, 0},                                           // unused: the lowest entry in use
      {2, -1, 0, 3, 0},  {3, 5, 99, 5, 40}, {3, 0, 150, 0, 40},  // outside the entries
      {1, 5, 99, 5, 99},                                         // DTMF: untouched
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ChannelRecord& r = state.current.channels.records[i];
    r.Signalling = cases[i].signalling;
    r.TwoToneNo = cases[i].twoTone;
    r.FiveToneNo = cases[i].fiveTone;
  }
  int redraws = 0;
  RepairSignallingReferences(state, [&redraws] { ++redraws; });
  EXPECT_EQ(redraws, 1);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(state.current.channels.records[i].TwoToneNo, cases[i].twoToneAfter) << i;
    EXPECT_EQ(state.current.channels.records[i].FiveToneNo, cases[i].fiveToneAfter) << i;
  }

  // No entry in use at all: 0. An empty redraw is allowed.
  sig.TwoTone.Entries[3].EmptyFlag = sig.TwoTone.Entries[7].EmptyFlag = 1;
  state.current.channels.records[0].TwoToneNo = 7;
  RepairSignallingReferences(state, {});
  EXPECT_EQ(state.current.channels.records[0].TwoToneNo, 0);
}

TEST_F(ChannelListOps, RepairAlarmIdReferenceOnlyForFiveTone) {
  AlertSettings& alert = state.current.settings.Signalling.Alert;
  state.current.settings.Signalling.FiveTone.Calls[12].EmptyFlag = 0;
  state.current.settings.Signalling.FiveTone.Calls[30].EmptyFlag = 0;
  const struct {
    uint8_t type;
    uint8_t index;
    uint8_t after;
  } cases[] = {{2, 30, 30}, {2, 5, 12}, {2, 200, 12}, {1, 5, 5}, {0, 9, 9}};
  for (const auto& c : cases) {
    alert.AlarmIdType = c.type;
    alert.AlarmIdIndex = c.index;
    RepairAlarmIdReference(state);
    EXPECT_EQ(alert.AlarmIdIndex, c.after) << int{c.type} << " " << int{c.index};
  }
}

}  // namespace
}  // namespace kt740
