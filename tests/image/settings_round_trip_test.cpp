// Random records in their editors' ranges survive encode then decode, through the block codecs
// alone and through the encode-all and decode-all drivers; re-encoding what was decoded gives
// the same image byte for byte.
#include <gtest/gtest.h>

#include <sstream>

#include "program/comm_data.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"
#include "random_settings.h"
#include "support/recording_notifier.h"

namespace kt740::test {
namespace {

constexpr uint32_t kSeeds = 200;

// The first address where two images differ, for a readable failure.
::testing::AssertionResult SameImage(const MemoryImage& a, const MemoryImage& b) {
  for (std::size_t i = 0; i < kImageSize; ++i) {
    if (a[i] != b[i]) {
      std::ostringstream text;
      text << "images differ first at 0x" << std::hex << i << ": 0x" << int{a[i]} << " vs 0x" << int{b[i]};
      return ::testing::AssertionFailure() << text.str();
    }
  }
  return ::testing::AssertionSuccess();
}

void Install(ProgramState& state, const RandomSettings& r) {
  state.current.settings.Signalling = r.signalling;
  state.current.settings.Book = r.book;
  state.current.settings.DecodeTime = r.decodeTime;
}

void EncodeBlocks(ProgramState& state, Notifier& notifier) {
  SetCommDataByKey(state, notifier);
  SetCommDataByScan(state, notifier);
  SetCommDataByAlert(state, notifier);
  SetCommDataByOption(state, notifier);
  SetCommDataBy5Tone(state, notifier);
  SetCommDataBy2Tone(state, notifier);
  SetCommDataByDTMF(state, notifier);
  SetCommDataByDTMFCommuBook(state, notifier);
}

// The option decoder fills two DTMF fields, so it runs before the DTMF decoder, as in decode-all.
void DecodeBlocks(ProgramState& state) {
  GetCommDataByKey(state);
  GetCommDataByScan(state);
  GetCommDataByAlert(state);
  GetCommDataByOption(state);
  GetCommDataBy5Tone(state);
  GetCommDataBy2Tone(state);
  GetCommDataByDTMF(state);
  GetCommDataByDTMFCommuBook(state);
}

void ExpectSameSettings(const RandomSettings& sent, const SettingsRecord& decodedRecord) {
  SignallingSettings expected = sent.signalling;
  SignallingSettings decoded = decodedRecord.Signalling;
  CarryRecordOnlyFields(expected, decoded);
  TrimTexts(expected);
  TrimTexts(decoded);
  EXPECT_EQ(decoded.Keys, expected.Keys);
  EXPECT_EQ(decoded.Option, expected.Option);
  EXPECT_EQ(decoded.Scan, expected.Scan);
  EXPECT_EQ(decoded.Alert, expected.Alert);
  EXPECT_EQ(decoded.Dtmf, expected.Dtmf);
  EXPECT_EQ(decoded.TwoTone, expected.TwoTone);
  EXPECT_EQ(decoded.FiveTone, expected.FiveTone);
  CommuBook book = sent.book;
  CommuBook decodedBook = decodedRecord.Book;
  TrimTexts(book);
  TrimTexts(decodedBook);
  EXPECT_EQ(decodedBook, book);
  EXPECT_EQ(decodedRecord.DecodeTime, sent.decodeTime);
}

TEST(SettingsRoundTrip, BlockCodecs) {
  for (uint32_t seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE(seed);
    const RandomSettings sent = MakeRandomSettings(seed);
    ProgramState encoder;
    RecordingNotifier notifier;
    Install(encoder, sent);
    ClearImage(encoder.image);
    EncodeBlocks(encoder, notifier);
    ASSERT_TRUE(encoder.CommDataOK);
    ASSERT_TRUE(notifier.entries.empty());
    // The encoders change nothing in the record (the own ID is already in its three-digit form).
    EXPECT_EQ(encoder.current.settings.Signalling, sent.signalling);

    ProgramState decoder;
    decoder.image = encoder.image;
    DecodeBlocks(decoder);
    ExpectSameSettings(sent, decoder.current.settings);
    if (HasFailure()) return;

    ProgramState again;
    again.current = decoder.current;
    ClearImage(again.image);
    EncodeBlocks(again, notifier);
    EXPECT_TRUE(SameImage(again.image, decoder.image));
  }
}

TEST(SettingsRoundTrip, EncodeAllAndDecodeAll) {
  for (uint32_t seed = 1000; seed < 1000 + kSeeds; ++seed) {
    SCOPED_TRACE(seed);
    const RandomSettings sent = MakeRandomSettings(seed);
    ProgramState encoder;
    RecordingNotifier notifier;
    ResetAllData(encoder);
    Install(encoder, sent);
    ClearImage(encoder.image);
    encoder.CommDataOK = true;
    SetCommData(encoder, notifier);
    ASSERT_TRUE(encoder.CommDataOK);
    ASSERT_TRUE(notifier.entries.empty());

    ProgramState decoder;
    decoder.image = encoder.image;
    GetCommData(decoder);
    ExpectSameSettings(sent, decoder.current.settings);
    if (HasFailure()) return;

    ProgramState again;
    again.current = decoder.current;
    ClearImage(again.image);
    again.CommDataOK = true;
    SetCommData(again, notifier);
    ASSERT_TRUE(again.CommDataOK);
    EXPECT_TRUE(SameImage(again.image, decoder.image));
  }
}

}  // namespace
}  // namespace kt740::test
