#include "image/memory_image.h"

#include <gtest/gtest.h>

#include "image/run_encoder.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "support/recording_notifier.h"

namespace kt740 {
namespace {

TEST(ClearImage, WritesTheBlankContentsAndKeepsTheFirstSixteenBytes) {
  MemoryImage image;
  image.bytes.fill(0x5A);
  ClearImage(image);
  for (std::size_t a = 0; a < kImageSize; ++a) {
    uint8_t want = 0x00;
    if (a < 0x10) want = 0x5A;
    if ((a >= 0x0100 && a <= 0x013F) || (a >= 0x0380 && a <= 0x039F)) want = 0xFF;
    ASSERT_EQ(image[a], want) << std::hex << a;
  }
}

TEST(RegionMap, RegionsAreOrderedDisjointAndAgreeWithTheBlankImage) {
  MemoryImage image;
  ClearImage(image);
  int previousLast = 0x000F;
  for (const ImageRegion& r : kImageRegions) {
    EXPECT_GT(r.first, previousLast) << r.content;
    EXPECT_LE(r.first, r.last) << r.content;
    for (int a = r.first; a <= r.last; ++a)
      EXPECT_EQ(image[static_cast<std::size_t>(a)], r.blank) << r.content;
    previousLast = r.last;
  }
  EXPECT_EQ(previousLast, 0x3FFF);
}

TEST(EmbedInfo, InfoCodeStopsAtFFAndTextsAtFFOrNul) {
  ProgramState state;
  ClearImage(state.image);
  const uint8_t code[] = {0x41, 0x42, 0xFF, 0x43};
  std::copy(std::begin(code), std::end(code), state.image.bytes.begin() + 0x19);
  const char serial[] = "SN-1234";
  std::copy(serial, serial + 7, state.image.bytes.begin() + 0x20);
  std::fill(state.image.bytes.begin() + 0xA0, state.image.bytes.end() - (0x4000 - 0x100), 0xFF);
  state.image[0x17] = 0x9C;
  GetCommDataByEmbedInfo(state);
  EXPECT_EQ(state.embedInfo.InfoCode, std::string("AB\0", 3));
  EXPECT_EQ(state.embedInfo.InfoByte, 0x9C);
  EXPECT_EQ(state.embedInfo.InfoText1.str(), std::string("SN-1234\0        ", 16));
  EXPECT_EQ(TrimText(state.embedInfo.InfoText10.view()), "");  // erased area: empty text
}

TEST(EmbedInfo, BlankImageGivesEmptyTextsApartFromTheirNul) {
  ProgramState state;
  ClearImage(state.image);
  GetCommDataByEmbedInfo(state);
  EXPECT_EQ(state.embedInfo.InfoCode, std::string(1, '\0'));
  EXPECT_EQ(state.embedInfo.InfoText4.str(), std::string("\0   ", 4));
  EXPECT_EQ(state.embedInfo.InfoText10.view()[0], '\0');
}

// Encoders that record the order they ran in; one of them fails.
std::vector<std::string>* g_ran = nullptr;
template <int N>
void Ok(ProgramState&, Notifier&) {
  g_ran->push_back("ok" + std::to_string(N));
}
void Fails(ProgramState& state, Notifier& notifier) {
  g_ran->push_back("fails");
  if (!RunEncoder(notifier, "SetCommDataByFrequency", [] { throw CodecFailure{"stub"}; }))
    state.CommDataOK = false;
}

TEST(SetCommData, StopsAtTheFirstFailingEncoder) {
  std::vector<std::string> ran;
  g_ran = &ran;
  const EncoderStep chain[] = {{Ok<1>, false}, {Ok<2>, false}, {Ok<3>, false}, {Fails, false},
                               {Ok<5>, true},  {Ok<6>, true},  {Ok<7>, true}};
  ProgramState state;
  test::RecordingNotifier notifier;
  state.CommDataOK = true;
  SetCommData(state, notifier, chain);
  EXPECT_EQ(ran, (std::vector<std::string>{"ok1", "ok2", "ok3", "fails"}));
  EXPECT_FALSE(state.CommDataOK);
  EXPECT_EQ(notifier.Texts(), std::vector<std::string>{"SetCommDataByFrequencyError"});
  g_ran = nullptr;
}

TEST(SetCommData, DefaultChainHasTheRadiosOrder) {
  const auto chain = DefaultEncoderChain();
  ASSERT_EQ(chain.size(), 9u);
  EXPECT_EQ(chain[3].encode, &SetCommDataByFrequency);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_FALSE(chain[i].stopUnlessOk);
  for (std::size_t i = 4; i < chain.size(); ++i) EXPECT_TRUE(chain[i].stopUnlessOk);
  EXPECT_EQ(chain[8].encode, &SetCommDataByDTMFCommuBook);
  ASSERT_EQ(DefaultDecoderChain().size(), 10u);
  EXPECT_EQ(DefaultDecoderChain()[0], &GetCommDataByFrequency);
  EXPECT_EQ(DefaultDecoderChain()[4], &GetCommDataByEmbedInfo);
}

}  // namespace
}  // namespace kt740
