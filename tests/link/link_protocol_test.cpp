// Frames, the identify reply, the password test and the completion percentage.
#include "link/link_protocol.h"

#include <gtest/gtest.h>

#include "link/password.h"
#include "link/progress.h"
#include "program/read_completion.h"

namespace kt740 {
namespace {

TEST(LinkFrames, ChecksumCoversAddressLengthAndDataOnly) {
  const Bytes data(16, 0x10);
  // 0x3F + 0xF0 + 0x10 + 16 * 0x10 = 0x23F -> 0x3F
  EXPECT_EQ(FrameChecksum(0x3F, 0xF0, 0x10, data), 0x3F);
  const Bytes frame = DataFrame(0x3FF0, data);
  ASSERT_EQ(frame.size(), 22u);
  EXPECT_EQ(frame[0], 'W');
  EXPECT_EQ(frame[1], 0x3F);
  EXPECT_EQ(frame[2], 0xF0);
  EXPECT_EQ(frame[3], 0x10);
  EXPECT_EQ(frame[20], 0x3F);
  EXPECT_EQ(frame[21], 0x06);
  EXPECT_EQ(ReadBlockCommand(0x0040, 16), (Bytes{0x52, 0x00, 0x40, 0x10}));
}

TEST(LinkFrames, ParseRejectsBadFraming) {
  const Bytes good = DataFrame(0x0120, Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  auto parsed = ParseDataFrame(good);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->address, 0x0120);
  EXPECT_EQ(parsed->len, 16);
  EXPECT_EQ(parsed->data[15], 16);

  Bytes badSum = good;
  badSum[20] ^= 1;
  Bytes noAck = good;
  noAck[21] = 0x07;
  Bytes extra = good;
  extra.push_back(0);
  Bytes shortLen = good;
  shortLen[3] = 15;
  Bytes notW = good;
  notW[0] = 'X';
  for (const Bytes& b : {badSum, noAck, extra, shortLen, notW, Bytes(good.begin(), good.end() - 1)})
    EXPECT_FALSE(ParseDataFrame(b));
}

TEST(LinkFrames, IdentifyReplyFields) {
  Bytes r = {'I', 'R', 'B', '-', '5', '1', 0x00, 'X', '7', 'V', 0xFF, '1', 0x00, 0x10, 0x03, 0x06};
  IdentifyReply id = ParseIdentifyReply(r);
  EXPECT_EQ(id.model, "RB-51");  // ends at the first 00
  EXPECT_EQ(id.modelCode, '7');
  EXPECT_EQ(id.version, "V1");  // 00 and FF skipped
  EXPECT_TRUE(id.featureBit);
  EXPECT_TRUE(id.killed);
  EXPECT_TRUE(id.stunned);

  r[13] = 0xEF;
  r[14] = 0x02;
  id = ParseIdentifyReply(r);
  EXPECT_FALSE(id.featureBit);
  EXPECT_FALSE(id.killed);
  EXPECT_TRUE(id.stunned);

  const Bytes built = BuildIdentifyReply("RB-5100", '7', "V100", 0, 1);
  id = ParseIdentifyReply(built);
  EXPECT_EQ(id.model, "RB-5100");
  EXPECT_EQ(id.version, "V100");
  EXPECT_TRUE(id.killed);
}

TEST(LinkFrames, ModelCodeOutsideZeroToSevenReadsAsZero) {
  const struct {
    uint8_t in, out;
  } cases[] = {{'0', '0'},  {'7', '7'},   {'8', '0'},  {'9', '0'},   {0x38, '0'},
               {0x41, '0'}, {0x07, 0x07}, {0x0F, '0'}, {0x27, 0x27}, {0xFF, '0'}};
  for (const auto& c : cases) EXPECT_EQ(NormalizeModelCode(c.in), c.out) << int(c.in);
  EXPECT_EQ(ModelCodeFromReport('7'), 7);
  EXPECT_EQ(ModelCodeFromReport('0'), 0);
}

TEST(Password, AcceptedCases) {
  const struct {
    Bytes radio;  // bytes 12..15 of the block
    const char* entered;
    bool accepted;
  } cases[] = {
      {{0x00, 'A', 'B', 'C'}, "", true},     // first byte 00: no password
      {{0xFF, 'A', 'B', 'C'}, "xyz", true},  // first byte FF: no password
      {{'A', 'B', 0xFF, 0xFF}, "AB", true},  // two characters then FF FF
      {{'A', 'B', 0xFF, 0xFF}, "ABC", false},
      {{'a', 'b', 'c', 'd'}, "ABCD", false},  // case matters
      {{'a', 'b', 'c', 'd'}, "abcd", true},
      {{'1', '2', ' ', ' '}, "12", true},   // trailing spaces of the radio's text removed
      {{'1', '2', 0x00, '9'}, "12", true},  // ends at the first 00
      {{'1', '2', '3', '4'}, "", false},
  };
  for (const auto& c : cases) {
    Bytes block(16, 0x00);
    std::copy(c.radio.begin(), c.radio.end(), block.begin() + 12);
    EXPECT_EQ(PasswordAccepted(block, c.entered), c.accepted) << c.entered;
  }
}

TEST(Progress, RoundsHalvesToEvenWithDivisorSixteen) {
  const struct {
    int32_t current, start, end;
    int percent;
  } cases[] = {
      {0x0010, 0x0010, 0x3FF0, 0},
      {0x3FF0, 0x0010, 0x3FF0, 100},  // 16352 * 100 / 16368 = 99.90
      {0x0100, 0x0100, 0x3FF0, 0},
      {0x3FF0, 0x0100, 0x3FF0, 100},  // 16112 * 100 / 16128 = 99.90
      {0x0100 + 8064, 0x0100, 0x3FF0, 50},
      // 3 * 100 / 8 = 37.5 -> 38 (even), 1 * 100 / 8 = 12.5 -> 12 (even)
      {3, 0, -8, 38},
      {1, 0, -8, 12},
      {5, 0, -8, 62},  // 62.5 -> 62
      {7, 0, -8, 88},  // 87.5 -> 88
  };
  for (const auto& c : cases)
    EXPECT_EQ(CompletionPercent(c.current, c.start, c.end), c.percent) << c.current << " " << c.end;
}

}  // namespace
}  // namespace kt740
