#include "files/file_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "files/file_format.h"
#include "files/record_bytes.h"

namespace kt740 {
namespace {

// Offsets of a record's direct members, measured by walking its layout.
class MemberOffsets {
 public:
  template <typename T>
  void operator()(const char* name, T& field) {
    offsets[name] = offset;
    LayoutSizer sizer;
    sizer(name, field);
    offset += sizer.size;
  }
  std::map<std::string, std::size_t> offsets;
  std::size_t offset = 0;
};

template <typename R>
MemberOffsets OffsetsOf(R& record) {
  MemberOffsets probe;
  Describe(probe, record);
  return probe;
}

struct Expected {
  const char* member;
  std::size_t offset;
  std::size_t size;
};

TEST(FileLayout, DataFileMembersLieAtTheirOffsets) {
  const Expected table[] = {
      {"ModelCode", 0, 2},          {"BandLimits", 2, 32},         {"KeyAssignments", 34, 15},
      {"DtmfSettings", 49, 527},    {"TwoToneSettings", 576, 568}, {"FiveToneSettings", 1144, 5641},
      {"OptionSettings", 6785, 61}, {"ScanSettings", 6846, 14},    {"AlertSettings", 6860, 12},
      {"ChannelCount", 6872, 2},    {"CommuBook", 6874, 1792},     {"DecodeTime", 8666, 1},
  };
  SettingsRecord settings;
  int16_t count = 0;
  const DataFileRecord<SettingsRecord, int16_t> record{settings, count};
  const MemberOffsets probe = OffsetsOf(record);
  ASSERT_EQ(probe.offsets.size(), std::size(table));
  for (const Expected& e : table) {
    SCOPED_TRACE(e.member);
    ASSERT_TRUE(probe.offsets.count(e.member));
    EXPECT_EQ(probe.offsets.at(e.member), e.offset);
  }
  // Each member's size is the gap to the next one; the last ends the record.
  for (std::size_t i = 0; i + 1 < std::size(table); ++i)
    EXPECT_EQ(table[i].offset + table[i].size, table[i + 1].offset) << table[i].member;
  EXPECT_EQ(probe.offset, kDataFileSize);
  EXPECT_EQ(EncodeDataFile(settings, 0).size(), kDataFileSize);
}

// The inner offsets that follow from the "made of" column of the data file's table.
TEST(FileLayout, BlockRecordsAreMadeOfTheirFields) {
  DtmfSettings dtmf;
  const auto d = OffsetsOf(dtmf).offsets;
  EXPECT_EQ(d.at("PttIdBeginCode"), 16u * 26);
  EXPECT_EQ(d.at("KillCode"), 16u * 26 + 2 * 26);
  EXPECT_EQ(d.at("AniEnabled"), 16u * 26 + 2 * 26 + 2 * 16);
  EXPECT_EQ(d.at("OwnId"), 506u);
  EXPECT_EQ(d.at("SeparatorChar"), 509u);

  TwoToneSettings two;
  EXPECT_EQ(OffsetsOf(two).offsets.at("Entries"), 24u);
  TwoToneEntry entry;
  EXPECT_EQ(LayoutSize(entry), 17u);

  FiveToneSettings five;
  const auto f = OffsetsOf(five).offsets;
  EXPECT_EQ(f.at("OwnId"), 5u);
  EXPECT_EQ(f.at("ListValue5"), 11u);
  EXPECT_EQ(f.at("FirstDigitDelay"), 15u);
  EXPECT_EQ(f.at("InfoCodes"), 27u);
  EXPECT_EQ(f.at("PttIdBegin"), 27u + 8 * 22);
  EXPECT_EQ(f.at("Calls"), 27u + 8 * 22 + 2 * 53);
  EXPECT_EQ(f.at("UserStandard"), 27u + 8 * 22 + 102 * 53);
  FiveToneInfoCode info;
  FiveToneCode code;
  EXPECT_EQ(LayoutSize(info), 22u);
  EXPECT_EQ(LayoutSize(code), 53u);

  OptionSettings option;
  const auto o = OffsetsOf(option).offsets;
  EXPECT_EQ(o.at("PowerOnMessage"), 46u);
  EXPECT_EQ(o.at("PowerOnPasswordEnabled"), 53u);
  EXPECT_EQ(o.at("PowerOnPassword"), 55u);
}

TEST(FileLayout, ChannelAndBookRecords) {
  ChannelRecord channel;
  const auto c = OffsetsOf(channel).offsets;
  EXPECT_EQ(c.at("RxFreq"), 6u);
  EXPECT_EQ(c.at("Offset"), 15u);
  EXPECT_EQ(c.at("Name"), 24u);
  EXPECT_EQ(c.at("Step"), 31u);
  EXPECT_EQ(c.at("PttIdDecode"), 31u + 35 * 2);
  EXPECT_EQ(c.at("PttIdCode"), 103u);
  EXPECT_EQ(LayoutSize(channel), kChannelFileRecordSize);
  // Every field of the record is in the layout: 3 + 36 integers and the four texts.
  EXPECT_EQ(c.size(), 3u + 36 + 4);

  CommuBookEntry entry;
  const auto b = OffsetsOf(entry).offsets;
  EXPECT_EQ(b.at("CallCode"), 2u);
  EXPECT_EQ(b.at("CallName"), 7u);
  EXPECT_EQ(LayoutSize(entry), 14u);
  CommuBook book;
  EXPECT_EQ(LayoutSize(book), kBookFileSize);
  EXPECT_EQ(EncodeBookFile(book).size(), kBookFileSize);
}

TEST(FileLayout, PrimitivesAreLittleEndianAndTextsAsStored) {
  SettingsRecord s;
  s.ModelCode = -2;
  s.Bands.RxLow = 136.5;
  s.Signalling.TwoTone.ToneA = 0xBEEF;
  s.Signalling.Dtmf.OwnId = FixedText<3>::From("1");
  const std::string bytes = EncodeDataFile(s, 0x0102);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\xFE\xFF", 2));
  // 136.5 = 0x4061100000000000
  EXPECT_EQ(bytes.substr(2, 8), std::string("\x00\x00\x00\x00\x00\x10\x61\x40", 8));
  EXPECT_EQ(bytes.substr(576 + 12, 2), std::string("\xEF\xBE", 2));
  EXPECT_EQ(bytes.substr(49 + 506, 3), "1  ");
  EXPECT_EQ(bytes.substr(6872, 2), std::string("\x02\x01", 2));
}

}  // namespace
}  // namespace kt740
