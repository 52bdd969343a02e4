// kt740-cli read, write and read-info against the simulated radio: the bytes that arrive, the
// files saved, and the refusals (identity, killed, stunned, password) before any frame.
#include <gtest/gtest.h>

#include <sstream>

#include "core/notifier.h"
#include "e2e_support.h"
#include "link/link_observer.h"
#include "program/comm_data.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/read_completion.h"
#include "program/startup.h"

namespace kt740::test {
namespace {

class E2E : public ::testing::Test {
 protected:
  // A state as kt740-cli prepares it.
  void Prepare(ProgramState& state) const { PrepareLikeCli(state, dir); }

  // What a read of `memory` decodes to, saved as Save does.
  void SaveDecoded(const Memory& memory, const std::string& path) const {
    ProgramState state;
    Prepare(state);
    std::copy(memory.begin() + 0x10, memory.end(), state.image.bytes.begin() + 0x10);
    state.radio.ReportedModelCode = '7';
    LinkObserver none;
    CompleteRead(state, none);
    SilentNotifier notifier;
    ASSERT_TRUE(SaveDataFile(state, notifier, path));
  }

  // Every write frame address the simulator logged.
  std::vector<unsigned> WrittenAddresses(const SimRadioProcess& sim) const {
    std::vector<unsigned> out;
    std::istringstream in(sim.Log());
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind("W ", 0) == 0) out.push_back(std::stoul(line.substr(2, 4), nullptr, 16));
    }
    return out;
  }

  static std::string Fre(const std::string& dat) { return dat.substr(0, dat.size() - 3) + "fre"; }

  TempDir dir;
};

TEST_F(E2E, ReadGivesTheRadiosMemoryAndItsDecodedConfiguration) {
  const Memory memory = RandomMemory(1);
  SimRadioProcess sim(dir, memory, {});
  ASSERT_FALSE(sim.device.empty());
  const CliRun r = RunCli(dir, {"read", "--port", QString::fromStdString(sim.device), "-o",
                                QString::fromStdString(dir.file("read.dat")), "--image",
                                QString::fromStdString(dir.file("read.bin"))});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Reading from the radio is complete."), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("100%"), std::string::npos);  // plain percentages: stderr is no terminal
  const Memory image = FromBytes(dir.Read("read.bin"));
  ASSERT_EQ(dir.Read("read.bin").size(), 0x4000u);
  for (std::size_t a = 0; a < 0x10; ++a) EXPECT_EQ(image[a], 0) << a;
  for (std::size_t a = 0x10; a < 0x4000; ++a) ASSERT_EQ(image[a], memory[a]) << a;

  SaveDecoded(memory, dir.file("expect.dat"));
  EXPECT_EQ(dir.Read("read.dat"), dir.Read("expect.dat"));
  EXPECT_EQ(dir.Read(Fre("read.dat")), dir.Read(Fre("expect.dat")));
}

TEST_F(E2E, WriteLeavesEncodeAllOfTheFileAndNothingBelow0x0100) {
  ASSERT_TRUE(SaveFreshConfig(dir, dir.file("config.dat")));
  SilentNotifier notifier;

  const Memory before = RandomMemory(2);
  SimRadioProcess sim(dir, before, {});
  const CliRun r = RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                                QString::fromStdString(dir.file("config.dat"))});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("Writing to the radio is complete."), std::string::npos) << r.err;

  ProgramState expected;
  Prepare(expected);
  ASSERT_TRUE(OpenDataFile(expected, notifier, dir.file("config.dat")));
  ClearImage(expected.image);
  expected.CommDataOK = true;
  SetCommData(expected, notifier);
  ASSERT_TRUE(expected.CommDataOK);

  const auto addresses = WrittenAddresses(sim);
  const Memory after = sim.MemoryNow();
  for (std::size_t a = 0; a < 0x100; ++a) ASSERT_EQ(after[a], before[a]) << a;
  for (std::size_t a = 0x100; a < 0x4000; ++a) ASSERT_EQ(after[a], expected.image.bytes[a]) << a;
  ASSERT_EQ(addresses.size(), 1008u);
  EXPECT_EQ(addresses.front(), 0x0100u);
  EXPECT_EQ(addresses.back(), 0x3FF0u);
  for (unsigned a : addresses) EXPECT_GE(a, 0x0100u);
}

TEST_F(E2E, KilledAndStunnedRadiosAreRefusedBeforeAnyFrame) {
  ASSERT_TRUE(SaveFreshConfig(dir, dir.file("config.dat")));
  const struct {
    QStringList flags;
    const char* message;
    const char* notShown;
  } cases[] = {
      {{"--killed"}, "Radio is killed,can't be written!", "fainted"},
      {{"--stunned"}, "Radio is fainted,can't be written!", "killed"},
      {{"--killed", "--stunned"}, "Radio is killed,can't be written!", "fainted"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const Memory before = RandomMemory(3);
    SimRadioProcess sim(dir, before, c.flags);
    const CliRun r = RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                                  QString::fromStdString(dir.file("config.dat"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(c.notShown), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Writing to the radio failed."), std::string::npos) << r.err;
    EXPECT_TRUE(WrittenAddresses(sim).empty());
    EXPECT_EQ(sim.MemoryNow(), before);

    // Reading such a radio is allowed.
    SimRadioProcess again(dir, before, c.flags);
    const CliRun read = RunCli(dir, {"read", "--port", QString::fromStdString(again.device), "-o",
                                     QString::fromStdString(dir.file("k.dat"))});
    EXPECT_EQ(read.status, 0) << read.err;
  }
}

TEST_F(E2E, WrongModelOrVersionFails) {
  const struct {
    QStringList flags;
    const char* verb;
    const char* message;
    const char* failure;
  } cases[] = {
      {{"--model", "RB-5200"}, "read", "Model type is wrong. Overwrite?", "Reading from the radio failed."},
      {{"--version", "V101"}, "read", "Version is wrong. Overwrite?", "Reading from the radio failed."},
      {{"--version", "V101"},
       "read-info",
       "Version is wrong. Overwrite?",
       "Reading the radio information failed."},
      {{"--model", "RB-51"},
       "read-info",
       "Model type is wrong. Overwrite?",
       "Reading the radio information failed."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    SimRadioProcess sim(dir, RandomMemory(4), c.flags);
    QStringList args = {c.verb, "--port", QString::fromStdString(sim.device)};
    if (QString(c.verb) == "read") args << "-o" << QString::fromStdString(dir.file("never.dat"));
    const CliRun r = RunCli(dir, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(c.failure), std::string::npos) << r.err;
    EXPECT_TRUE(dir.Read("never.dat").empty());
    EXPECT_TRUE(r.out.empty());
  }
}

TEST_F(E2E, PasswordIsAskedForAndChecked) {
  const struct {
    QStringList password;  // kt740-cli's --password
    int status;
    const char* says;
  } cases[] = {
      {{}, 1, "give it with --password"},
      {{"--password", "AB12"}, 1, "the programming password is wrong"},
      {{"--password", "ab1"}, 1, "the programming password is wrong"},
      {{"--password", "ab12"}, 0, "asks for its programming password"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.says);
    SimRadioProcess sim(dir, RandomMemory(5), {"--password", "ab12"});
    QStringList args = {"read", "--port", QString::fromStdString(sim.device), "-o",
                        QString::fromStdString(dir.file("pw.dat"))};
    args << c.password;
    const CliRun r = RunCli(dir, args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    if (c.status != 0) {
      EXPECT_NE(r.err.find("Reading from the radio failed."), std::string::npos);
    }
  }
  // No password on the radio: nothing is asked.
  SimRadioProcess open(dir, RandomMemory(5), {});
  const CliRun r = RunCli(dir, {"read-info", "--port", QString::fromStdString(open.device)});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err.find("password"), std::string::npos) << r.err;
}

TEST_F(E2E, ReadInfoPrintsTheInformationFields) {
  Memory m = RandomMemory(6);
  auto put = [&m](std::size_t at, std::size_t len, const std::string& text) {
    for (std::size_t i = 0; i < len; ++i) m[at + i] = i < text.size() ? static_cast<uint8_t>(text[i]) : 0;
  };
  put(0x19, 4, "0595");
  put(0x20, 16, "2024051700000042");
  put(0x30, 16, "2024-05-17");
  put(0x40, 8, "05-1-E-1");
  put(0x48, 4, "001A");
  put(0x50, 16, "");
  put(0x60, 16, "D-77");
  put(0x70, 16, "2024-06-01");
  put(0x80, 16, "2024-06-02");
  put(0x90, 16, "ABC  ");
  put(0xA0, 96, "battery contacts cleaned");
  SimRadioProcess sim(dir, m, {});
  const CliRun r = RunCli(dir, {"read-info", "--port", QString::fromStdString(sim.device)});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Area Code: 0595\n"
            "Manufacture Code: 05-1-E-1\n"
            "User Code: 001A\n"
            "Radio Type: KT-740\n"
            "Serial Number: 2024051700000042\n"
            "Producted Date: 2024-05-17\n"
            "Maintained Date: \n"
            "Version: V1.00\n"
            "Maintained Description: battery contacts cleaned\n"
            "Dealer Code: D-77\n"
            "Stock Date: 2024-06-01\n"
            "Sell Date: 2024-06-02\n"
            "Seller: ABC\n");
  EXPECT_EQ(r.err.find('%'), std::string::npos);  // no progress for the information read
  EXPECT_TRUE(WrittenAddresses(sim).empty());
}

TEST_F(E2E, ARadioWithoutAMemoryFileStartsAsItLeftTheFactory) {
  SimRadioProcess sim(dir, std::nullopt, {});
  const CliRun info = RunCli(dir, {"read-info", "--port", QString::fromStdString(sim.device)});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Serial Number: 2024061200000123\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Seller: Sample Radio Co\n"), std::string::npos) << info.out;

  const CliRun read = RunCli(dir, {"read", "--port", QString::fromStdString(sim.device), "-o",
                                   QString::fromStdString(dir.file("f.dat"))});
  ASSERT_EQ(read.status, 0) << read.err;
  const CliRun shown = RunCli(dir, {"show", QString::fromStdString(dir.file("f.dat"))});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out.rfind("Rx(136 - 174 MHz) Tx(136 - 174 MHz)\n", 0), 0u) << shown.out;
  EXPECT_NE(shown.out.find("\n16   173.22500"), std::string::npos) << shown.out;  // the last factory channel
  sim.Stop();
  EXPECT_EQ(dir.Read("radio.bin").size(), 0x4000u);  // kept from now on
}

TEST_F(E2E, BlankRadioIsErased) {
  SimRadioProcess sim(dir, std::nullopt, {"--blank"});
  const CliRun read = RunCli(
      dir, {"read", "--port", QString::fromStdString(sim.device), "-o",
            QString::fromStdString(dir.file("b.dat")), "--image", QString::fromStdString(dir.file("b.bin"))});
  ASSERT_EQ(read.status, 0) << read.err;
  const Memory image = FromBytes(dir.Read("b.bin"));
  for (std::size_t a = 0x10; a < 0x4000; ++a) ASSERT_EQ(image[a], 0xFF) << a;
}

TEST_F(E2E, PortsAndUsage) {
  EXPECT_EQ(RunCli(dir, {"ports"}).status, 0);
  EXPECT_EQ(RunCli(dir, {"read", "-o", "x.dat"}).status, 2);  // no --port
  EXPECT_EQ(
      RunCli(dir, {"read", "--port", "/dev/null-kt740", "-o", QString::fromStdString(dir.file("x.dat"))})
          .status,
      1);
  EXPECT_EQ(RunCli(dir, {"write", "--port", "9999", "missing.dat"}).status, 1);
}

}  // namespace
}  // namespace kt740::test
