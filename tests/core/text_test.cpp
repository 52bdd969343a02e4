#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "core/builtin_text.h"
#include "core/codepage.h"
#include "core/fixed_text.h"
#include "program/band_text.h"

namespace kt740 {
namespace {

TEST(TrimText, RemovesTrailingSpacesThenCutsAtFirstNul) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"ABC    ", "ABC"},
      {std::string("AB\0   ", 6), "AB"},
      {std::string("A \0X  ", 6), "A "},  // a space before the NUL stays
      {"", ""},
      {"   ", ""},
      {std::string("\0", 1), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TrimText(c.in), c.out) << c.in;
}

TEST(FixedText, PadsWithSpacesAndCuts) {
  EXPECT_EQ(FixedText<5>::From("AB").str(), "AB   ");
  EXPECT_EQ(FixedText<3>::From("ABCDE").str(), "ABC");
  EXPECT_EQ(NulTerminatedText<5>("AB").str(), std::string("AB\0  ", 5));
  EXPECT_EQ(NulTerminatedText<2>("AB").str(), "AB");
}

TEST(BandText, ShortestDecimalForms) {
  EXPECT_EQ(ShortestDecimal(136), "136");
  EXPECT_EQ(ShortestDecimal(136.5), "136.5");
  EXPECT_EQ(ShortestDecimal(173.9975), "173.9975");
  AppState app;
  ApplyBandLimits(app, {136, 174, 136.5, 173.9975});
  EXPECT_EQ(app.BandText, "Rx(136 - 174 MHz) Tx(136.5 - 173.9975 MHz)");
  EXPECT_EQ(app.RxBandText, "136 - 174 MHz");
  EXPECT_EQ(app.WorkingLimits.TxHigh, 173.9975);
}

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(BandText, CommaLocaleDoesNotChangeNumberTexts) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // when installed; the C++ locale is comma anyway
  AppState app;
  ApplyBandLimits(app, {136.5, 174, 136, 173.9975});
  std::locale::global(previous);
  std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(app.BandText, "Rx(136.5 - 174 MHz) Tx(136 - 173.9975 MHz)");
}

TEST(BuiltInText, BothLanguagesAsQuoted) {
  EXPECT_EQ(BuiltInText(BuiltIn::TextFileError, 1), "file error.");
  EXPECT_EQ(BuiltInText(BuiltIn::TextFileError, 2), "文件错误。");
  EXPECT_EQ(BuiltInText(BuiltIn::TextReadConfirm, 1), "Read data from radio.\r\nDo you wish continue?");
  EXPECT_EQ(BuiltInText(BuiltIn::TextWriteConfirm, 2), "向对讲机写入数据。\r\n是否继续？");
  EXPECT_EQ(BuiltInText(BuiltIn::TextRadioStunned, 1), "Radio is fainted,can't be written!");
  EXPECT_EQ(BuiltInText(BuiltIn::TextHelp, 2), "帮助(&H)");
}

TEST(CodePage, Windows1252RoundTripAndUndefinedBytes) {
  EXPECT_EQ(Cp1252ToUtf8("A\x80\xE9"), "A€é");
  EXPECT_EQ(Utf8ToCp1252("A€é"), std::optional<std::string>("A\x80\xE9"));
  EXPECT_FALSE(Utf8ToCp1252("中"));
  for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_FALSE(HasSingleByteCode(b));
  EXPECT_TRUE(HasSingleByteCode(0x00));
  EXPECT_TRUE(HasSingleByteCode(0xFF));
}

}  // namespace
}  // namespace kt740
