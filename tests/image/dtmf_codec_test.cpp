#include "codec_fixture.h"

namespace kt740::test {
namespace {

using DtmfCodec = CodecTest;

enum class Slot { PttIdBegin, PttIdEnd, Kill, Stun, M1, M16 };

struct SlotPlace {
  std::size_t base;
  std::size_t length;
};

SlotPlace PlaceOf(Slot slot) {
  switch (slot) {
    case Slot::PttIdBegin:
      return {0x0340, 0x034C};
    case Slot::PttIdEnd:
      return {0x0350, 0x035C};
    case Slot::Kill:
      return {0x02F0, 0x02F7};
    case Slot::Stun:
      return {0x02F8, 0x02FF};
    case Slot::M1:
      return {0x0400, 0x040C};
    case Slot::M16:
      return {0x04F0, 0x04FC};
  }
  return {0, 0};
}

// The text and length of one code of the block.
void SetCode(DtmfSettings& d, Slot slot, const std::string& text, int16_t length) {
  switch (slot) {
    case Slot::PttIdBegin:
      d.PttIdBeginCode = FixedText<24>::From(text), d.PttIdBeginLength = length;
      break;
    case Slot::PttIdEnd:
      d.PttIdEndCode = FixedText<24>::From(text), d.PttIdEndLength = length;
      break;
    case Slot::Kill:
      d.KillCode = FixedText<14>::From(text), d.KillCodeLength = length;
      break;
    case Slot::Stun:
      d.StunCode = FixedText<14>::From(text), d.StunCodeLength = length;
      break;
    case Slot::M1:
      d.DtmfCodes[0] = {FixedText<24>::From(text), length};
      break;
    case Slot::M16:
      d.DtmfCodes[15] = {FixedText<24>::From(text), length};
      break;
  }
}

std::pair<std::string, int> GetCode(const DtmfSettings& d, Slot slot) {
  switch (slot) {
    case Slot::PttIdBegin:
      return {d.PttIdBeginCode.str(), d.PttIdBeginLength};
    case Slot::PttIdEnd:
      return {d.PttIdEndCode.str(), d.PttIdEndLength};
    case Slot::Kill:
      return {d.KillCode.str(), d.KillCodeLength};
    case Slot::Stun:
      return {d.StunCode.str(), d.StunCodeLength};
    case Slot::M1:
      return {d.DtmfCodes[0].CodeDigits.str(), d.DtmfCodes[0].CodeLength};
    case Slot::M16:
      return {d.DtmfCodes[15].CodeDigits.str(), d.DtmfCodes[15].CodeLength};
  }
  return {};
}

struct CodeCase {
  const char* name;
  Slot slot;
  std::string text;  // the record's text, before padding to the field
  int16_t length;
  bool fails;
  ByteList digits;      // from the slot's base
  uint8_t lengthByte;   // written
  std::string decoded;  // the decoded text, NUL included, before the space fill
};

TEST_F(DtmfCodec, CodePacking) {
  const CodeCase cases[] = {
      {"123*456",
       Slot::M1,
       std::string("123E456\0", 8),
       7,
       false,
       {0x12, 0x3E, 0x45, 0x60},
       7,
       std::string("123E456\0", 8)},
      {"24 digits fill the slot",
       Slot::PttIdBegin,
       "0123456789ABCDEF01234567",
       24,
       false,
       {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x01, 0x23, 0x45, 0x67},
       24,
       "0123456789ABCDEF01234567"},
      {"short code filled with 0",
       Slot::M16,
       std::string("12\0", 3),
       5,
       false,
       {0x12, 0x00, 0x00},
       5,
       std::string("12000\0", 6)},
      {"digits past the length are filler",
       Slot::PttIdEnd,
       "1234",
       2,
       false,
       {0x12, 0x00},
       2,
       std::string("12\0", 3)},
      {"# and *", Slot::Stun, "FE", 2, false, {0xFE}, 2, std::string("FE\0", 3)},
      {"kill code of 14",
       Slot::Kill,
       "0123456789ABCD",
       14,
       false,
       {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD},
       14,
       "0123456789ABCD"},
      {"length past the slot counts as 0", Slot::M1, "123", 25, false, {0x00}, 0, std::string("\0", 1)},
      {"kill code is not filled", Slot::Kill, "12", 5, true, {}, 0, ""},
      {"odd kill code one short", Slot::Stun, "123", 4, true, {}, 0, ""},
      {"not a DTMF digit", Slot::M1, "12G", 3, true, {}, 0, ""},
      {"space inside a code", Slot::PttIdBegin, "1 2", 3, true, {}, 0, ""},
      {"negative length", Slot::M1, "12", -1, true, {}, 0, ""},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    state = ProgramState{};
    notifier.entries.clear();
    ClearImage(state.image);
    SetCode(sig().Dtmf, c.slot, c.text, c.length);
    SetCommDataByDTMF(state, notifier);
    if (c.fails) {
      ExpectFailure("SetCommDataByDTMFError");
      continue;
    }
    ExpectSuccess();
    const SlotPlace place = PlaceOf(c.slot);
    EXPECT_EQ(Bytes(place.base, c.digits.size()), c.digits);
    EXPECT_EQ(state.image[place.length], c.lengthByte);
    sig().Dtmf = {};
    GetCommDataByDTMF(state);
    const auto [text, length] = GetCode(sig().Dtmf, c.slot);
    EXPECT_EQ(length, c.lengthByte);
    EXPECT_EQ(TrimText(text), TrimText(c.decoded));
    EXPECT_EQ(text.substr(0, c.decoded.size()), c.decoded);
  }
}

TEST_F(DtmfCodec, LengthByteBeyondTheSlotDecodesAsEmpty) {
  Put(0x0400, {0x12, 0x34});
  Put(0x040C, {30});
  Put(0x02F7, {15});
  GetCommDataByDTMF(state);
  EXPECT_EQ(sig().Dtmf.DtmfCodes[0].CodeLength, 0);
  EXPECT_EQ(sig().Dtmf.DtmfCodes[0].CodeDigits, NulTerminatedText<24>(""));
  EXPECT_EQ(sig().Dtmf.KillCodeLength, 0);
}

struct OwnIdCase {
  std::string record;
  ByteList bytes;
  std::string storedBack;
};

TEST_F(DtmfCodec, OwnIdIsThreeDigitsWrittenBackToTheRecord) {
  const OwnIdCase cases[] = {
      {"12 ", {1, 2, 0}, "120"}, {std::string("7\0 ", 3), {7, 0, 0}, "700"},
      {"AB ", {0, 0, 0}, "000"}, {"1.5", {0, 0, 0}, "000"},
      {"   ", {0, 0, 0}, "000"}, {"987", {9, 8, 7}, "987"},
  };
  for (const OwnIdCase& c : cases) {
    SCOPED_TRACE(c.record);
    ClearImage(state.image);
    sig().Dtmf.OwnId = FixedText<3>::From(c.record);
    SetCommDataByDTMF(state, notifier);
    EXPECT_EQ(Bytes(0x02E7, 3), c.bytes);
    EXPECT_EQ(sig().Dtmf.OwnId.str(), c.storedBack);
  }
  ExpectSuccess();
}

TEST_F(DtmfCodec, OwnIdDecode) {
  Put(0x02E7, {4, 5, 6});
  GetCommDataByDTMF(state);
  EXPECT_EQ(sig().Dtmf.OwnId.str(), "456");
  Put(0x02E7, {1, 10, 3});
  GetCommDataByDTMF(state);
  EXPECT_EQ(sig().Dtmf.OwnId.str(), "000");
}

struct CharCase {
  int16_t separator, group;
  uint8_t separatorByte, groupByte;
};

TEST_F(DtmfCodec, SeparatorAndGroupCharactersEncode) {
  const CharCase cases[] = {
      {10, 15, 0x0A, 0x0F}, {15, 255, 0x0F, 0xFF}, {7, 9, 0x0E, 0xFF},
      {16, -1, 0x0E, 0xFF}, {-3, 16, 0x0E, 0xFF},
  };
  for (const CharCase& c : cases) {
    SCOPED_TRACE(c.separator);
    sig().Dtmf.SeparatorChar = c.separator;
    sig().Dtmf.GroupChar = c.group;
    SetCommDataByDTMF(state, notifier);
    EXPECT_EQ(state.image[0x02E0], c.separatorByte);
    EXPECT_EQ(state.image[0x02E1], c.groupByte);
    // Only the encoder's copy is repaired; the DTMF editor repairs the record when it shows it.
    EXPECT_EQ(sig().Dtmf.SeparatorChar, c.separator);
    EXPECT_EQ(sig().Dtmf.GroupChar, c.group);
  }
  ExpectSuccess();
}

TEST_F(DtmfCodec, SeparatorAndGroupCharactersDecode) {
  const CharCase cases[] = {
      {10, 15, 0x0A, 0x0F}, {14, 255, 0x07, 0xFF}, {14, 10, 0x00, 0x00},
      {14, 10, 0x10, 0x09}, {15, 12, 0x0F, 0x0C},
  };
  for (const CharCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.separatorByte));
    Put(0x02E0, {c.separatorByte, c.groupByte});
    GetCommDataByDTMF(state);
    EXPECT_EQ(sig().Dtmf.SeparatorChar, c.separator);
    EXPECT_EQ(sig().Dtmf.GroupChar, c.group);
  }
}

TEST_F(DtmfCodec, DecoderRepairsResponseAndFirstDelayInTheImage) {
  Put(0x02E2, {0x07, 0x14, 0xFB});
  GetCommDataByDTMF(state);
  EXPECT_EQ(sig().Dtmf.DecodeResponse, 0);
  EXPECT_EQ(sig().Dtmf.FirstDigitDelay, 0);
  EXPECT_EQ(sig().Dtmf.PreSendDelay, 0x14);
  EXPECT_EQ(state.image[0x02E2], 0x00);
  EXPECT_EQ(state.image[0x02E4], 0x00);

  Put(0x02E2, {0x02, 0x14, 0xFA});
  GetCommDataByDTMF(state);
  EXPECT_EQ(sig().Dtmf.DecodeResponse, 2);
  EXPECT_EQ(sig().Dtmf.FirstDigitDelay, 250);
  EXPECT_EQ(state.image[0x02E4], 0xFA);
}

TEST_F(DtmfCodec, SettingsLayout) {
  DtmfSettings& d = sig().Dtmf;
  d.DecodeResponse = 3;  // above 2: sent as 0
  d.PreSendDelay = 250;
  d.FirstDigitDelay = 251;  // above 250: sent as 0
  d.ResetTime = 17;
  d.DtmfSideTone = 1;
  d.PostSendDelay = 33;
  d.PauseTime = 75;
  Put(0x02E6, {0x55});
  Fill(0x02EA, 3, 0x55);
  SetCommDataByDTMF(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(Bytes(0x02E0, 16),
            (ByteList{0x0E, 0x0A, 0x00, 250, 0x00, 17, 0x55, 0, 0, 0, 0x55, 0x55, 0x55, 1, 33, 75}));
}

TEST_F(DtmfCodec, EncoderRefusesValuesOutsideAByte) {
  sig().Dtmf.PreSendDelay = 300;
  SetCommDataByDTMF(state, notifier);
  ExpectFailure("SetCommDataByDTMFError");
}

TEST_F(DtmfCodec, DecoderKeepsTheOptionBlockAndRecordOnlyFields) {
  sig().Dtmf.AniEnabled = 1;
  sig().Dtmf.DigitTime = 4;
  sig().Dtmf.PttIdMode = 2;
  GetCommDataByDTMF(state);
  EXPECT_EQ(sig().Dtmf.AniEnabled, 1);
  EXPECT_EQ(sig().Dtmf.DigitTime, 4);
  EXPECT_EQ(sig().Dtmf.PttIdMode, 2);
}

TEST_F(DtmfCodec, BlankImageDecode) {
  GetCommDataByDTMF(state);
  const DtmfSettings& d = sig().Dtmf;
  EXPECT_EQ(d.SeparatorChar, 14);
  EXPECT_EQ(d.GroupChar, 10);
  EXPECT_EQ(d.OwnId.str(), "000");
  EXPECT_EQ(d.PreSendDelay, 0);
  EXPECT_EQ(d.PauseTime, 0);
  EXPECT_EQ(d.PttIdBeginLength, 0);
  EXPECT_EQ(d.PttIdBeginCode, NulTerminatedText<24>(""));
  EXPECT_EQ(d.KillCode, NulTerminatedText<14>(""));
  for (const DtmfCodeEntry& e : d.DtmfCodes) EXPECT_EQ(e, DtmfCodeEntry{});
}

using CommuBookCodec = CodecTest;

TEST_F(CommuBookCodec, EntriesEncode) {
  CommuBook& book = state.current.settings.Book;
  book.entries[0].CallCode = NulTerminatedText<5>("123");
  book.entries[0].CallName = NulTerminatedText<7>("BOB");
  book.entries[1].CallCode = NulTerminatedText<5>("12A");
  book.entries[1].CallName = FixedText<7>::From("ABCDEFG");
  book.entries[127].CallCode = FixedText<5>::From("12345");
  Fill(0x1980, 10, 0x55);
  Fill(0x1C00, 16, 0x55);
  SetCommDataByDTMFCommuBook(state, notifier);
  ExpectSuccess();
  EXPECT_EQ(Bytes(0x1980, 5), (ByteList{0x31, 0x32, 0x33, 0x00, 0x00}));
  EXPECT_EQ(Bytes(0x1C00, 8), (ByteList{0x42, 0x4F, 0x42, 0, 0, 0, 0, 0x55}));  // eighth byte untouched
  EXPECT_EQ(Bytes(0x1985, 5), ByteList(5, 0x00));                               // not a number
  EXPECT_EQ(Bytes(0x1C08, 8), (ByteList{'A', 'B', 'C', 'D', 'E', 'F', 'G', 0x55}));
  EXPECT_EQ(Bytes(0x1BFB, 5), (ByteList{'1', '2', '3', '4', '5'}));
  EXPECT_EQ(Bytes(0x1C10, 7), ByteList(7, 0x00));  // a default entry
}

TEST_F(CommuBookCodec, NameWithoutASingleByteCodeFails) {
  state.current.settings.Book.entries[5].CallName.bytes[0] = '\x8F';
  SetCommDataByDTMFCommuBook(state, notifier);
  ExpectFailure("SetCommDataByDTMFCommuBookError");
}

TEST_F(CommuBookCodec, EntriesDecode) {
  CommuBook& book = state.current.settings.Book;
  book.entries[3].SlotNumber = 99;
  Put(0x1980, {'1', '2', 0x00, 0xFF, '3'});  // codes are taken as they are
  Put(0x1C00, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'});
  Put(0x1C08, {'X', 0xFF, 'Y'});
  Put(0x1C10, {'J', 'O', ' ', 0x00, 'Z'});
  GetCommDataByDTMFCommuBook(state);
  EXPECT_EQ(book.entries[0].CallCode.str(), std::string("12\0\xFF"
                                                        "3",
                                                        5));
  EXPECT_EQ(book.entries[0].CallName.str(), "ABCDEFG");
  EXPECT_EQ(book.entries[1].CallName.str(), std::string("X\0     ", 7));
  EXPECT_EQ(book.entries[2].CallName.str(), std::string("JO \0   ", 7));
  EXPECT_EQ(book.entries[3].SlotNumber, 3);
  EXPECT_EQ(book.entries[4].CallCode.str(), std::string(5, '\0'));
  EXPECT_EQ(book.entries[4].CallName.str(), std::string("\0      ", 7));
}

}  // namespace
}  // namespace kt740::test
