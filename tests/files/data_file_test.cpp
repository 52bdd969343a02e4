#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <random>

#include "core/builtin_text.h"
#include "faulty_file_ops.h"
#include "files/file_format.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"
#include "support/config_fixture.h"
#include "support/recording_notifier.h"
#include "support/temp_dir.h"

namespace kt740 {
namespace {

using test::RecordingNotifier;

std::string DoubleBytes(double v) {
  const auto u = std::bit_cast<uint64_t>(v);
  std::string s;
  for (int i = 0; i < 8; ++i) s.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
  return s;
}

class DataFile : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PutThreeChannels(state.current.channels);
    state.current.settings.Signalling.Option.Option3 = 4;
    TakeSnapshot(state);
  }
  std::string Path(const std::string& name) const { return dir.file(name); }
  std::size_t Size(const std::string& name) const { return std::filesystem::file_size(dir.path() / name); }

  test::TempDir dir;
  ProgramState state;
  RecordingNotifier notifier;
};

TEST_F(DataFile, ThreeChannelsWriteTheRecordAndThreeChannelRecords) {
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("abc.dat")));
  EXPECT_EQ(Size("abc.dat"), 8667u);
  EXPECT_EQ(Size("abc.fre"), 324u);
  EXPECT_FALSE(state.app.Untitled);
  EXPECT_EQ(state.app.CurrentFileName, Path("abc.dat"));
  EXPECT_TRUE(notifier.entries.empty());
  EXPECT_EQ(dir.Read("abc.dat").substr(6872, 2), std::string("\x03\x00", 2));
}

TEST(ChannelFileNameRule, LastThreeCharactersOfTheNameBecomeFre) {
  EXPECT_EQ(ChannelFileName("C:\\x\\abc.dat"), "C:\\x\\abc.fre");
  EXPECT_EQ(ChannelFileName("/tmp/abc.cfg"), "/tmp/abc.fre");
  EXPECT_EQ(ChannelFileName("new.dat"), "new.fre");
  EXPECT_EQ(ChannelFileName("/tmp/config"), "/tmp/confre");
  // Too short a name: the rule would reach into the folder.
  EXPECT_EQ(ChannelFileName("/tmp/ab"), "/tmp/ab.fre");
  EXPECT_EQ(ChannelFileName("/tmp/abc"), "/tmp/abc.fre");
}

TEST_F(DataFile, ADataFileNamedLikeItsChannelFileIsRefused) {
  EXPECT_FALSE(SaveDataFile(state, notifier, Path("x.fre")));
  EXPECT_EQ(notifier.FirstLines(), std::vector<std::string>{"file error."});
  EXPECT_FALSE(std::filesystem::exists(Path("x.fre")));
}

// Random bytes in every member (with a valid count, finite band limits and distinct channel
// numbers) come back byte for byte through open and save.
TEST_F(DataFile, SaveOpenSaveIsByteIdentical) {
  std::mt19937 gen(740);
  std::string dat(kDataFileSize, '\0');
  for (char& c : dat) c = static_cast<char>(gen());
  dat[6872] = 4;
  dat[6873] = 0;
  for (std::size_t i = 0; i < 4; ++i)
    dat.replace(2 + 8 * i, 8, DoubleBytes(100.0 + 37.25 * static_cast<double>(i)));
  std::string fre(4 * kChannelFileRecordSize, '\0');
  for (char& c : fre) c = static_cast<char>(gen());
  const int numbers[] = {203, 1, 77, 200};
  for (int i = 0; i < 4; ++i) {
    fre[static_cast<std::size_t>(i) * kChannelFileRecordSize] = static_cast<char>(numbers[i]);
    fre[static_cast<std::size_t>(i) * kChannelFileRecordSize + 1] = 0;
  }
  dir.Write("in.dat", dat);
  dir.Write("in.fre", fre);

  ProgramState loaded;
  ASSERT_TRUE(OpenDataFile(loaded, notifier, Path("in.dat")));
  ASSERT_TRUE(SaveDataFile(loaded, notifier, Path("out.dat")));
  // The stored model code is replaced by the program's.
  dat.replace(0, 2, std::string("\x07\x00", 2));
  EXPECT_EQ(dir.Read("out.dat"), dat);
  EXPECT_EQ(dir.Read("out.fre"), fre);
  EXPECT_FALSE(IsModified(loaded));
  EXPECT_TRUE(notifier.entries.empty());
}

TEST_F(DataFile, OpeningKeepsTheProgramsModelCodeAndLoadsTheConfiguration) {
  state.current.settings.ModelCode = 99;
  state.app.ModelCode = 99;
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("a.dat")));
  ASSERT_EQ(dir.Read("a.dat").substr(0, 2), std::string("\x63\x00", 2));

  ProgramState other;
  other.app.Untitled = true;
  ASSERT_TRUE(OpenDataFile(other, notifier, Path("a.dat")));
  EXPECT_EQ(other.app.ModelCode, 7);
  EXPECT_EQ(other.current.settings.ModelCode, 7);
  EXPECT_EQ(other.current.settings.Signalling.Option.Option3, 4);
  test::ExpectSameChannels(other.current.channels, state.current.channels);
  EXPECT_FALSE(other.app.Untitled);
  EXPECT_EQ(other.app.CurrentFileName, Path("a.dat"));
  EXPECT_FALSE(IsModified(other));
}

TEST_F(DataFile, LongerOldFilesKeepTheirExtraBytes) {
  const std::string oldFre(5 * kChannelFileRecordSize, 'x');
  const std::string oldDat(kDataFileSize + 10, 'y');
  dir.Write("a.fre", oldFre);
  dir.Write("a.dat", oldDat);
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("a.dat")));
  const std::string fre = dir.Read("a.fre");
  ASSERT_EQ(fre.size(), oldFre.size());
  EXPECT_EQ(fre.substr(0, 324), EncodeChannelFile(state.snapshot.channels));
  EXPECT_EQ(fre.substr(324), oldFre.substr(324));
  const std::string dat = dir.Read("a.dat");
  ASSERT_EQ(dat.size(), oldDat.size());
  EXPECT_EQ(dat.substr(kDataFileSize), std::string(10, 'y'));

  // The records past the count are never read.
  ProgramState other;
  ASSERT_TRUE(OpenDataFile(other, notifier, Path("a.dat")));
  EXPECT_EQ(other.current.channels.ChannelCount, 3);
}

TEST_F(DataFile, AMissingOrShortChannelFileLoadsTheWholeRecordsItHas) {
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("a.dat")));
  const std::string fre = dir.Read("a.fre");
  struct Case {
    std::size_t keep;
    int channels;
  };
  for (const Case c : {Case{0, 0}, Case{107, 0}, Case{108, 1}, Case{2 * 108 + 50, 2}}) {
    SCOPED_TRACE(c.keep);
    dir.Write("a.fre", fre.substr(0, c.keep));
    ProgramState other;
    ASSERT_TRUE(OpenDataFile(other, notifier, Path("a.dat")));
    EXPECT_EQ(other.current.channels.ChannelCount, c.channels);
    EXPECT_EQ(other.snapshot.channels.ChannelCount, c.channels);
  }
  EXPECT_TRUE(notifier.entries.empty());
  // A missing channel file opens too, and says so.
  std::filesystem::remove(Path("a.fre"));
  ProgramState other;
  ASSERT_TRUE(OpenDataFile(other, notifier, Path("a.dat")));
  EXPECT_EQ(other.current.channels.ChannelCount, 0);
  ASSERT_EQ(notifier.entries.size(), 1u);
  EXPECT_EQ(notifier.entries[0].text,
            "The channel file a.fre was not found, so the configuration has no channels.");
  EXPECT_EQ(notifier.entries[0].icon, Icon::Information);
}

// Every refused file leaves the whole state as it was and says "file error.".
TEST_F(DataFile, AFileThatCannotBeLoadedChangesNothing) {
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("good.dat")));
  const std::string dat = dir.Read("good.dat");
  const std::string fre = dir.Read("good.fre");
  auto with = [](std::string s, std::size_t at, std::string bytes) {
    return s.replace(at, bytes.size(), bytes);
  };
  const std::string nanBand = with(dat, 2 + 16, DoubleBytes(std::nan("")));

  struct Case {
    const char* what;
    std::string dat;
    std::string fre;
  } cases[] = {
      {"short data file", dat.substr(0, kDataFileSize - 1), fre},
      {"empty data file", "", fre},
      {"negative count", with(dat, 6872, std::string("\xFF\xFF", 2)), fre},
      {"count above 203", with(dat, 6872, std::string("\xCC\x00", 2)), fre},
      {"band limit not a number", nanBand, fre},
      {"channel number 0", dat, with(fre, 108, std::string("\x00\x00", 2))},
      {"channel number 204", dat, with(fre, 108, std::string("\xCC\x00", 2))},
      {"repeated channel number", dat, with(fre, 216, std::string("\x01\x00", 2))},
  };

  ProgramState other;
  test::PutThreeChannels(other.current.channels);
  other.current.channels.records[1].Name = NulTerminatedText<7>("EDITED");
  other.app.CurrentFileName = "mine.dat";
  other.app.Untitled = false;
  const ProgramState before = other;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dir.Write("bad.dat", c.dat);
    dir.Write("bad.fre", c.fre);
    RecordingNotifier n;
    EXPECT_FALSE(OpenDataFile(other, n, Path("bad.dat")));
    EXPECT_EQ(n.FirstLines(), std::vector<std::string>{"file error."});
    test::ExpectSameConfiguration(other.current, before.current);
    test::ExpectSameConfiguration(other.snapshot, before.snapshot);
    EXPECT_EQ(other.app.CurrentFileName, "mine.dat");
    EXPECT_FALSE(other.app.Untitled);
    EXPECT_TRUE(IsModified(other));
  }

  RecordingNotifier n;
  EXPECT_FALSE(OpenDataFile(other, n, Path("missing.dat")));
  // A folder where the channel file should be: it exists but cannot be read.
  std::filesystem::create_directory(Path("dir.fre"));
  dir.Write("dir.dat", dat);
  EXPECT_FALSE(OpenDataFile(other, n, Path("dir.dat")));
  test::FaultyFileOps ops;
  ops.unreadable.insert(Path("good.dat"));
  EXPECT_FALSE(OpenDataFile(other, n, Path("good.dat"), ops));
  EXPECT_EQ(n.entries.size(), 3u);
  test::ExpectSameConfiguration(other.current, before.current);
  EXPECT_EQ(other.app.CurrentFileName, "mine.dat");
}

TEST_F(DataFile, TheFileErrorIsInTheCurrentLanguage) {
  state.app.LanguageId = kLanguageChinese;
  EXPECT_FALSE(OpenDataFile(state, notifier, Path("missing.dat")));
  EXPECT_EQ(notifier.FirstLines(),
            std::vector<std::string>{BuiltInText(BuiltIn::TextFileError, kLanguageChinese)});
}

// A save that fails at any of its steps (each temporary file written, each rename) leaves the
// old pair byte for byte, no temporary files, and the changes still unsaved.
TEST_F(DataFile, AnInterruptedSaveKeepsTheOldFiles) {
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("a.dat")));
  const std::string oldDat = dir.Read("a.dat");
  const std::string oldFre = dir.Read("a.fre");

  state.current.channels.records[1].Name = NulTerminatedText<7>("CHANGED");
  state.current.channels.ChannelCount = 2;
  state.current.settings.Signalling.Option.Option3 = 5;
  const Configuration snapshotBefore = state.snapshot;

  for (int step = 0; step < 4; ++step) {
    SCOPED_TRACE(step);
    test::FaultyFileOps ops;
    ops.failAt = step;
    RecordingNotifier n;
    EXPECT_FALSE(SaveDataFile(state, n, Path("a.dat"), ops));
    EXPECT_EQ(n.FirstLines(), std::vector<std::string>{"file error."});
    EXPECT_EQ(dir.Read("a.dat"), oldDat);
    EXPECT_EQ(dir.Read("a.fre"), oldFre);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 2u);
    test::ExpectSameConfiguration(state.snapshot, snapshotBefore);
    EXPECT_TRUE(IsModified(state));
  }

  // A first save that fails leaves no files behind and the configuration untitled.
  ProgramState fresh;
  test::FaultyFileOps ops;
  ops.failAt = 3;
  EXPECT_FALSE(SaveDataFile(fresh, notifier, Path("b.dat"), ops));
  EXPECT_FALSE(std::filesystem::exists(Path("b.dat")));
  EXPECT_FALSE(std::filesystem::exists(Path("b.fre")));
  EXPECT_TRUE(fresh.app.Untitled);
  EXPECT_EQ(fresh.app.CurrentFileName, "new.dat");

  test::FaultyFileOps noFault;
  EXPECT_TRUE(SaveDataFile(state, notifier, Path("a.dat"), noFault));
  EXPECT_EQ(noFault.calls, 4);
  EXPECT_EQ(Size("a.fre"), 324u);  // the old, longer channel file keeps its third record
  EXPECT_FALSE(IsModified(state));
}

TEST_F(DataFile, AnUnreadableOldFileFailsTheSaveBeforeAnythingIsWritten) {
  ASSERT_TRUE(SaveDataFile(state, notifier, Path("a.dat")));
  const std::string oldDat = dir.Read("a.dat");
  test::FaultyFileOps ops;
  ops.unreadable.insert(Path("a.fre"));
  state.current.settings.Signalling.Option.Option3 = 9;
  EXPECT_FALSE(SaveDataFile(state, notifier, Path("a.dat"), ops));
  EXPECT_EQ(ops.calls, 0);
  EXPECT_EQ(dir.Read("a.dat"), oldDat);
  EXPECT_TRUE(IsModified(state));
}

// Paths are UTF-8 throughout: a folder and a file named in Chinese save and open.
TEST_F(DataFile, AConfigurationSavesAndOpensInAFolderWithAChineseName) {
  const std::string folder = dir.file("对讲机配置");
  std::filesystem::create_directories(std::filesystem::path(std::u8string(folder.begin(), folder.end())));
  const std::string path = folder + "/信道.dat";
  ASSERT_TRUE(SaveDataFile(state, notifier, path));
  ProgramState other;
  ASSERT_TRUE(OpenDataFile(other, notifier, path));
  EXPECT_TRUE(notifier.entries.empty());
  test::ExpectSameConfiguration(other.current, state.current);
  EXPECT_EQ(other.app.CurrentFileName, path);
}

}  // namespace
}  // namespace kt740
