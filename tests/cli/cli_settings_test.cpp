// Verbs that never open a port leave the per-user settings files as they found them, and the
// simulated radio's factory image is what new and encode give with the factory channels kept.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli_verb.h"
#include "cli_run.h"

namespace kt740 {
namespace {

class CliSettings : public ::testing::Test, public test::CliFixture {
 protected:
  // Every file of the per-user folder with its bytes.
  std::map<std::string, std::string> UserFiles() const {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(dir.path() / "config", ec))
      files[e.path().filename().string()] = dir.Read("config/" + e.path().filename().string());
    return files;
  }

  // The verbs without a port, each run once on files made beforehand.
  void RunEveryVerbWithoutAPort() {
    const QStringList runs[] = {
        {"info"},
        {"new", "-o", Path("n.dat")},
        {"show", Path("n.dat")},
        {"encode", Path("n.dat"), "-o", Path("n.bin")},
        {"decode", Path("n.bin"), "-o", Path("d.dat")},
    };
    for (const QStringList& args : runs) {
      SCOPED_TRACE(args.front().toStdString());
      const auto before = UserFiles();
      const test::CliRun r = Cli(args);
      ASSERT_EQ(r.status, kExitOk) << r.err;
      EXPECT_EQ(UserFiles(), before);
    }
  }
};

TEST_F(CliSettings, VerbsWithoutAPortLeaveTheSettingsFilesByteForByte) {
  // A first run's mysetup.ini (start-up would clear IsFirstRun) with an unusual port and layout,
  // and a Setting.ini of odd flags.
  dir.Write("config/mysetup.ini", "; mine\n[language]\nIsFirstRun=1\ncomPort=7\nSkin=0\n");
  dir.Write("config/Setting.ini", std::string("\x01\x00\x00\x01\x02\x00\x00\x00\xFF\xFF", 10));
  RunEveryVerbWithoutAPort();
  EXPECT_EQ(UserFiles().size(), 2u);
  EXPECT_NE(Cli({"info"}).out.find("Port: COM7\n"), std::string::npos);  // read all the same
}

TEST_F(CliSettings, VerbsWithoutAPortCreateNoSettingsFiles) {
  std::filesystem::create_directories(dir.path() / "config");
  RunEveryVerbWithoutAPort();
  EXPECT_TRUE(UserFiles().empty());
}

TEST_F(CliSettings, FactoryImageIsTheTemplateWithItsChannelsEncoded) {
  dir.Write("config/mysetup.ini", "[language]\r\nFactoryFres=1\r\n");
  ASSERT_EQ(Cli({"new", "-o", Path("f.dat")}).status, kExitOk);
  const test::CliRun r = Cli({"encode", Path("f.dat"), "-o", Path("f.bin")});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  const std::string encoded = dir.Read("f.bin");
  std::ifstream in(std::filesystem::path(KT740_SOURCE_DATA_DIR) / "Init" / "KT-740-factory.img",
                   std::ios::binary);
  const std::string factory{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_EQ(factory.size(), 16384u);
  EXPECT_EQ(factory.substr(0x100), encoded.substr(0x100));
  EXPECT_NE(factory.substr(0x10, 0xF0), encoded.substr(0x10, 0xF0));  // the radio information

  // Its channels: the template's 16 and the VFO.
  const test::CliRun shown = Cli({"decode", Path("f.bin"), "-o", Path("g.dat")});
  ASSERT_EQ(shown.status, kExitOk);
  const std::string tsv = Cli({"show", Path("g.dat"), "--format", "tsv"}).out;
  EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 1 + 17) << tsv;
}

}  // namespace
}  // namespace kt740
