#include "image/channel_codec.h"

#include <gtest/gtest.h>

#include <vector>

#include "program/comm_data.h"
#include "program/grid_ops.h"
#include "program/program_state.h"
#include "support/recording_notifier.h"

namespace kt740 {
namespace {

ChannelRecord Channel(int number, const char* rx = "014500000") {
  ChannelRecord r = DefaultChannelRecord(number);
  r.InUse = 1;
  r.RxFreq = FixedText<9>::From(rx);
  return r;
}

std::vector<uint8_t> Bytes(const MemoryImage& image, std::size_t address, std::size_t count) {
  return {image.bytes.begin() + static_cast<std::ptrdiff_t>(address),
          image.bytes.begin() + static_cast<std::ptrdiff_t>(address + count)};
}

void SetBytes(MemoryImage& image, std::size_t address, std::vector<uint8_t> bytes) {
  for (uint8_t b : bytes) image[address++] = b;
}

class ChannelCodec : public ::testing::Test {
 protected:
  void SetUp() override { ClearImage(state.image); }
  void Use(std::vector<ChannelRecord> records) {
    ChannelList& list = state.current.channels;
    list.ChannelCount = static_cast<int>(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) list.records[i] = records[i];
  }
  void Encode() {
    state.CommDataOK = true;
    SetCommDataByFrequency(state, notifier);
  }
  const ChannelRecord* Decoded(int number) const { return state.current.channels.Find(number); }

  ProgramState state;
  test::RecordingNotifier notifier;
};

TEST_F(ChannelCodec, EncodesEntriesMapsAndBandLimits) {
  ChannelRecord one = Channel(1, "046200625");
  one.ScanSkip = 0;
  one.Offset = FixedText<9>::From("000500000");
  one.Name = NulTerminatedText<7>("AB");
  one.PttIdCode = FixedText<5>::From("12");
  ChannelRecord pa = Channel(kChannelPA, "011800833");
  pa.ScanSkip = 1;
  pa.Name = NulTerminatedText<7>("");
  pa.PttIdCode = FixedText<5>::From("77777");  // not stored: only memory channels have codes
  Use({one, pa, Channel(kChannelPB, "046256250"), Channel(kChannelVFO, "FFFFFFFFF")});
  state.current.settings.Bands = {136, 173.99995, 400.00015, 470.00025};
  Encode();
  ASSERT_TRUE(state.CommDataOK);
  EXPECT_TRUE(notifier.entries.empty());

  // The 10 Hz digit is dropped; the offset takes its first eight digits too.
  EXPECT_EQ(Bytes(state.image, 0x2000, 8),
            (std::vector<uint8_t>{0x04, 0x62, 0x00, 0x62, 0x00, 0x05, 0x00, 0x00}));
  EXPECT_EQ(Bytes(state.image, 0x2000 + 19, 7),
            (std::vector<uint8_t>{'A', 'B', 0x20, 0x20, 0x20, 0x20, 0x20}));
  EXPECT_EQ(state.image[0x2000 + 8], 5);  // Step 12.5K of the default record
  EXPECT_EQ(Bytes(state.image, 0x0600, 5), (std::vector<uint8_t>{1, 2, 0, 0, 0}));
  EXPECT_EQ(Bytes(state.image, 0x0280, 4), (std::vector<uint8_t>{0x01, 0x18, 0x00, 0x83}));
  EXPECT_EQ(Bytes(state.image, 0x0280 + 19, 7), std::vector<uint8_t>(7, 0x00));  // empty name
  EXPECT_EQ(Bytes(state.image, 0x0260, 4), (std::vector<uint8_t>{0x04, 0x62, 0x56, 0x25}));
  EXPECT_EQ(Bytes(state.image, 0x02C0, 4), std::vector<uint8_t>(4, 0xFF));
  EXPECT_EQ(Bytes(state.image, 0x0600 + 5 * 200, 5), std::vector<uint8_t>(5, 0x00));

  // Entry 0 present and scanned; entries 200 (PA, skipped) and 201 (PB) present.
  EXPECT_EQ(state.image[0x0100], 0xFE);
  EXPECT_EQ(state.image[0x0120], 0xFE);
  EXPECT_EQ(state.image[0x0100 + 25], 0xFC);
  EXPECT_EQ(state.image[0x0120 + 25], 0xFD);  // PA skipped keeps bit 0; PB (ScanSkip 0) clears bit 1
  EXPECT_EQ(state.image[0x0100 + 26], 0xFF);  // "VFO" has no bit

  // Band limits: value x 10000 rounded half to even.
  EXPECT_EQ(Bytes(state.image, 0x0200, 16),
            (std::vector<uint8_t>{0x01, 0x36, 0x00, 0x00, 0x01, 0x74, 0x00, 0x00, 0x04, 0x00, 0x00, 0x02,
                                  0x04, 0x70, 0x00, 0x02}));
}

TEST_F(ChannelCodec, PacksTheBitFields) {
  ChannelRecord r = Channel(3);
  r.TxInhibit = 1;
  r.Reverse = 1;
  r.Bandwidth = 2;
  r.Tone2Invert = 1;
  r.Tone2Dcs = 0x1A5;  // bit 8 goes to byte 9 bit 5
  r.PttIdDecode = 1;
  r.OffsetDir = 2;
  r.TxPower = 1;
  r.Tone1Dcs = 19;
  r.Tone1DcsHigh = 1;  // stale: recomputed from Tone1Dcs
  r.Compander = 1;
  r.Talkaround = 1;
  r.Tone2Type = 2;
  r.Tone1Type = 1;
  r.DtmfGroup = 15;
  r.Tone2Ctcss = 50;
  r.Tone1Ctcss = 20;
  r.Signalling = 3;
  r.TwoToneNo = 31;
  r.FiveToneNo = 99;
  r.BusyLock = 2;
  r.AuxOption = 0xAB;
  r.DtmfPttId = 3;
  r.FiveTonePttId = 12;
  r.SquelchMode = 4;
  r.Scrambler = 255;
  Use({r});
  Encode();
  ASSERT_TRUE(state.CommDataOK);
  const std::size_t base = 0x2000 + 2 * 32;
  EXPECT_EQ(Bytes(state.image, base + 8, 11),
            (std::vector<uint8_t>{5, 0b01111011, 0b11000111, 0xF6, 50, 20, 0xA5, 19, 3, 31, 99}));
  EXPECT_EQ(Bytes(state.image, base + 26, 6), (std::vector<uint8_t>{2, 0xAB, 0xC3, 4, 255, 0x00}));
  EXPECT_EQ(state.current.channels.records[0].Tone1DcsHigh, 0);
  EXPECT_EQ(state.current.channels.records[0].Tone2DcsHigh, 1);
}

TEST_F(ChannelCodec, OffsetDirAndTxPowerCodes) {
  const struct {
    int16_t offsetDir;
    uint8_t code;
  } encodes[] = {{0, 0}, {1, 2}, {2, 3}};
  for (const auto& c : encodes) {
    ClearImage(state.image);
    ChannelRecord r = Channel(1);
    r.OffsetDir = c.offsetDir;
    Use({r});
    Encode();
    EXPECT_EQ(state.image[0x2000 + 10] & 0x03, c.code) << c.offsetDir;
  }

  const struct {
    uint8_t byte10;
    int16_t offsetDir;
    int16_t txPower;
  } decodes[] = {{0x00, 0, 0}, {0x01, 0, 0}, {0x02, 1, 0}, {0x03, 2, 0},
                 {0x04, 0, 1}, {0x08, 0, 2}, {0x0C, 0, 2}};
  for (const auto& c : decodes) {
    ClearImage(state.image);
    state.image[0x0100] = 0xFE;
    SetBytes(state.image, 0x2000, {0x01, 0x45, 0x00, 0x00});
    state.image[0x2000 + 10] = c.byte10;
    GetCommDataByFrequency(state);
    ASSERT_NE(Decoded(1), nullptr);
    EXPECT_EQ(Decoded(1)->OffsetDir, c.offsetDir) << int{c.byte10};
    EXPECT_EQ(Decoded(1)->TxPower, c.txPower) << int{c.byte10};
  }
}

TEST_F(ChannelCodec, FailuresAreTrappedAndReported) {
  const struct {
    const char* what;
    void (*spoil)(ChannelRecord&, BandLimits&);
  } cases[] = {
      {"Step 300", [](ChannelRecord& r, BandLimits&) { r.Step = 300; }},
      {"Step -1", [](ChannelRecord& r, BandLimits&) { r.Step = -1; }},
      {"Bandwidth 4 would set Tone2Invert", [](ChannelRecord& r, BandLimits&) { r.Bandwidth = 4; }},
      {"DtmfPttId 16", [](ChannelRecord& r, BandLimits&) { r.DtmfPttId = 16; }},
      {"TxInhibit 2", [](ChannelRecord& r, BandLimits&) { r.TxInhibit = 2; }},
      {"OffsetDir 3", [](ChannelRecord& r, BandLimits&) { r.OffsetDir = 3; }},
      {"Tone1Dcs 512", [](ChannelRecord& r, BandLimits&) { r.Tone1Dcs = 512; }},
      {"Tone2Dcs -1", [](ChannelRecord& r, BandLimits&) { r.Tone2Dcs = -1; }},
      {"RxFreq not hexadecimal",
       [](ChannelRecord& r, BandLimits&) { r.RxFreq = FixedText<9>::From("01X500000"); }},
      {"Offset of spaces", [](ChannelRecord& r, BandLimits&) { r.Offset = FixedText<9>(); }},
      {"PttIdCode 12G", [](ChannelRecord& r, BandLimits&) { r.PttIdCode = FixedText<5>::From("12G"); }},
      {"name byte 0x81", [](ChannelRecord& r, BandLimits&) { r.Name = FixedText<7>::From("A\x81"); }},
      {"Number 0", [](ChannelRecord& r, BandLimits&) { r.Number = 0; }},
      {"Number 204", [](ChannelRecord& r, BandLimits&) { r.Number = 204; }},
      {"band limit below 0", [](ChannelRecord&, BandLimits& b) { b.RxLow = -1; }},
      {"band limit of 10000 MHz", [](ChannelRecord&, BandLimits& b) { b.TxHigh = 10000; }},
  };
  for (const auto& c : cases) {
    ClearImage(state.image);
    notifier.entries.clear();
    ChannelRecord r = Channel(1);
    state.current.settings.Bands = {};
    c.spoil(r, state.current.settings.Bands);
    Use({r});
    Encode();
    EXPECT_FALSE(state.CommDataOK) << c.what;
    EXPECT_EQ(notifier.Texts(), std::vector<std::string>{"SetCommDataByFrequencyError"}) << c.what;
    EXPECT_EQ(notifier.entries.at(0).icon, Icon::Critical) << c.what;
  }
}

TEST_F(ChannelCodec, DecodesFrequenciesAndRestoresTheTenHertzDigit) {
  const struct {
    std::vector<uint8_t> bytes;
    const char* stored;
  } cases[] = {
      {{0x04, 0x62, 0x00, 0x62}, "046200625"}, {{0x01, 0x18, 0x00, 0x83}, "011800833"},
      {{0x04, 0x62, 0x56, 0x25}, "046256250"}, {{0x01, 0x45, 0x01, 0x87}, "014501875"},
      {{0x01, 0x45, 0x01, 0x66}, "014501666"}, {{0x01, 0x45, 0x00, 0x00}, "014500000"},
  };
  for (const auto& c : cases) {
    ClearImage(state.image);
    state.image[0x0100] = 0xFE;
    SetBytes(state.image, 0x2000, c.bytes);
    SetBytes(state.image, 0x2004, c.bytes);
    GetCommDataByFrequency(state);
    ASSERT_NE(Decoded(1), nullptr);
    EXPECT_EQ(Decoded(1)->RxFreq.str(), c.stored);
    EXPECT_EQ(Decoded(1)->Offset.str(), c.stored);
  }
}

TEST_F(ChannelCodec, EmptyEntriesAndTheVfo) {
  // Entries 0..2 marked present: FF FF FF FF and non-BCD receive bytes are still no channel;
  // a non-BCD offset becomes 0.
  state.image[0x0100] = 0xF8;
  SetBytes(state.image, 0x2000, {0xFF, 0xFF, 0xFF, 0xFF});
  SetBytes(state.image, 0x2020, {0x01, 0x4A, 0x00, 0x00});
  SetBytes(state.image, 0x2040, {0x01, 0x45, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00});
  SetBytes(state.image, 0x02C0, {0x43, 0x90, 0x00, 0x00});  // VFO, no map bits at all
  GetCommDataByFrequency(state);
  const ChannelList& list = state.current.channels;
  ASSERT_EQ(list.ChannelCount, 2);
  EXPECT_EQ(list.records[0].Number, 3);
  EXPECT_EQ(list.records[0].Offset.str(), "000000000");
  EXPECT_EQ(list.records[1].Number, kChannelVFO);
  EXPECT_EQ(list.records[1].RxFreq.str(), "439000000");
  EXPECT_EQ(list.records[1].ScanSkip, 1);

  // Just after ClearImage only "VFO" remains, at 0 MHz; the band limits fall back.
  ClearImage(state.image);
  state.image[0x0200] = 0x0A;
  GetCommDataByFrequency(state);
  ASSERT_EQ(list.ChannelCount, 1);
  EXPECT_EQ(list.records[0].Number, kChannelVFO);
  EXPECT_EQ(list.records[0].RxFreq.str(), "000000000");
  EXPECT_EQ(state.current.settings.Bands, (BandLimits{100, 0, 0, 0}));
  SetBytes(state.image, 0x0200,
           {0x01, 0x36, 0x00, 0x00, 0x01, 0x73, 0x99, 0x75, 0xFF, 0, 0, 0, 0, 0, 0xC0, 0});
  GetCommDataByFrequency(state);
  EXPECT_EQ(state.current.settings.Bands, (BandLimits{136, 173.9975, 100, 500}));
}

TEST_F(ChannelCodec, NamesAndPttIdCodes) {
  state.image[0x0100] = 0xFC;
  SetBytes(state.image, 0x2000, {0x01, 0x45, 0x00, 0x00});
  SetBytes(state.image, 0x2000 + 19, {'C', 'H', ' ', '1', ' ', ' ', ' '});
  SetBytes(state.image, 0x0600, {0x01, 0x0F, 0x10, 0xFF, 0x0A});
  SetBytes(state.image, 0x2020, {0x01, 0x45, 0x00, 0x00});
  SetBytes(state.image, 0x2020 + 19, {'S', 'E', 'V', 'E', 'N', 'C', 'H'});
  GetCommDataByFrequency(state);
  ASSERT_NE(Decoded(1), nullptr);
  EXPECT_EQ(Decoded(1)->Name.str(), std::string("CH 1\0  ", 7));
  EXPECT_EQ(Decoded(1)->PttIdCode.str(), "1F00A");
  // Bytes the radio left above 0x0F are repaired in the image itself.
  EXPECT_EQ(Bytes(state.image, 0x0600, 5), (std::vector<uint8_t>{0x01, 0x0F, 0x00, 0x00, 0x0A}));
  EXPECT_EQ(Decoded(2)->Name.str(), "SEVENCH");
  EXPECT_EQ(Decoded(2)->PttIdCode.str(), "00000");
}

// A decoded record used to inherit the fields the image does not hold from whatever the slot
// held before; each starts clean now.
TEST_F(ChannelCodec, DecodedRecordsDoNotInheritStaleSlots) {
  ChannelList& list = state.current.channels;
  for (ChannelRecord& stale : list.records) {
    stale.GridOption = 1;
    stale.ExtraDisplay = 7;
    stale.Spare1 = stale.Spare2 = stale.Spare3 = stale.Spare4 = stale.Spare5 = 3;
    stale.PttIdCode = FixedText<5>::From("9ABCD");
    stale.ScanSkip = 0;
  }
  state.image[0x0100 + 25] = 0xFE;  // "PA" present
  SetBytes(state.image, 0x0280, {0x01, 0x45, 0x00, 0x00});
  SetBytes(state.image, 0x02C0, {0x01, 0x46, 0x00, 0x00});
  GetCommDataByFrequency(state);
  ASSERT_EQ(list.ChannelCount, 2);
  for (int i = 0; i < 2; ++i) {
    const ChannelRecord& r = list.records[static_cast<std::size_t>(i)];
    EXPECT_EQ(r.GridOption, 0);
    EXPECT_EQ(r.ExtraDisplay, 0);
    EXPECT_EQ(r.Spare1 + r.Spare2 + r.Spare3 + r.Spare4 + r.Spare5, 0);
    EXPECT_EQ(r.PttIdCode.str(), "00000");
  }
  EXPECT_EQ(list.records[0].ScanSkip, 1);  // from the skip map
  EXPECT_EQ(list.records[1].ScanSkip, 1);  // "VFO": no map bit, skipped as the default VFO is
}

TEST(DefaultVfoChannel, SitsInTheMiddleOfTheReceiveBand) {
  const struct {
    BandLimits bands;
    const char* rx;
  } cases[] = {
      {{136, 174, 136, 174}, "015500000"},
      {{400.5, 470.4, 400, 470}, "043525000"},  // RX high rounded to 470 first
      {{136, 173.5, 136, 174}, "015500000"},    // 173.5 rounds to the even 174
      {{136, 174.5, 136, 174}, "015500000"},
      {{136, 175.5, 136, 175}, "015600000"},
  };
  for (const auto& c : cases) {
    const ChannelRecord r = DefaultVfoChannel(c.bands);
    EXPECT_EQ(r.RxFreq.str(), c.rx) << c.bands.RxLow << "-" << c.bands.RxHigh;
    EXPECT_EQ(r.Number, kChannelVFO);
    EXPECT_EQ(r.ScanSkip, 1);
    EXPECT_EQ(r.Offset.str(), "000000000");
    EXPECT_EQ(r.Name.str(), std::string("\0      ", 7));
    EXPECT_EQ(r.Tone1Ctcss, 20);
    EXPECT_EQ(r.PttIdCode.str(), "00000");
  }
}

}  // namespace
}  // namespace kt740
