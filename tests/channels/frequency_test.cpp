#include "channels/frequency.h"

#include <gtest/gtest.h>

#include "program/program_state.h"
#include "support/recording_notifier.h"

namespace kt740 {
namespace {

class Frequency : public ::testing::Test {
 protected:
  void SetUp() override {
    state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
    outOfBand = LangText(state, 2001);
    ASSERT_FALSE(outOfBand.empty());
  }
  void Bands(double rxLow, double rxHigh, double txLow, double txHigh) {
    state.app.WorkingLimits = {rxLow, rxHigh, txLow, txHigh};
  }
  // Exactly the out-of-band warning, `count` times.
  void ExpectWarnings(std::size_t count) {
    ASSERT_EQ(notifier.entries.size(), count);
    for (const auto& e : notifier.entries) {
      EXPECT_EQ(e.text, outOfBand);
      EXPECT_EQ(e.icon, Icon::Warning);
    }
  }

  const BandLimits& band() const { return state.app.WorkingLimits; }
  BandWarning Warn(Notifier* n) const { return {n, outOfBand}; }

  ProgramState state;
  test::RecordingNotifier notifier;
  std::string outOfBand;
};

TEST(FreqTextToStored, ConvertsTypedMegahertz) {
  const struct {
    const char* text;
    const char* stored;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {"145", "014500000"},
      {"7", "000700000"},
      {"145.5", "014550000"},
      {"145.123456", "014512345"},  // places beyond the fifth are dropped, not rounded
      {"145.999999", "014599999"},
      {"155.0000", "015500000"},
      {"462.56250", "046256250"},
      {" 146.52 ", "014652000"},
      {".5", "000050000"},
      // Four or more digits without a point stay whole MHz instead of becoming a 4-digit text.
      {"0145", "014500000"},
      {"1455", "145500000"},
      {"14550", "999999999"},  // beyond what nine digits hold
      {"123456789012345678901234", "999999999"},
      {"9999.999999", "999999999"},
      {"-5", "000000000"},
      {"abc", ""},
      {"145,5", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FreqTextToStored(c.text), c.stored) << '"' << c.text << '"';
}

TEST_F(Frequency, StoredTextsShowAsMegahertz) {
  using namespace std::string_view_literals;
  const struct {
    std::string_view stored;
    const char* freq;
    const char* offset;
  } cases[] = {
      {"014550000", "145.50000", "145.50000"},
      {"046256250", "462.56250", "462.56250"},
      {"000500000", "005.00000", "5.00000"},
      {"000060000", "000.60000", "0.60000"},
      {"145500000", "1455.00000", "1455.00000"},
      {"FFFFFFFFF", "", "0.00000"},
      {"         ", "", "0.00000"},
      {"\0        "sv, "", "0.00000"},
      {"0145", "145.00000", "145.00000"},  // a short text left by an older file
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StoredToFreqText(band(), c.stored, &notifier), c.freq) << c.stored;
    EXPECT_EQ(StoredToOffsetText(c.stored, &notifier), c.offset) << c.stored;
  }
  EXPECT_TRUE(notifier.entries.empty());
}

TEST_F(Frequency, DamagedStoredTextReportsNotIsNumeric) {
  Bands(136.5, 174, 136, 174);
  for (const char* bad : {"01A550000", "-14550000", "0145.5000"}) {
    notifier.entries.clear();
    EXPECT_EQ(StoredToFreqText(band(), bad, &notifier), "136.5") << bad;
    EXPECT_EQ(StoredToOffsetText(bad, &notifier), "0.00000") << bad;
    ASSERT_EQ(notifier.Texts(), (std::vector<std::string>{"Not IsNumeric", "Not IsNumeric"})) << bad;
  }
  EXPECT_EQ(StoredToFreqText(band(), "01A550000", nullptr), "136.5");
}

TEST_F(Frequency, SnapMovesOntoTheGridFromTheLowEdge) {
  const struct {
    double low;
    double in;
    double out;
  } cases[] = {
      {136, 145.0031, 145.0025},  // on no grid: down onto 2.5 kHz
      {136, 145.00625, 145.00625},  {136, 145.00833, 145.00833},
      {136, 145.01666, 145.01666},  {136, 145.02499, 145.025},  // three 8.33 kHz steps end 10 Hz short
      {136, 145.0, 145.0},          {136, 145.00001, 145.0},
      {136.001, 145.0031, 145.001},  // the grid counts from the band edge
      {136, 135.9969, 135.9975},     // below the edge the remainder is negative: up
  };
  for (const auto& c : cases) {
    Bands(c.low, 174, c.low, 174);
    EXPECT_EQ(SnapRxFreq(band(), c.in), c.out) << c.in << " from " << c.low;
    EXPECT_EQ(SnapTxFreq(band(), c.in), c.out) << c.in << " from " << c.low;
  }
  Bands(136, 174, 400, 470);
  EXPECT_EQ(SnapTxFreq(band(), 145.0031), 145.005);  // counted from 400 MHz: K < 0, moved up
}

TEST_F(Frequency, CheckClampsToTheBandWithOptionalWarning) {
  Bands(136, 174, 400, 470);
  EXPECT_EQ(CheckRxFreq(band(), 130, Warn(&notifier)), 136);
  ExpectWarnings(1);
  EXPECT_EQ(CheckRxFreq(band(), 180, Warn(&notifier)), 174);
  ExpectWarnings(2);
  EXPECT_EQ(CheckRxFreq(band(), 174, Warn(&notifier)), 174);
  EXPECT_EQ(CheckRxFreq(band(), 136, Warn(&notifier)), 136);
  EXPECT_EQ(CheckRxFreq(band(), 145.0031, Warn(&notifier)), 145.0025);
  EXPECT_EQ(CheckTxFreq(band(), 145, Warn(&notifier)), 400);
  ExpectWarnings(3);
  // Warnings off: the same clamping, nothing shown.
  EXPECT_EQ(CheckRxFreq(band(), 130, Warn(nullptr)), 136);
  EXPECT_EQ(CheckTxFreq(band(), 500, Warn(nullptr)), 470);
  ExpectWarnings(3);
}

TEST_F(Frequency, FreqTextsAreCheckedAndFormatted) {
  Bands(136, 174, 400, 470);
  EXPECT_EQ(RxFreqText(band(), "145.0031", Warn(&notifier)), "145.00250");
  EXPECT_EQ(RxFreqText(band(), " 145.5 ", Warn(&notifier)), "145.50000");
  EXPECT_EQ(RxFreqText(band(), "145", Warn(&notifier)), "145.00000");
  EXPECT_EQ(TxFreqText(band(), "462.5625", Warn(&notifier)), "462.56250");
  ExpectWarnings(0);
  EXPECT_EQ(RxFreqText(band(), "180", Warn(&notifier)), "174.00000");
  EXPECT_EQ(RxFreqText(band(), "abc", Warn(&notifier)), "136.00000");
  EXPECT_EQ(TxFreqText(band(), "", Warn(&notifier)), "400.00000");
  ExpectWarnings(3);
  EXPECT_EQ(RxFreqText(band(), "abc", Warn(nullptr)), "136.00000");
  ExpectWarnings(3);
}

TEST_F(Frequency, OffsetShrinksToTheTransmitBand) {
  const struct {
    const char* offset;
    const char* rx;
    int direction;
    const char* result;
    std::size_t warnings;
  } cases[] = {
      {"10", "170", 2, "004.00000", 1},
      {"10", "170", 0, "004.00000", 1},
      {"0.6", "145.6", 1, "000.60000", 0},
      {"0.6", "145.6", 2, "000.60000", 0},
      {"5", "140", 1, "004.00000", 1},
      {"-0.6", "145.6", 1, "000.60000", 0},  // the direction carries the sign
      {"abc", "145", 2, "000.00000", 0},
      {"0.6", "", 2, "000.00000", 0},
  };
  for (const auto& c : cases) {
    notifier.entries.clear();
    EXPECT_EQ(OffsetText(band(), c.offset, c.rx, c.direction, Warn(&notifier)), c.result)
        << c.offset << " " << c.rx;
    ExpectWarnings(c.warnings);
  }
}

}  // namespace
}  // namespace kt740
