#include <gtest/gtest.h>

#include "image/channel_codec.h"
#include "program/data_files.h"
#include "program/model_template.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"
#include "program/snapshot_state.h"
#include "support/config_fixture.h"
#include "support/recording_notifier.h"
#include "support/temp_dir.h"

namespace kt740 {
namespace {

class Templates : public ::testing::Test {
 protected:
  void SetUp() override { state.app.folders.programDir = program.path().string(); }

  // A template with channels 1, 5 and "VFO" (or without the VFO) and a recognisable option.
  void WriteTemplate(const std::string& name, int16_t option, bool withVfo = true) {
    ProgramState t;
    test::PutThreeChannels(t.current.channels);
    if (!withVfo) t.current.channels.ChannelCount = 2;
    t.current.settings.Signalling.Option.Option5 = option;
    t.current.settings.Bands = {140, 170, 141, 169};
    test::RecordingNotifier n;
    std::filesystem::create_directories(program.path() / "Init");
    ASSERT_TRUE(SaveDataFile(t, n, TemplatePath(state, name)));
  }

  test::TempDir program;
  ProgramState state;
};

TEST_F(Templates, TheModelTemplateKeepsOnlyItsVfo) {
  WriteTemplate("KT-740.dat", 11);
  WriteTemplate("RB-5100.dat", 22);
  ResetAllData(state);
  EXPECT_EQ(state.current.settings.Signalling.Option.Option5, 11);
  EXPECT_EQ(state.app.BandText, "Rx(140 - 170 MHz) Tx(141 - 169 MHz)");
  ASSERT_EQ(state.current.channels.ChannelCount, 1);
  EXPECT_EQ(state.current.channels.records[0].Number, kChannelVFO);
  EXPECT_EQ(state.current.channels.records[0].RxFreq.str(), "015500000");
  EXPECT_FALSE(IsModified(state));
  EXPECT_TRUE(state.app.Untitled);
  EXPECT_EQ(state.app.CurrentFileName, "new.dat");
}

TEST_F(Templates, FactoryChannelsOrInitialSetupKeepEveryChannel) {
  WriteTemplate("KT-740.dat", 11);
  for (int mode = 0; mode < 2; ++mode) {
    ProgramState s = state;
    s.app.FactoryFres = mode == 0 ? 1 : 0;
    s.app.InitialSetupMode = mode == 1;
    ResetAllData(s);
    EXPECT_EQ(s.current.channels.ChannelCount, 3);
    EXPECT_EQ(s.current.channels.records[1].Number, 5);
    EXPECT_FALSE(IsModified(s));
  }
}

TEST_F(Templates, AModelTemplateWithoutVfoLeavesNoChannel) {
  WriteTemplate("KT-740.dat", 11, false);
  ResetAllData(state);
  EXPECT_EQ(state.current.channels.ChannelCount, 0);
  EXPECT_FALSE(IsModified(state));
}

TEST_F(Templates, TheFallbackGivesItsSettingsAndTheDefaultVfo) {
  WriteTemplate("RB-5100.dat", 22);
  ResetAllData(state);
  EXPECT_EQ(state.current.settings.Signalling.Option.Option5, 22);
  ASSERT_EQ(state.current.channels.ChannelCount, 1);
  const ChannelRecord expected = DefaultVfoChannel(state.current.settings.Bands);
  EXPECT_TRUE(state.current.channels.records[0] == expected);
  EXPECT_FALSE(IsModified(state));
}

TEST_F(Templates, WithoutUsableTemplatesTheResetConfigurationStays) {
  ProgramState reset = state;
  reset.app.folders.programDir.clear();
  ResetAllData(reset);

  program.Write("Init/RB-5100.dat", "too short");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    ProgramState s = state;
    s.current.channels.ChannelCount = 0;
    ResetAllData(s);
    test::ExpectSameConfiguration(s.current, reset.current);
    EXPECT_FALSE(IsModified(s));
    // A model template that exists but is damaged does not fall back.
    WriteTemplate("RB-5100.dat", 22);
    program.Write("Init/KT-740.dat", "");
  }
}

// The templates that ship in the program folder.
TEST(ShippedTemplates, LoadWithTheirFactoryChannels) {
  ProgramState s;
  s.app.folders.programDir = KT740_SOURCE_DATA_DIR;
  s.app.FactoryFres = 1;
  ResetAllData(s);
  EXPECT_GT(s.current.channels.ChannelCount, 10);
  EXPECT_NE(s.current.channels.Find(kChannelVFO), nullptr);
  s.app.FactoryFres = 0;
  ResetAllData(s);
  ASSERT_EQ(s.current.channels.ChannelCount, 1);
  EXPECT_EQ(s.current.channels.records[0].Number, kChannelVFO);
}

}  // namespace
}  // namespace kt740
