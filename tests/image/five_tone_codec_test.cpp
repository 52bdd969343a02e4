#include "codec_fixture.h"

namespace kt740::test {
namespace {

using FiveToneCodec = CodecTest;

constexpr std::size_t kCall0 = 0x0D00;
constexpr std::size_t kInfo0 = 0x0500;

FiveToneCode CallOf(const std::string& digits, uint8_t count) {
  FiveToneCode c;
  c.EmptyFlag = 0;
  c.DigitCount = count;
  c.Digits = FixedText<40>::From(digits);
  return c;
}

TEST_F(FiveToneCodec, BlankImageDecode) {
  FiveToneSettings& f = sig().FiveTone;
  f.PttIdBegin.Name = FixedText<7>::From("PTT");
  GetCommDataBy5Tone(state);
  EXPECT_EQ(f.ToneLength, 70);
  EXPECT_EQ(f.OwnId.trimmed(), "");
  EXPECT_EQ(f.PttIdBegin.ToneLength, 70);
  EXPECT_EQ(f.PttIdEnd.ToneLength, 70);
  EXPECT_EQ(f.PttIdBegin.Name.trimmed(), "PTT");  // not in the image: kept
  for (const FiveToneCode& c : f.Calls) {
    EXPECT_EQ(c.EmptyFlag, 1);
    EXPECT_EQ(c.ToneLength, 70);
    EXPECT_EQ(c.Digits.trimmed(), "");
  }
  for (uint16_t v : f.UserStandard) EXPECT_EQ(v, 0);
  EXPECT_EQ(state.current.settings.DecodeTime, 0);
}

struct OwnIdCase {
  std::string id;
  uint8_t length;
  bool fails;
  ByteList bytes;
};

TEST_F(FiveToneCodec, OwnIdentity) {
  const OwnIdCase cases[] = {
      {"12345", 5, false, {1, 2, 3, 4, 5}},
      {"1234", 5, false, {1, 2, 3, 4, 0}},  // one short: completed with 0
      {"12345", 3, false, {1, 2, 3, 0, 0}},
      {"", 0, false, {0, 0, 0, 0, 0}},
      {"12A45", 5, true, {}},
      {"123", 5, true, {}},  // two short: a missing digit
  };
  for (const OwnIdCase& c : cases) {
    SCOPED_TRACE(c.id);
    state = ProgramState{};
    notifier.entries.clear();
    ClearImage(state.image);
    sig().FiveTone.OwnId = NulTerminatedText<6>(c.id);
    sig().FiveTone.IdLength = c.length;
    SetCommDataBy5Tone(state, notifier);
    if (c.fails) {
      ExpectFailure("SetCommDataBy5ToneError");
      continue;
    }
    ExpectSuccess();
    EXPECT_EQ(Bytes(0x0325, 5), c.bytes);
    EXPECT_EQ(state.image[0x0323], c.length);
  }
}

TEST_F(FiveToneCodec, OwnIdentityDecodesIdLengthDigits) {
  Put(0x0323, {3});
  Put(0x0325, {9, 8, 7, 6, 5});
  GetCommDataBy5Tone(state);
  EXPECT_EQ(sig().FiveTone.OwnId.str(), std::string("987\0  ", 6));
  Put(0x0323, {200});  // never beyond the five identity bytes
  GetCommDataBy5Tone(state);
  EXPECT_EQ(sig().FiveTone.OwnId.str(), std::string("98765\0", 6));
}

struct CallCase {
  const char* name;
  FiveToneCode call;
  ByteList slot;  // +1 onward
};

TEST_F(FiveToneCodec, CallSlots) {
  FiveToneCode taxi = CallOf("12E45", 5);
  taxi.Name = FixedText<7>::From("TAXI");
  taxi.StandardIndex = 3;
  taxi.ToneLength = 40;
  FiveToneCode shortTone = CallOf("1", 1);
  shortTone.ToneLength = 35;
  FiveToneCode noTone = CallOf("", 2);
  noTone.ToneLength = 0;
  const CallCase cases[] = {
      {"12E45 TAXI", taxi, {3, 5, 4, 0x12, 0xE4, 0x5E}},
      {"odd count completed with E", shortTone, {0, 1, 3, 0x1E}},
      {"digits padded with E", noTone, {0, 2, 7, 0xEE}},
  };
  for (const CallCase& c : cases) {
    SCOPED_TRACE(c.name);
    ClearImage(state.image);
    sig().FiveTone.Calls[0] = c.call;
    SetCommDataBy5Tone(state, notifier);
    ExpectSuccess();
    EXPECT_EQ(Bytes(kCall0 + 1, c.slot.size()), c.slot);
  }
  ClearImage(state.image);
  sig().FiveTone.Calls[0] = taxi;
  SetCommDataBy5Tone(state, notifier);
  EXPECT_EQ(Bytes(kCall0 + 24, 7), (ByteList{0x54, 0x41, 0x58, 0x49, 0x20, 0x20, 0x20}));
  sig().FiveTone = {};
  GetCommDataBy5Tone(state);
  const FiveToneCode& back = sig().FiveTone.Calls[0];
  EXPECT_EQ(back.Digits.trimmed(), "12E45");
  EXPECT_EQ(back.DigitCount, 5);
  EXPECT_EQ(back.StandardIndex, 3);
  EXPECT_EQ(back.ToneLength, 40);
  EXPECT_EQ(back.Name.str(), "TAXI   ");  // the space fill is read back
  EXPECT_EQ(back.EmptyFlag, 0);
}

TEST_F(FiveToneCodec, ToneLengthOutsideItsRangeReadsBackAs70) {
  const std::pair<uint8_t, uint8_t> stored[] = {{35, 3}, {0, 7}, {100, 10}, {30, 3}, {110, 7}};
  for (const auto& [ms, byte] : stored) {
    sig().FiveTone.ToneLength = ms;
    sig().FiveTone.PttIdEnd.ToneLength = ms;
    SetCommDataBy5Tone(state, notifier);
    EXPECT_EQ(state.image[0x0324], byte) << int{ms};
    EXPECT_EQ(state.image[0x0373], byte) << int{ms};
  }
  const std::pair<uint8_t, uint8_t> loaded[] = {{3, 30}, {10, 100}, {2, 70}, {11, 70}, {0xFF, 70}};
  for (const auto& [byte, ms] : loaded) {
    Put(0x0324, {byte});
    Put(kCall0 + 3, {byte});
    GetCommDataBy5Tone(state);
    EXPECT_EQ(sig().FiveTone.ToneLength, ms) << int{byte};
    EXPECT_EQ(sig().FiveTone.Calls[0].ToneLength, ms) << int{byte};
  }
}

TEST_F(FiveToneCodec, CallNamesAreCutAtNulThenTrimmed) {
  sig().FiveTone.Calls[1].Name = FixedText<7>::From(std::string("  \0XYZ", 6));
  sig().FiveTone.Calls[2].Name = FixedText<7>::From(std::string("AB \0   ", 7));
  SetCommDataBy5Tone(state, notifier);
  EXPECT_EQ(Bytes(kCall0 + 32 + 24, 7), ByteList(7, 0x00));
  EXPECT_EQ(Bytes(kCall0 + 64 + 24, 7), (ByteList{'A', 'B', 0x20, 0x20, 0x20, 0x20, 0x20}));
}

TEST_F(FiveToneCodec, CountsBeyondASlotAreCutToTheSlot) {
  FiveToneSettings& f = sig().FiveTone;
  f.PttIdBegin = CallOf("E112345A1B2C3D4E5F6A7B8C9D0E1F20", 32);  // a message code of the special call
  f.Calls[0] = CallOf("1234567890123456789012345678901234567890", 50);
  f.Calls[0].Name = FixedText<7>::From("NAME");
  f.InfoCodes[0].DigitCount = 20;
  f.InfoCodes[0].Digits = FixedText<12>::From("123456789ABC");
  Fill(0x0370, 16, 0x55);
  SetCommDataBy5Tone(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(state.image[0x0362], 24);
  EXPECT_EQ(Bytes(0x0364, 12),
            (ByteList{0xE1, 0x12, 0x34, 0x5A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x6A, 0x7B, 0x8C}));
  EXPECT_EQ(Bytes(0x0370, 1), ByteList{0x55});  // the end slot's untouched byte
  EXPECT_EQ(state.image[kCall0 + 2], 40);
  EXPECT_EQ(state.image[kCall0 + 23], 0x90);
  EXPECT_EQ(Bytes(kCall0 + 24, 4), (ByteList{'N', 'A', 'M', 'E'}));
  EXPECT_EQ(state.image[kInfo0 + 2], 12);
  EXPECT_EQ(state.image[kInfo0 + 14], 0x0C);
  EXPECT_EQ(state.image[kInfo0 + 15], 0x00);
}

TEST_F(FiveToneCodec, DecodeReadsOnlyTheSlotsDigits) {
  Put(0x0362, {40});
  Fill(0x0364, 12, 0x11);
  Fill(0x0370, 16, 0x22);
  GetCommDataBy5Tone(state);
  EXPECT_EQ(sig().FiveTone.PttIdBegin.DigitCount, 40);
  EXPECT_EQ(sig().FiveTone.PttIdBegin.Digits.trimmed(), std::string(24, '1'));
}

TEST_F(FiveToneCodec, InfoCodes) {
  FiveToneInfoCode& info = sig().FiveTone.InfoCodes[7];
  info.DecodeFunction = 3;
  info.Response = 2;
  info.DigitCount = 3;
  info.Digits = NulTerminatedText<12>("A1");
  info.Name = FixedText<7>::From("TAXI");
  Put(0x05EF, {0x55});
  Fill(0x05F7, 9, 0x55);
  SetCommDataBy5Tone(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(Bytes(0x05E0, 6), (ByteList{3, 2, 3, 0x0A, 0x01, 0x0E}));
  EXPECT_EQ(Bytes(0x05F0, 7), (ByteList{0x54, 0x41, 0x58, 0x49, 0x00, 0x00, 0x00}));
  EXPECT_EQ(state.image[0x05EF], 0x55);
  EXPECT_EQ(Bytes(0x05F7, 9), ByteList(9, 0x55));
  sig().FiveTone = {};
  GetCommDataBy5Tone(state);
  EXPECT_EQ(info.Digits.trimmed(), "A1E");
  EXPECT_EQ(info.DigitCount, 3);
  EXPECT_EQ(info.DecodeFunction, 3);
  EXPECT_EQ(info.Response, 2);
  EXPECT_EQ(info.Name.trimmed(), "TAXI");
}

TEST_F(FiveToneCodec, InfoCodeDecodeRepairs) {
  Put(kInfo0, {0xFF, 0xFF, 0xFF});
  Put(kInfo0 + 16, {0x00, 'A', 'B'});
  Put(kInfo0 + 32, {1, 0, 2, 0x1F, 0x05});  // a byte above F reads as its two-digit text
  Put(kInfo0 + 48, {'O', 'K', 0xFF, 'X'});
  GetCommDataBy5Tone(state);
  const auto& infos = sig().FiveTone.InfoCodes;
  EXPECT_EQ(infos[0].DecodeFunction, 0);
  EXPECT_EQ(infos[0].Response, 0);
  EXPECT_EQ(infos[0].DigitCount, 0);
  EXPECT_EQ(infos[0].Name.trimmed(), "");
  EXPECT_EQ(infos[1].Digits.trimmed(), "1F");
  EXPECT_EQ(infos[1].Name.trimmed(), "OK");
}

TEST_F(FiveToneCodec, HeaderAndUserStandard) {
  FiveToneSettings& f = sig().FiveTone;
  f.HeaderByte0 = 0x99;
  f.DecodeResponse = 2;
  f.StandardIndex = 15;
  f.ListValue4 = 4;
  f.ListValue6 = 6;
  f.ListValue7 = 75;
  f.ListValue5 = 250;
  f.FirstDigitDelay = 255;
  f.SideTone = 1;
  f.SpecialDigit = 13;
  f.PauseCode = 15;
  f.PauseTime = 0;
  f.FirstCodeDelayAfterPause = 250;
  state.current.settings.DecodeTime = 200;
  f.UserStandard[0] = 2885;
  f.UserStandard[15] = 0xFFFF;  // an image value of 0x8000 or more keeps its 16 bits
  Put(0x032A, {0x55});
  SetCommDataBy5Tone(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(Bytes(0x0320, 4), (ByteList{0x99, 2, 15, 0}));
  EXPECT_EQ(Bytes(0x032A, 12), (ByteList{0x55, 4, 6, 75, 250, 255, 1, 13, 15, 0, 200, 250}));
  EXPECT_EQ(Bytes(0x03C0, 2), (ByteList{0x45, 0x0B}));
  EXPECT_EQ(Bytes(0x03DE, 2), (ByteList{0xFF, 0xFF}));
  const FiveToneSettings sent = f;
  f = {};
  state.current.settings.DecodeTime = 0;
  GetCommDataBy5Tone(state);
  EXPECT_EQ(f.UserStandard, sent.UserStandard);
  EXPECT_EQ(f.FirstDigitDelay, 255);
  EXPECT_EQ(f.PauseCode, 15);
  EXPECT_EQ(f.ListValue5, 250);
  EXPECT_EQ(state.current.settings.DecodeTime, 200);
}

TEST_F(FiveToneCodec, InUseMap) {
  for (auto& c : sig().FiveTone.Calls) c.EmptyFlag = 1;
  sig().FiveTone.Calls[0].EmptyFlag = 0;
  sig().FiveTone.Calls[99].EmptyFlag = 0;
  SetCommDataBy5Tone(state, notifier);
  EXPECT_EQ(state.image[0x0390], 0xFE);
  EXPECT_EQ(state.image[0x039C], 0xF7);
  EXPECT_EQ(state.image[0x039D], 0xFF);
}

struct FailureCase {
  const char* name;
  void (*set)(FiveToneSettings&);
};

TEST_F(FiveToneCodec, EncoderFailures) {
  const FailureCase cases[] = {
      {"call digit not hexadecimal", [](FiveToneSettings& f) { f.Calls[4] = CallOf("12G45", 5); }},
      {"PTT-ID digit not hexadecimal", [](FiveToneSettings& f) { f.PttIdEnd = CallOf("1 2", 3); }},
      {"info digit not hexadecimal",
       [](FiveToneSettings& f) {
         f.InfoCodes[2].DigitCount = 2;
         f.InfoCodes[2].Digits = FixedText<12>::From("1Z");
       }},
      {"PauseTime past a byte", [](FiveToneSettings& f) { f.PauseTime = 300; }},
      {"negative SpecialDigit", [](FiveToneSettings& f) { f.SpecialDigit = -1; }},
      {"FirstDigitDelay past a byte", [](FiveToneSettings& f) { f.FirstDigitDelay = 256; }},
      {"name without a code", [](FiveToneSettings& f) { f.Calls[9].Name = FixedText<7>::From("\x81"); }},
      {"info name without a code",
       [](FiveToneSettings& f) { f.InfoCodes[0].Name = FixedText<7>::From("A\x8D"); }},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    state = ProgramState{};
    notifier.entries.clear();
    ClearImage(state.image);
    c.set(sig().FiveTone);
    const FiveToneSettings before = sig().FiveTone;
    SetCommDataBy5Tone(state, notifier);
    ExpectFailure("SetCommDataBy5ToneError");
    EXPECT_EQ(sig().FiveTone, before);
  }
}

TEST(FiveToneReset, GivesEmptyCallsAndTheStandardTable) {
  FiveToneSettings f;
  f.Calls[7] = CallOf("123", 3);
  f.Calls[7].Name = FixedText<7>::From("KEEP");
  f.Calls[7].ToneLength = 40;
  f.PttIdBegin = CallOf("E612345", 7);
  f.SpecialDigit = 0;
  f.UserStandard[0] = 1;
  uint8_t decodeTime = 99;
  ResetFiveTone(f, decodeTime);
  EXPECT_EQ(decodeTime, 2);
  EXPECT_EQ(f.SpecialDigit, 13);
  EXPECT_EQ(f.UserStandard[0], 24000);  // 2400.0 Hz
  EXPECT_EQ(f.UserStandard[15], 9300);  // 930.0 Hz
  for (const FiveToneCode& c : f.Calls) {
    EXPECT_EQ(c.EmptyFlag, 1);
    EXPECT_EQ(c.ToneLength, 70);
    EXPECT_EQ(c.DigitCount, 0);
  }
  EXPECT_EQ(f.Calls[7].Name.trimmed(), "KEEP");
  EXPECT_EQ(f.PttIdBegin.Digits.trimmed(), "E612345");
}

}  // namespace
}  // namespace kt740::test
