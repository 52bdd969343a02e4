#include <gtest/gtest.h>

#include <functional>

#include "program/grid_ops.h"
#include "program/program_state.h"
#include "support/recording_notifier.h"

namespace kt740 {
namespace {

class ChannelRow : public ::testing::Test {
 protected:
  void SetUp() override {
    state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
    base.Number = 7;
    base.InUse = 1;
    base.RxFreq = FixedText<9>::From("014560000");
    base.Offset = FixedText<9>::From("000060000");
    base.Name = NulTerminatedText<7>("FRS");
  }
  ChannelRowTexts Render(const ChannelRecord& r, Notifier* n = nullptr) {
    return RenderChannelRow(state, r, LookUpChannelRowLanguage(state), n);
  }

  ProgramState state;
  ChannelRecord base;
};

TEST_F(ChannelRow, ColumnsOfAPlainChannel) {
  const ChannelRowTexts row = Render(base);
  const ChannelRowTexts expected = {"7",   "145.60000", "145.60000", "FRS",  "2.5K", "25K",
                                    "Off", "High",      "None",      "None", "None"};
  EXPECT_EQ(row, expected);
}

TEST_F(ChannelRow, EachColumnFollowsItsField) {
  struct Case {
    const char* what;
    std::function<void(ChannelRecord&)> change;
    int column;
    const char* text;
  };
  const Case cases[] = {
      {"minus offset", [](ChannelRecord& r) { r.OffsetDir = 1; }, 2, "145.00000"},
      {"plus offset", [](ChannelRecord& r) { r.OffsetDir = 2; }, 2, "146.20000"},
      {"no receive frequency", [](ChannelRecord& r) { r.RxFreq = FixedText<9>::From("FFFFFFFFF"); }, 1, ""},
      {"no receive frequency, offset",
       [](ChannelRecord& r) {
         r.RxFreq = FixedText<9>::From("FFFFFFFFF");
         r.OffsetDir = 1;
       },
       2, ""},
      {"name after TrimText",
       [](ChannelRecord& r) { r.Name = FixedText<7>::From(std::string_view("AB \0xyz", 7)); }, 3, "AB "},
      {"name in the code page", [](ChannelRecord& r) { r.Name = NulTerminatedText<7>("caf\xE9"); }, 3,
       "caf\xC3\xA9"},
      {"last step", [](ChannelRecord& r) { r.Step = 9; }, 4, "50K"},
      {"step outside the list", [](ChannelRecord& r) { r.Step = 10; }, 4, ""},
      {"bandwidth 1", [](ChannelRecord& r) { r.Bandwidth = 1; }, 5, "20K"},
      {"bandwidth 2", [](ChannelRecord& r) { r.Bandwidth = 2; }, 5, "12.5K"},
      {"bandwidth above 2", [](ChannelRecord& r) { r.Bandwidth = 3; }, 5, "20K"},
      {"grid option 1", [](ChannelRecord& r) { r.GridOption = 1; }, 6, "On"},
      {"grid option above 1", [](ChannelRecord& r) { r.GridOption = 2; }, 6, "Off"},
      {"power 1", [](ChannelRecord& r) { r.TxPower = 1; }, 7, "Medium"},
      {"power 2", [](ChannelRecord& r) { r.TxPower = 2; }, 7, "Low"},
      {"power above 2", [](ChannelRecord& r) { r.TxPower = 3; }, 7, "High"},
      {"CTCSS",
       [](ChannelRecord& r) {
         r.Tone1Type = 1;
         r.Tone1Ctcss = 12;
       },
       8, "97.4"},
      {"CTCSS past the list",
       [](ChannelRecord& r) {
         r.Tone1Type = 1;
         r.Tone1Ctcss = 51;
       },
       8, "62.5"},
      {"DCS",
       [](ChannelRecord& r) {
         r.Tone1Type = 2;
         r.Tone1Dcs = 19;
       },
       8, "D023N"},
      {"DCS inverted",
       [](ChannelRecord& r) {
         r.Tone1Type = 2;
         r.Tone1Dcs = 19;
         r.Tone1Invert = 1;
       },
       8, "D023I"},
      {"DCS past the list",
       [](ChannelRecord& r) {
         r.Tone2Type = 2;
         r.Tone2Dcs = 512;
       },
       9, "D000N"},
      {"DCS with bit 8",
       [](ChannelRecord& r) {
         r.Tone2Type = 2;
         r.Tone2Dcs = 492;
       },
       9, "D754N"},
      {"tone type 3", [](ChannelRecord& r) { r.Tone2Type = 3; }, 9, "None"},
      {"DTMF", [](ChannelRecord& r) { r.Signalling = 1; }, 10, "DTMF M1"},
      {"DTMF group 15",
       [](ChannelRecord& r) {
         r.Signalling = 1;
         r.DtmfGroup = 15;
       },
       10, "DTMF M16"},
      {"2-Tone",
       [](ChannelRecord& r) {
         r.Signalling = 2;
         r.TwoToneNo = 31;
       },
       10, "2tone 31"},
      {"5-Tone",
       [](ChannelRecord& r) {
         r.Signalling = 3;
         r.FiveToneNo = 99;
       },
       10, "5tone 99"},
      {"signalling 4", [](ChannelRecord& r) { r.Signalling = 4; }, 10, "None"},
      {"PA", [](ChannelRecord& r) { r.Number = kChannelPA; }, 0, "PA"},
      {"PB", [](ChannelRecord& r) { r.Number = kChannelPB; }, 0, "PB"},
      {"VFO", [](ChannelRecord& r) { r.Number = kChannelVFO; }, 0, "VFO"},
      {"channel 200", [](ChannelRecord& r) { r.Number = 200; }, 0, "200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChannelRecord r = base;
    c.change(r);
    EXPECT_EQ(Render(r)[static_cast<std::size_t>(c.column)], c.text);
    EXPECT_TRUE(r == [&] {
      ChannelRecord again = base;
      c.change(again);
      return again;
    }()) << "the record is not changed";
  }
}

TEST_F(ChannelRow, ADamagedFrequencyIsReported) {
  ChannelRecord r = base;
  r.RxFreq = FixedText<9>::From("01456X000");
  test::RecordingNotifier n;
  const ChannelRowTexts row = Render(r, &n);
  EXPECT_EQ(row[1], "136");
  EXPECT_EQ(n.Texts(), std::vector<std::string>{"Not IsNumeric"});
}

TEST_F(ChannelRow, HeadersComeFromTheLanguageFile) {
  const ChannelRowTexts headers = ChannelGridHeaders(state);
  EXPECT_EQ(headers[0], "CH");
  EXPECT_EQ(headers[1], "Receive frequency");
  EXPECT_EQ(headers[8], "CTCSS/DCS\r\nDecode");
  EXPECT_EQ(headers[9], "CTCSS/DCS\r\nEncode");
  EXPECT_EQ(headers[10], "Optional signalling");
  EXPECT_EQ(StepListTexts().size(), 10u);
  EXPECT_EQ(CtcssListTexts().size(), 51u);
  EXPECT_EQ(DcsListText(511), "777N");
}

}  // namespace
}  // namespace kt740
