#include "cli/text_table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kt740 {
namespace {

std::string Print(const std::vector<TextRow>& rows, TableFormat format) {
  std::ostringstream out;
  PrintTable(out, rows, format);
  return out.str();
}

TEST(TextTable, AlignedColumnsCountWideCharactersTwice) {
  const std::vector<TextRow> rows = {{"CH", "Name", "Step"}, {"1", "信道", "12.5K"}, {"200", "", ""}};
  EXPECT_EQ(DisplayWidth("信道"), 4u);
  EXPECT_EQ(Print(rows, TableFormat::Aligned),
            "CH   Name  Step\n"
            "1    信道  12.5K\n"
            "200\n");
}

TEST(TextTable, ScriptFormatsKeepOneLinePerRow) {
  const std::vector<TextRow> rows = {{"CTCSS/DCS\r\nDecode", "a,b"}, {"say \"hi\"", "x\ty"}};
  EXPECT_EQ(Print(rows, TableFormat::Tsv), "CTCSS/DCS Decode\ta,b\nsay \"hi\"\tx y\n");
  EXPECT_EQ(Print(rows, TableFormat::Csv), "CTCSS/DCS Decode,\"a,b\"\n\"say \"\"hi\"\"\",x y\n");
}

}  // namespace
}  // namespace kt740
