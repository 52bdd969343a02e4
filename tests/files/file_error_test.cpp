// The second line of a file error: which file and why, in the program's language.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "program/data_files.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"
#include "support/config_fixture.h"
#include "support/recording_notifier.h"
#include "support/temp_dir.h"

namespace kt740 {
namespace {

class FileErrorText : public ::testing::Test {
 protected:
  void SetUp() override {
    test::PutThreeChannels(state.current.channels);
    TakeSnapshot(state);
    ASSERT_TRUE(SaveDataFile(state, notifier, dir.file("a.dat")));
  }
  test::TempDir dir;
  ProgramState state;
  test::RecordingNotifier notifier;
};

TEST_F(FileErrorText, TheSecondLineNamesTheFileAndTheReasonInBothLanguages) {
  const struct {
    const char* name;
    std::function<void(const test::TempDir&)> damage;
    const char* file;
    const char* english;
    const char* chinese;
  } cases[] = {
      {"short data file", [](const test::TempDir& d) { d.Write("a.dat", std::string(100, 'x')); }, "a.dat",
       " is shorter than a configuration file: 100 of 8667 bytes.", " 比配置文件短：100 / 8667 字节。"},
      {"missing data file", [](const test::TempDir& d) { std::filesystem::remove(d.path() / "a.dat"); },
       "a.dat", " was not found.", "找不到 "},
      {"repeated channel number",
       [](const test::TempDir& d) {
         std::string fre = d.Read("a.fre");
         fre.replace(108, 2, fre.substr(0, 2));  // the second record takes the first one's Number
         d.Write("a.fre", fre);
       },
       "a.fre", ": repeated channel number 1.", "：信道号 1 重复。"},
  };
  const std::string saved = dir.Read("a.dat");
  const std::string savedFre = dir.Read("a.fre");
  for (const auto& c : cases) {
    for (const int16_t language : {kLanguageEnglish, kLanguageChinese}) {
      SCOPED_TRACE(std::string(c.name) + (language == kLanguageChinese ? " Chinese" : " English"));
      dir.Write("a.dat", saved);
      dir.Write("a.fre", savedFre);
      c.damage(dir);
      ProgramState other;
      SetLanguage(other.app, language);
      notifier.entries.clear();
      EXPECT_FALSE(OpenDataFile(other, notifier, dir.file("a.dat")));
      ASSERT_EQ(notifier.entries.size(), 1u);
      const std::string& text = notifier.entries[0].text;
      const std::size_t newline = text.find('\n');
      ASSERT_NE(newline, std::string::npos) << text;
      EXPECT_EQ(text.substr(0, newline), BuiltInText(BuiltIn::TextFileError, language));
      const std::string second = text.substr(newline + 1);
      EXPECT_NE(second.find(dir.file(c.file)), std::string::npos) << second;
      EXPECT_NE(second.find(language == kLanguageChinese ? c.chinese : c.english), std::string::npos)
          << second;
    }
  }
}

TEST_F(FileErrorText, TheCallerCanPrintTheErrorItself) {
  ProgramState other;
  const ConfigurationRead read = TryOpenDataFile(other, dir.file("none.dat"));
  EXPECT_FALSE(read);
  EXPECT_EQ(read.error.what, FileFailure::Missing);
  EXPECT_EQ(FileErrorMessage(other, read.error), "file error.\n" + dir.file("none.dat") + " was not found.");
}

}  // namespace
}  // namespace kt740
