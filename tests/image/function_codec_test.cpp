#include <functional>

#include "codec_fixture.h"

namespace kt740::test {
namespace {

using FunctionCodec = CodecTest;

TEST_F(FunctionCodec, DefaultsEncodeWelcomeAndAnEmptyPassword) {
  SetCommDataByOption(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(Bytes(0x03E0, 7), (ByteList{0x57, 0x65, 0x6C, 0x63, 0x6F, 0x6D, 0x65}));
  EXPECT_EQ(Bytes(0x0210, 6), ByteList(6, 0x00));
  EXPECT_EQ(state.image[0x0238], 0x00);
  EXPECT_EQ(state.image[0x0232], 0x01);  // DigitTime's default
}

struct OptionByteCase {
  const char* name;
  std::function<void(SignallingSettings&)> set;
  std::size_t address;
  uint8_t expected;
};

TEST_F(FunctionCodec, OptionBytes) {
  const OptionByteCase cases[] = {
      {"switches A",
       [](SignallingSettings& s) { s.Option.Option14 = s.Option.OptionSwitch3 = s.Dtmf.AniEnabled = 1; },
       0x0230, 0x07},
      {"ANI alone", [](SignallingSettings& s) { s.Dtmf.AniEnabled = 1; }, 0x0230, 0x04},
      {"switch 2 is bit 3", [](SignallingSettings& s) { s.Option.OptionSwitch2 = 1; }, 0x0233, 0x08},
      {"switches 0 and 1", [](SignallingSettings& s) { s.Option.OptionSwitch0 = s.Option.OptionSwitch1 = 1; },
       0x0233, 0x03},
      {"PB as start channel", [](SignallingSettings& s) { s.Option.Option2 = 201; }, 0x0222, 0xC9},
      {"DigitTime", [](SignallingSettings& s) { s.Dtmf.DigitTime = 5; }, 0x0232, 0x05},
      {"Option15", [](SignallingSettings& s) { s.Option.Option15 = 2; }, 0x0231, 0x02},
      {"Option17", [](SignallingSettings& s) { s.Option.Option17 = 1; }, 0x0235, 0x01},
      {"password enabled", [](SignallingSettings& s) { s.Option.PowerOnPasswordEnabled = 1; }, 0x0238, 0x01},
  };
  for (const OptionByteCase& c : cases) {
    SCOPED_TRACE(c.name);
    state = ProgramState{};
    notifier.entries.clear();
    ClearImage(state.image);
    c.set(sig());
    SetCommDataByOption(state, notifier);
    ExpectSuccess();
    EXPECT_EQ(state.image[c.address], c.expected);
  }
}

TEST_F(FunctionCodec, OptionEncoderZeroesItsSpareBytesAndLeavesTheOthers) {
  for (std::size_t a : {0x0224, 0x0229, 0x022A, 0x022D, 0x0236, 0x0237}) state.image[a] = 0x55;
  SetCommDataByOption(state, notifier);
  EXPECT_EQ(state.image[0x0229], 0x00);
  EXPECT_EQ(state.image[0x022A], 0x00);
  EXPECT_EQ(state.image[0x022D], 0x00);
  EXPECT_EQ(state.image[0x0224], 0x55);
  EXPECT_EQ(state.image[0x0236], 0x55);
  EXPECT_EQ(state.image[0x0237], 0x55);
}

TEST_F(FunctionCodec, ShortPasswordIsZeroFilledAndReadsBackWithItsNul) {
  sig().Option.PowerOnPassword = NulTerminatedText<6>("123");
  SetCommDataByOption(state, notifier);
  EXPECT_EQ(Bytes(0x0210, 6), (ByteList{0x31, 0x32, 0x33, 0x00, 0x00, 0x00}));
  sig().Option = {};
  GetCommDataByOption(state);
  EXPECT_EQ(sig().Option.PowerOnPassword.str(), std::string("123\0  ", 6));
}

TEST_F(FunctionCodec, MessageTextsAreTrimmedBeforeEncoding) {
  sig().Option.PowerOnMessage = FixedText<7>::From(std::string("Hi\0abcd", 7));
  sig().Option.PowerOnPassword = FixedText<6>::From("12   ");
  SetCommDataByOption(state, notifier);
  EXPECT_EQ(Bytes(0x03E0, 7), (ByteList{'H', 'i', 0, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(0x0210, 6), (ByteList{'1', '2', 0, 0, 0, 0}));
}

TEST_F(FunctionCodec, OptionDecodeTexts) {
  Put(0x03E0, {'A', 'B', 'C', 'D', 'E', 'F', 'G'});
  GetCommDataByOption(state);
  EXPECT_EQ(sig().Option.PowerOnMessage.str(), "ABCDEFG");  // seven characters: no NUL

  Put(0x03E0, {0xFF, 'B', 'C'});
  Put(0x0210, {'9', 0xFF, '8'});
  GetCommDataByOption(state);
  EXPECT_EQ(sig().Option.PowerOnMessage.str(), std::string("\0      ", 7));
  EXPECT_EQ(sig().Option.PowerOnPassword.str(), std::string("9\0    ", 6));
}

TEST_F(FunctionCodec, OptionDecodeBitsRepairAndRecordOnlyFields) {
  Put(0x0230, {0x07});
  Put(0x0233, {0x04 | 0x08});  // bit 2 means nothing
  Put(0x0226, {0x05});
  Put(0x0232, {0x03});
  Put(0x0220, {0xFE});
  sig().Option.Option4 = 17;
  sig().Option.Option6 = 2;
  sig().Option.Option13 = 1;
  GetCommDataByOption(state);
  const OptionSettings& o = sig().Option;
  EXPECT_EQ(o.Option14, 1);
  EXPECT_EQ(o.OptionSwitch3, 1);
  EXPECT_EQ(sig().Dtmf.AniEnabled, 1);
  EXPECT_EQ(o.OptionSwitch0, 0);
  EXPECT_EQ(o.OptionSwitch1, 0);
  EXPECT_EQ(o.OptionSwitch2, 1);
  EXPECT_EQ(o.Option18, 0);  // anything above 1
  EXPECT_EQ(sig().Dtmf.DigitTime, 3);
  EXPECT_EQ(o.Option0, 0xFE);  // unsigned, unchecked
  EXPECT_EQ(o.Option4, 17);
  EXPECT_EQ(o.Option6, 2);
  EXPECT_EQ(o.Option13, 1);

  Put(0x0226, {0x01});
  GetCommDataByOption(state);
  EXPECT_EQ(sig().Option.Option18, 1);
}

struct OptionFailureCase {
  const char* name;
  std::function<void(SignallingSettings&)> set;
};

TEST_F(FunctionCodec, OptionEncoderFailuresAreTrappedAndLeaveTheRecordAlone) {
  const OptionFailureCase cases[] = {
      {"Option3 300", [](SignallingSettings& s) { s.Option.Option3 = 300; }},
      {"negative option", [](SignallingSettings& s) { s.Option.Option17 = -1; }},
      {"DigitTime 256", [](SignallingSettings& s) { s.Dtmf.DigitTime = 256; }},
      {"switch sum past a byte", [](SignallingSettings& s) { s.Dtmf.AniEnabled = 100; }},
      {"message byte without a code",
       [](SignallingSettings& s) { s.Option.PowerOnMessage.bytes[2] = '\x81'; }},
      {"password byte without a code",
       [](SignallingSettings& s) { s.Option.PowerOnPassword.bytes[0] = '\x9D'; }},
  };
  for (const OptionFailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    state = ProgramState{};
    notifier.entries.clear();
    ClearImage(state.image);
    c.set(sig());
    const SignallingSettings before = sig();
    SetCommDataByOption(state, notifier);
    ExpectFailure("SetCommDataByOptionError");
    EXPECT_EQ(sig(), before);
  }
}

TEST_F(FunctionCodec, BytesBeforeAFailureStay) {
  sig().Option.Option0 = 2;
  sig().Option.Option2 = 7;
  sig().Option.Option3 = 300;
  sig().Option.Option5 = 1;
  SetCommDataByOption(state, notifier);
  EXPECT_EQ(Bytes(0x0220, 4), (ByteList{0x02, 0x00, 0x07, 0x00}));
  EXPECT_EQ(state.image[0x0225], 0x00);
}

TEST_F(FunctionCodec, KeysAreCopiedBothWays) {
  for (std::size_t i = 0; i < kKeySlots; ++i) sig().Keys[i] = static_cast<uint8_t>(i + 1);
  SetCommDataByKey(state, notifier);
  EXPECT_EQ(Bytes(0x01F0, 15), ByteList(sig().Keys.begin(), sig().Keys.end()));
  EXPECT_EQ(state.image[0x01FF], 0x00);
  const KeyAssignments keys = sig().Keys;
  sig().Keys = {};
  GetCommDataByKey(state);
  EXPECT_EQ(sig().Keys, keys);
}

struct MinusOneCase {
  uint8_t value;
  uint8_t stored;
};

TEST_F(FunctionCodec, ChannelReferencesAreStoredLessOne) {
  const MinusOneCase cases[] = {{0, 0xFF}, {1, 0x00}, {12, 0x0B}, {203, 0xCA}, {255, 0xFE}};
  for (const MinusOneCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.value));
    ClearImage(state.image);
    sig().Scan.PriorityGroup1 = c.value;
    sig().Scan.PriorityChannel1 = c.value;
    sig().Scan.PriorityGroup2 = c.value;
    sig().Scan.PriorityChannel2 = c.value;
    sig().Alert.EmergencyChannel = c.value;
    SetCommDataByScan(state, notifier);
    SetCommDataByAlert(state, notifier);
    EXPECT_EQ(Bytes(0x03BA, 4), ByteList(4, c.stored));
    EXPECT_EQ(state.image[0x03A8], c.stored);
    sig().Scan = {};
    sig().Alert = {};
    GetCommDataByScan(state);
    GetCommDataByAlert(state);
    EXPECT_EQ(sig().Scan.PriorityChannel1, c.value);
    EXPECT_EQ(sig().Scan.PriorityGroup2, c.value);
    EXPECT_EQ(sig().Alert.EmergencyChannel, c.value);
  }
}

TEST_F(FunctionCodec, ScanAndAlertLayout) {
  ScanSettings& s = sig().Scan;
  s = {1, 3, 7, 50, 49, 1, 2, 3, 1, 255, 0, 0, 0, 0};
  AlertSettings& a = sig().Alert;
  a = {3, 2, 15, 10, 20, 30, 1, 0, 9, 1, 254, 255};
  state.image[0x03A7] = 0x55;
  SetCommDataByScan(state, notifier);
  SetCommDataByAlert(state, notifier);
  EXPECT_EQ(Bytes(0x03B0, 10), (ByteList{1, 3, 7, 50, 49, 1, 2, 3, 1, 255}));
  EXPECT_EQ(Bytes(0x03A0, 13), (ByteList{3, 2, 15, 10, 20, 30, 1, 0x55, 0xFF, 9, 1, 254, 255}));
  const ScanSettings scan = s;
  const AlertSettings alert = a;
  s = {};
  a = {};
  GetCommDataByScan(state);
  GetCommDataByAlert(state);
  EXPECT_EQ(s, scan);
  EXPECT_EQ(a, alert);
}

// The decoders' rules, not the reset defaults: a blank image holds no scan-back or lone-worker
// times, and its 0x00 channel references name channel 1.
TEST_F(FunctionCodec, BlankImageDecodesByTheByteRules) {
  GetCommDataByKey(state);
  GetCommDataByScan(state);
  GetCommDataByAlert(state);
  GetCommDataByOption(state);
  EXPECT_EQ(sig().Keys, KeyAssignments{});
  EXPECT_EQ(sig().Scan.ScanBackTimeA, 0);
  EXPECT_EQ(sig().Alert.PreAlertTime, 0);
  EXPECT_EQ(sig().Scan.PriorityChannel1, 1);
  EXPECT_EQ(sig().Alert.EmergencyChannel, 1);
  EXPECT_EQ(sig().Option.PowerOnMessage.str(), std::string("\0      ", 7));
  EXPECT_EQ(sig().Dtmf.DigitTime, 0);
}

}  // namespace
}  // namespace kt740::test
