#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "files/file_format.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "support/config_fixture.h"
#include "support/recording_notifier.h"

namespace kt740 {
namespace {

class CliVerbs : public ::testing::Test, public test::CliFixture {
 protected:
  // Channels 1, 5 and "VFO", kept in the list as VFO, 5, 1.
  void SaveSample(const std::string& name, int16_t step = 5) {
    ProgramState state;
    test::PutThreeChannels(state.current.channels);
    auto& r = state.current.channels.records;
    std::swap(r[0], r[2]);
    r[1].Step = step;
    test::RecordingNotifier n;
    ASSERT_TRUE(SaveDataFile(state, n, dir.file(name)));
  }
  std::size_t Size(const std::string& name) const { return std::filesystem::file_size(dir.path() / name); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(dir.path() / name); }
};

TEST_F(CliVerbs, EveryVerbHasHelpAndRefusesBadUsage) {
  const char* verbs[] = {"new", "encode", "decode", "show"};
  for (const char* verb : verbs) {
    SCOPED_TRACE(verb);
    const test::CliRun help = Cli({verb, "--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find(std::string("Usage: kt740-cli ") + verb), std::string::npos);
    EXPECT_EQ(Cli({verb, "--bogus"}).status, kExitUsage);
    EXPECT_EQ(Cli({verb, "-o"}).status, kExitUsage);  // an option without its value
    EXPECT_EQ(Cli({verb}).status, kExitUsage);
  }
  // Input given but no output.
  EXPECT_EQ(Cli({"encode", Path("a.dat")}).status, kExitUsage);
  EXPECT_EQ(Cli({"decode", Path("a.bin")}).status, kExitUsage);
  EXPECT_EQ(Cli({"new", Path("a.dat"), "-o", Path("b.dat")}).status, kExitUsage);
  EXPECT_EQ(Cli({"show", Path("a.dat"), "--format", "xml"}).status, kExitUsage);
  const test::CliRun unknown = Cli({"frobnicate"});
  EXPECT_EQ(unknown.status, kExitUsage);
  EXPECT_NE(unknown.err.find("unknown verb"), std::string::npos);
}

TEST_F(CliVerbs, NewSavesTheResetConfigurationWithTheModelTemplate) {
  const test::CliRun r = Cli({"new", "-o", Path("fresh.dat")});
  ASSERT_EQ(r.status, kExitOk) << r.err;
  EXPECT_EQ(Size("fresh.dat"), kDataFileSize);
  EXPECT_EQ(Size("fresh.fre"), kChannelFileRecordSize);  // the template's VFO only

  ProgramState state;
  test::RecordingNotifier n;
  ASSERT_TRUE(OpenDataFile(state, n, dir.file("fresh.dat")));
  ASSERT_EQ(state.current.channels.ChannelCount, 1);
  EXPECT_EQ(state.current.channels.records[0].Number, kChannelVFO);
  EXPECT_EQ(state.current.channels.records[0].RxFreq.str(), "015500000");
}

TEST_F(CliVerbs, EncodeAndDecodeRoundTrip) {
  ASSERT_EQ(Cli({"new", "-o", Path("a.dat")}).status, kExitOk);
  const test::CliRun enc = Cli({"encode", Path("a.dat"), "-o", Path("a.bin")});
  ASSERT_EQ(enc.status, kExitOk) << enc.err;
  EXPECT_EQ(Size("a.bin"), 16384u);

  const test::CliRun dec = Cli({"decode", Path("a.bin"), "--output=" + Path("b.dat")});
  ASSERT_EQ(dec.status, kExitOk) << dec.err;
  EXPECT_EQ(Size("b.dat"), kDataFileSize);
  EXPECT_TRUE(Exists("b.fre"));

  ASSERT_EQ(Cli({"encode", Path("b.dat"), "-o", Path("b.bin")}).status, kExitOk);
  EXPECT_EQ(dir.Read("b.bin"), dir.Read("a.bin"));
}

TEST_F(CliVerbs, FailuresExitWithOneAndWriteNothing) {
  const test::CliRun missing = Cli({"encode", Path("missing.dat"), "-o", Path("x.bin")});
  EXPECT_EQ(missing.status, kExitFailed);
  EXPECT_NE(missing.err.find("file error."), std::string::npos);
  EXPECT_FALSE(Exists("x.bin"));

  for (const std::size_t size : {std::size_t{0}, std::size_t{16383}, std::size_t{16385}}) {
    SCOPED_TRACE(size);
    dir.Write("odd.bin", std::string(size, '\0'));
    const test::CliRun r = Cli({"decode", Path("odd.bin"), "-o", Path("odd.dat")});
    EXPECT_EQ(r.status, kExitFailed);
    EXPECT_NE(r.err.find("16384 bytes"), std::string::npos);
    EXPECT_FALSE(Exists("odd.dat"));
  }
  EXPECT_EQ(Cli({"decode", Path("nothing.bin"), "-o", Path("odd.dat")}).status, kExitFailed);

  // The folder of the output does not exist.
  const test::CliRun save = Cli({"new", "-o", Path("no/such/folder/a.dat")});
  EXPECT_EQ(save.status, kExitFailed);
  EXPECT_NE(save.err.find("file error."), std::string::npos);
}

TEST_F(CliVerbs, EncodeStopsAtTheFirstFailingCodec) {
  SaveSample("bad.dat", 300);  // a step the channel entry cannot hold
  const test::CliRun r = Cli({"encode", Path("bad.dat"), "-o", Path("bad.bin")});
  EXPECT_EQ(r.status, kExitFailed);
  EXPECT_NE(r.err.find("SetCommDataByFrequencyError\n"), std::string::npos) << r.err;
  EXPECT_FALSE(Exists("bad.bin"));
}

TEST_F(CliVerbs, ChannelsSurviveEncodeAndDecode) {
  SaveSample("a.dat");
  ASSERT_EQ(Cli({"encode", Path("a.dat"), "-o", Path("a.bin")}).status, kExitOk);
  ASSERT_EQ(Cli({"decode", Path("a.bin"), "-o", Path("b.dat")}).status, kExitOk);
  EXPECT_EQ(Size("b.fre"), 3 * kChannelFileRecordSize);
  ASSERT_EQ(Cli({"encode", Path("b.dat"), "-o", Path("b.bin")}).status, kExitOk);
  EXPECT_EQ(dir.Read("b.bin"), dir.Read("a.bin"));
  EXPECT_EQ(Cli({"show", Path("b.dat"), "--format", "tsv"}).out,
            Cli({"show", Path("a.dat"), "-f", "tsv"}).out);
}

TEST_F(CliVerbs, ShowPrintsTheGridColumnsInChannelOrder) {
  SaveSample("a.dat");
  const test::CliRun table = Cli({"show", Path("a.dat")});
  ASSERT_EQ(table.status, kExitOk) << table.err;
  EXPECT_EQ(table.out,
            "Rx(136 - 174 MHz) Tx(136 - 174 MHz)\n"
            "\n"
            "CH   Receive frequency  Transmit frequency  Channel name  Step   Bandwidth  Transmit power  "
            "CTCSS/DCS Decode  CTCSS/DCS Encode  Optional signalling\n"
            "1    145.50000          144.90000           REPEAT        12.5K  12.5K      Low             "
            "97.4              D454N             5tone 42\n"
            "5    462.56250          461.96250           FRS           12.5K  12.5K      Low             "
            "97.4              D454N             5tone 42\n"
            "VFO  155.00000          154.40000                         12.5K  12.5K      Low             "
            "97.4              D454N             5tone 42\n");

  const test::CliRun tsv = Cli({"show", Path("a.dat"), "--format", "tsv"});
  ASSERT_EQ(tsv.status, kExitOk);
  EXPECT_EQ(tsv.out,
            "CH\tReceive frequency\tTransmit frequency\tChannel name\tStep\tBandwidth\tTransmit power\t"
            "CTCSS/DCS Decode\tCTCSS/DCS Encode\tOptional signalling\n"
            "1\t145.50000\t144.90000\tREPEAT\t12.5K\t12.5K\tLow\t97.4\tD454N\t5tone 42\n"
            "5\t462.56250\t461.96250\tFRS\t12.5K\t12.5K\tLow\t97.4\tD454N\t5tone 42\n"
            "VFO\t155.00000\t154.40000\t\t12.5K\t12.5K\tLow\t97.4\tD454N\t5tone 42\n");

  const test::CliRun csv = Cli({"show", Path("a.dat"), "--format=csv"});
  ASSERT_EQ(csv.status, kExitOk);
  EXPECT_NE(csv.out.find("\n5,462.56250,461.96250,FRS,12.5K,12.5K,Low,97.4,D454N,5tone 42\n"),
            std::string::npos);

  const test::CliRun missing = Cli({"show", Path("missing.dat")});
  EXPECT_EQ(missing.status, kExitFailed);
  EXPECT_TRUE(missing.out.empty());
}

}  // namespace
}  // namespace kt740
