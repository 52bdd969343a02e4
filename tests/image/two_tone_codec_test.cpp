#include "codec_fixture.h"

namespace kt740::test {
namespace {

using TwoToneCodec = CodecTest;

TEST_F(TwoToneCodec, HeaderEndiannessMix) {
  TwoToneSettings& t = sig().TwoTone;
  t.OwnTone1FreqHigh = 0x27;  // 1000.0 Hz
  t.OwnTone1FreqLow = 0x10;
  t.OwnTone1DivisorHigh = 0x12;  // 9600000 / (2 x 1000) = 4800
  t.OwnTone1DivisorLow = 0xC0;
  t.OwnCallPattern = 12;  // A alone: no second tone
  t.ChoiceSetting = 2;
  t.ListSetting0 = 5;
  t.ListSetting1 = 50;
  t.ListSetting2 = 100;
  t.ListSetting3 = 20;
  t.ListSetting4 = 250;
  t.SideTone = 1;
  t.ToneA = 3217;  // 321.7 Hz
  t.ToneB = 9281;
  t.ToneC = 6265;
  t.ToneD = 20438;
  SetCommDataBy2Tone(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(Bytes(0x0300, 24),
            (ByteList{0x10, 0x27, 0x00, 0x00, 0xC0, 0x12, 0x00, 0x00, 2,    5,    50,   100,
                      20,   250,  1,    12,   0x0C, 0x91, 0x24, 0x41, 0x18, 0x79, 0x4F, 0xD6}));
  const TwoToneSettings sent = t;
  t = {};
  GetCommDataBy2Tone(state);
  EXPECT_EQ(t.ToneA, 3217);
  EXPECT_EQ(t.ToneD, 20438);
  EXPECT_EQ(t.OwnTone1FreqHigh, 0x27);
  EXPECT_EQ(t.OwnTone1DivisorLow, 0xC0);
  t.Entries = sent.Entries;
  EXPECT_EQ(t, sent);
}

TEST_F(TwoToneCodec, DecodeSlotIsLittleEndianWithItsName) {
  TwoToneEntry& e = sig().TwoTone.Entries[3];
  e.EmptyFlag = 0;
  e.Tone1DivisorHigh = 0x02;  // 9600000 / (16 x 1000) = 600
  e.Tone1DivisorLow = 0x58;
  e.Tone1FreqHigh = 0x27;
  e.Tone1FreqLow = 0x10;
  e.Tone2DivisorHigh = 0x01;
  e.Tone2DivisorLow = 0x2C;
  e.Tone2FreqHigh = 0x4E;
  e.Tone2FreqLow = 0x20;
  e.Name = NulTerminatedText<7>("AB");
  Put(0x0B3F, {0x55});
  SetCommDataBy2Tone(state, notifier);
  EXPECT_EQ(Bytes(0x0B30, 16), (ByteList{0x58, 0x02, 0x2C, 0x01, 0x10, 0x27, 0x20, 0x4E, 0x41, 0x42, 0x20,
                                         0x20, 0x20, 0x20, 0x20, 0x55}));
}

struct NameCase {
  std::string record;
  ByteList bytes;
};

TEST_F(TwoToneCodec, NamesEncode) {
  const NameCase cases[] = {
      {"AB", {0x41, 0x42, 0x20, 0x20, 0x20, 0x20, 0x20}},
      {"       ", ByteList(7, 0x00)},
      {std::string("\0      ", 7), ByteList(7, 0x00)},
      {"ABCDEFG", {'A', 'B', 'C', 'D', 'E', 'F', 'G'}},
      {std::string("A B\0XYZ", 7), {'A', ' ', 'B', 0x20, 0x20, 0x20, 0x20}},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.record);
    sig().TwoTone.Entries[31].Name = FixedText<7>::From(c.record);
    SetCommDataBy2Tone(state, notifier);
    EXPECT_EQ(Bytes(0x0CF8, 7), c.bytes);
  }
  ExpectSuccess();
}

TEST_F(TwoToneCodec, NameWithoutASingleByteCodeFails) {
  sig().TwoTone.Entries[0].Name = FixedText<7>::From("A\x90");
  SetCommDataBy2Tone(state, notifier);
  ExpectFailure("SetCommDataBy2ToneError");
}

TEST_F(TwoToneCodec, NamesDecode) {
  Put(0x0B08, {0x41, 0xFF, 0x42, 0x43, 0x44, 0x45, 0x46});
  Put(0x0B18, {'A', 'B', 'C', 'D', 'E', 'F', 'G'});
  Put(0x0B28, {'X', 'Y', 0x20, 0x20, 0x20, 0x20, 0x20});
  GetCommDataBy2Tone(state);
  const auto& entries = sig().TwoTone.Entries;
  EXPECT_EQ(entries[0].Name.str(), std::string("A\0     ", 7));
  EXPECT_EQ(entries[1].Name.str(), "ABCDEFG");
  EXPECT_EQ(entries[2].Name.trimmed(), "XY");
  EXPECT_EQ(entries[3].Name.str(), std::string("\0      ", 7));
}

TEST_F(TwoToneCodec, InUseMapTouchesOnlyTheEntrysBit) {
  auto& entries = sig().TwoTone.Entries;
  for (auto& e : entries) e.EmptyFlag = 1;
  entries[9].EmptyFlag = 0;
  SetCommDataBy2Tone(state, notifier);
  EXPECT_EQ(Bytes(0x0380, 4), (ByteList{0xFF, 0xFD, 0xFF, 0xFF}));

  ClearImage(state.image);
  for (auto& e : entries) e.EmptyFlag = 0;
  entries[9].EmptyFlag = 1;
  SetCommDataBy2Tone(state, notifier);
  EXPECT_EQ(Bytes(0x0380, 4), (ByteList{0x00, 0x02, 0x00, 0x00}));

  Put(0x0380, {0x00, 0x02, 0x00, 0x80});
  GetCommDataBy2Tone(state);
  for (std::size_t n = 0; n < entries.size(); ++n)
    EXPECT_EQ(entries[n].EmptyFlag, n == 9 || n == 31 ? 1 : 0) << n;
}

TEST_F(TwoToneCodec, PatternAbove14DecodesAsAB) {
  Put(0x030F, {15});
  GetCommDataBy2Tone(state);
  EXPECT_EQ(sig().TwoTone.OwnCallPattern, 0);
  Put(0x030F, {14});
  GetCommDataBy2Tone(state);
  EXPECT_EQ(sig().TwoTone.OwnCallPattern, 14);
}

TEST_F(TwoToneCodec, BlankImageDecodesToEmptyEntries) {
  ResetTwoToneHeader(sig().TwoTone);
  ResetTwoToneEntries(sig().TwoTone);
  GetCommDataBy2Tone(state);
  TwoToneSettings expected;
  for (TwoToneEntry& e : expected.Entries) e.Name = NulTerminatedText<7>("");
  EXPECT_EQ(sig().TwoTone, expected);
}

TEST(TwoToneReset, GivesTheFactoryTonesAndOneEntry) {
  TwoToneSettings t;
  t.Entries[5].Name = FixedText<7>::From("KEEP");
  t.Entries[5].EmptyFlag = 0;
  t.Entries[5].Tone1FreqLow = 9;
  ResetTwoToneHeader(t);
  ResetTwoToneEntries(t);
  EXPECT_EQ(t.ToneA, 3217);
  EXPECT_EQ(t.ToneB, 9281);
  EXPECT_EQ(t.ToneC, 6265);
  EXPECT_EQ(t.ToneD, 20438);
  EXPECT_EQ(t.OwnTone1FreqHigh * 256 + t.OwnTone1FreqLow, 3217);
  EXPECT_EQ(t.OwnTone2FreqHigh * 256 + t.OwnTone2FreqLow, 9281);
  EXPECT_EQ(t.OwnTone1DivisorHigh * 256 + t.OwnTone1DivisorLow, 14920);
  EXPECT_EQ(t.OwnTone2DivisorHigh * 256 + t.OwnTone2DivisorLow, 5172);
  EXPECT_EQ(t.ListSetting0, 5);
  EXPECT_EQ(t.ListSetting2, 10);
  const TwoToneEntry& first = t.Entries[0];
  EXPECT_EQ(first.EmptyFlag, 0);
  EXPECT_EQ(first.Tone1FreqHigh * 256 + first.Tone1FreqLow, 3217);
  EXPECT_EQ(first.Tone2FreqHigh * 256 + first.Tone2FreqLow, 9281);
  EXPECT_EQ(first.Tone1DivisorHigh * 256 + first.Tone1DivisorLow, 14920);
  for (std::size_t n = 1; n < t.Entries.size(); ++n) {
    EXPECT_EQ(t.Entries[n].EmptyFlag, 1) << n;
    EXPECT_EQ(t.Entries[n].Tone1FreqLow, 0) << n;
  }
  EXPECT_EQ(t.Entries[5].Name.trimmed(), "KEEP");  // names are left as they were
}

}  // namespace
}  // namespace kt740::test
