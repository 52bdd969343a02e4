#include "program/startup.h"

#include <gtest/gtest.h>

#include "link/port_list.h"
#include "program/program_state.h"
#include "program/settings_files.h"
#include "support/temp_dir.h"

namespace kt740 {
namespace {

class FixedPorts : public PortList {
 public:
  explicit FixedPorts(std::vector<int> numbers) : numbers_(std::move(numbers)) {}
  std::vector<PortEntry> Ports() const override {
    std::vector<PortEntry> list;
    for (int n : numbers_) list.push_back({n, "/dev/ttyS" + std::to_string(n - 1), ""});
    return list;
  }

 private:
  std::vector<int> numbers_;
};

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    state.app.folders.programDir = program.path().string();
    state.app.folders.userDir = (user.path() / "config").string();
  }
  void Start(const PortList* ports = nullptr, const std::string& locale = "en_US") {
    StartupEnvironment env;
    env.systemLocale = locale;
    env.today = {2026, 3, 7};
    env.ports = ports;
    RunStartup(state, env);
  }
  std::string UserFile(const std::string& name) const { return user.Read("config/" + name); }

  test::TempDir program, user;
  ProgramState state;
};

TEST_F(Startup, FirstRunIsRewrittenAndPortIsAlwaysWritten) {
  program.Write("language/mysetup.ini",
                "[language]\r\nIsFirstRun=1\r\nSkin=0\r\ncomPort=3\r\nFactoryFres=0\r\n");
  FixedPorts ports({1, 3});
  Start(&ports);
  EXPECT_TRUE(state.app.IsFirstRun);
  EXPECT_EQ(state.app.ComPort, 3);
  const MySetup after = ReadMySetup(MySetupPath(state.app.folders));
  EXPECT_FALSE(after.IsFirstRun);
  EXPECT_EQ(after.ComPort, 3);
  EXPECT_NE(UserFile("mysetup.ini").find("comPort=3"), std::string::npos);
  // The program folder's copy only seeds the per-user one.
  EXPECT_NE(program.Read("language/mysetup.ini").find("IsFirstRun=1"), std::string::npos);

  ProgramState second;
  second.app.folders = state.app.folders;
  StartupEnvironment env;
  env.ports = &ports;
  RunStartup(second, env);
  EXPECT_FALSE(second.app.IsFirstRun);
}

TEST_F(Startup, RememberedPortThatIsGoneBecomesTheFirstPort) {
  program.Write("language/mysetup.ini", "[language]\r\ncomPort=7\r\n");
  FixedPorts ports({4, 5});
  Start(&ports);
  EXPECT_EQ(state.app.ComPort, 4);
  EXPECT_EQ(ReadMySetup(MySetupPath(state.app.folders)).ComPort, 4);

  FixedPorts none({});
  Start(&none);
  EXPECT_EQ(state.app.ComPort, 0);
  EXPECT_NE(UserFile("mysetup.ini").find("comPort=0"), std::string::npos);
}

TEST_F(Startup, MissingOrMalformedKeysTakeSoundDefaults) {
  struct Case {
    std::string file;
    bool firstRun;
    int port, factory;
  } cases[] = {
      {"", false, 1, 0},
      {"[language]\r\nIsFirstRun=yes\r\ncomPort=COM3\r\nFactoryFres=x\r\n", false, 1, 0},
      {"[language]\r\nIsFirstRun=True\r\ncomPort=12\r\nFactoryFres=1\r\n", true, 12, 1},
      {"[language]\r\nIsFirstRun=0\r\ncomPort=99999\r\nFactoryFres=-1\r\n", false, 1, -1},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    if (!c.file.empty()) dir.Write("mysetup.ini", c.file);
    const MySetup s = ReadMySetup(dir.file("mysetup.ini"));
    EXPECT_EQ(s.IsFirstRun, c.firstRun) << c.file;
    EXPECT_EQ(s.ComPort, c.port) << c.file;
    EXPECT_EQ(s.FactoryFres, c.factory) << c.file;
  }
}

TEST_F(Startup, SettingIniIsTenBytesOfFiveFlags) {
  test::TempDir dir;
  EXPECT_EQ(ReadSettingIni(dir.file("Setting.ini")), FeatureFlags{});
  dir.Write("short.ini", std::string("\x01\x00\x01\x00\x01", 5));
  EXPECT_EQ(ReadSettingIni(dir.file("short.ini")), FeatureFlags{});
  dir.Write("full.ini", std::string("\x01\x00\x00\x00\x02\x01\x00\x00\xFF\xFF", 10));
  EXPECT_EQ(ReadSettingIni(dir.file("full.ini")), (FeatureFlags{1, 0, 258, 0, -1}));

  ASSERT_TRUE(WriteSettingIni(dir.file("out.ini"), {1, 1, 0, 1, 1}));
  EXPECT_EQ(dir.Read("out.ini"), std::string("\x01\x00\x01\x00\x00\x00\x01\x00\x01\x00", 10));
}

TEST_F(Startup, FlagsComeFromSettingIniOrAreOff) {
  Start();
  EXPECT_EQ(state.app.Flags, FeatureFlags{});
  user.Write("config/Setting.ini", std::string("\x01\x00\x01\x00\x01\x00\x00\x00\x01\x00", 10));
  Start();
  EXPECT_EQ(state.app.Flags, (FeatureFlags{1, 1, 1, 0, 1}));
}

TEST_F(Startup, LanguageFollowsTheSystemLocale) {
  for (const char* name : {"zh_CN", "zh-Hans-CN", "zh_CN.UTF-8"})
    EXPECT_EQ(LocaleIdFromName(name), 0x0804) << name;
  for (const char* name : {"en_US", "zh_TW", "de_DE", "C", ""})
    EXPECT_NE(LocaleIdFromName(name), 0x0804) << name;
  Start(nullptr, "zh_CN");
  EXPECT_EQ(state.app.LanguageId, 2);
  EXPECT_EQ(state.app.LanguagePath, "language/chinese.ini");
  Start(nullptr, "de_DE");
  EXPECT_EQ(state.app.LanguageId, 1);
  EXPECT_EQ(state.app.LanguageFile, "english.ini");
}

TEST_F(Startup, BuildsTheFreshConfiguration) {
  state.app.CurrentFileName = "old.dat";
  state.app.Untitled = false;
  Start();
  const AppState& a = state.app;
  EXPECT_EQ(a.ModelName, "RB-5100");
  EXPECT_EQ(a.ModelDisplayName, "KT-740");
  EXPECT_EQ(a.ModelCode, 7);
  EXPECT_EQ(a.VersionText, "V100");
  EXPECT_EQ(a.BandText, "Rx(136 - 174 MHz) Tx(136 - 174 MHz)");
  EXPECT_EQ(a.CurrentFileName, "new.dat");
  EXPECT_EQ(a.CurrentBookFileName, "new.cb");
  EXPECT_TRUE(a.Untitled);
  EXPECT_FALSE(a.InitialSetupMode);
  ASSERT_EQ(state.current.channels.ChannelCount, 1);
  EXPECT_EQ(state.current.channels.records[0].Number, 203);
  EXPECT_EQ(state.current.settings.Signalling.Option.PowerOnMessage.str(), "Welcome");
  EXPECT_EQ(state.current.settings.Signalling.TwoTone.ToneD, 20438);
  EXPECT_EQ(state.current.settings.Signalling.FiveTone.SpecialDigit, 13);
  EXPECT_EQ(state.current.settings.DecodeTime, 2);

  const EmbedInfo& info = state.embedInfo;
  EXPECT_EQ(info.InfoCode, "0595");
  EXPECT_EQ(info.InfoText1.str(), "2026030700000001");
  EXPECT_EQ(TrimText(info.InfoText2.view()), "2026-03-07");
  EXPECT_EQ(info.InfoText3.str(), "03-1-E-1");
  EXPECT_EQ(info.InfoText4.str(), "001A");
  EXPECT_EQ(info.InfoText6.view()[0], '\0');
}

}  // namespace
}  // namespace kt740
