// The command line against a faulty line: with faults injected the bytes are still exactly
// right, and when the radio stops answering the command fails, never a success with wrong data.
// A checksum or address fault carries wrong bytes, so a link that took one would show them.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace kt740::test {
namespace {

const QStringList kLineFaults = {"--faults", "drop,checksum,address,truncate", "--fault-rate", "0.05"};

TEST(E2EFaults, ReadAtFivePercentFaultsGivesExactBytes) {
  TempDir dir;
  const Memory memory = RandomMemory(11);
  SimRadioProcess sim(dir, memory,
                      QStringList(kLineFaults) << "--seed"
                                               << "21");
  const CliRun r = RunCli(
      dir, {"read", "--port", QString::fromStdString(sim.device), "-o",
            QString::fromStdString(dir.file("r.dat")), "--image", QString::fromStdString(dir.file("r.bin"))});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(sim.Log().find("fault checksum"), std::string::npos);
  EXPECT_NE(sim.Log().find("fault address"), std::string::npos);
  const Memory image = FromBytes(dir.Read("r.bin"));
  for (std::size_t a = 0x10; a < 0x4000; ++a) ASSERT_EQ(image[a], memory[a]) << a;
}

TEST(E2EFaults, WriteAtFivePercentFaultsGivesExactBytes) {
  TempDir dir;
  ASSERT_TRUE(SaveFreshConfig(dir, dir.file("c.dat")));
  // The same write once on a clean line and once on a faulty one must leave the same memory.
  const Memory before = RandomMemory(13);
  Memory clean{};
  {
    TempDir cleanDir;
    SimRadioProcess sim(cleanDir, before, {});
    const CliRun r = RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                                  QString::fromStdString(dir.file("c.dat"))});
    ASSERT_EQ(r.status, 0) << r.err;
    clean = sim.MemoryNow();
  }
  SimRadioProcess sim(dir, before,
                      QStringList(kLineFaults) << "--seed"
                                               << "22");
  const CliRun r = RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                                QString::fromStdString(dir.file("c.dat"))});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(sim.Log().find("fault"), std::string::npos);
  const Memory after = sim.MemoryNow();
  for (std::size_t a = 0; a < 0x4000; ++a) ASSERT_EQ(after[a], clean[a]) << a;
  for (std::size_t a = 0; a < 0x100; ++a) ASSERT_EQ(after[a], before[a]) << a;
}

TEST(E2EFaults, StalledRadioFailsWhenTheRetriesRunOut) {
  TempDir dir;
  SimRadioProcess sim(dir, RandomMemory(14), {"--stall-at", "0x1000"});
  const CliRun r = RunCli(dir, {"read", "--port", QString::fromStdString(sim.device), "-o",
                                QString::fromStdString(dir.file("s.dat")), "--retries", "1"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("[retrying]"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("[cancelled]"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Reading from the radio failed."), std::string::npos) << r.err;
  EXPECT_TRUE(dir.Read("s.dat").empty());
}

TEST(E2EFaults, RadioThatRejectsEveryFrameFailsTheWrite) {
  TempDir dir;
  ASSERT_TRUE(SaveFreshConfig(dir, dir.file("c.dat")));
  const Memory before = RandomMemory(16);
  SimRadioProcess sim(dir, before, {"--faults", "reject", "--fault-rate", "1"});
  const CliRun r = RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                                QString::fromStdString(dir.file("c.dat")), "--retries", "0"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Writing to the radio failed."), std::string::npos) << r.err;
  EXPECT_EQ(sim.MemoryNow(), before);
}

// The fault that a verify after the write is there to catch: the radio acknowledges every frame
// but keeps one byte wrong, and the write alone cannot tell.
TEST(E2EFaults, CorruptedAcceptedWriteGoesUnseenByTheWriteAlone) {
  TempDir dir;
  ASSERT_TRUE(SaveFreshConfig(dir, dir.file("c.dat")));
  const Memory before = RandomMemory(18);
  Memory clean{};
  {
    TempDir cleanDir;
    SimRadioProcess sim(cleanDir, before, {});
    ASSERT_EQ(RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                           QString::fromStdString(dir.file("c.dat"))})
                  .status,
              0);
    clean = sim.MemoryNow();
  }
  SimRadioProcess sim(dir, before, {"--corrupt-accepted-write", "0x0105"});
  const CliRun r = RunCli(dir, {"write", "--port", QString::fromStdString(sim.device),
                                QString::fromStdString(dir.file("c.dat"))});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(sim.Log().find("corrupt 0105"), std::string::npos);
  const Memory after = sim.MemoryNow();
  for (std::size_t a = 0; a < 0x4000; ++a) ASSERT_EQ(after[a] != clean[a], a == 0x0105) << a;
}

TEST(E2EFaults, SilenceAfterTheFinalEndIsStillSuccess) {
  TempDir dir;
  const Memory memory = RandomMemory(17);
  SimRadioProcess sim(dir, memory, {"--silent-after-end"});
  const CliRun r = RunCli(
      dir, {"read", "--port", QString::fromStdString(sim.device), "-o",
            QString::fromStdString(dir.file("q.dat")), "--image", QString::fromStdString(dir.file("q.bin"))});
  ASSERT_EQ(r.status, 0) << r.err;
  const Memory image = FromBytes(dir.Read("q.bin"));
  for (std::size_t a = 0x10; a < 0x4000; ++a) ASSERT_EQ(image[a], memory[a]) << a;
}

}  // namespace
}  // namespace kt740::test
