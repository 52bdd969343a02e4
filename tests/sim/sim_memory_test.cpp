// What the simulated radio starts with: its memory file, else the factory image, else (--blank)
// the erased memory; and the options that choose it.
#include "sim_memory.h"

#include <gtest/gtest.h>

#include <vector>

#include "sim_options.h"
#include "support/temp_dir.h"

namespace kt740::sim {
namespace {

bool Parse(std::vector<std::string> args, SimCommandLine& cmd, std::string& error) {
  args.insert(args.begin(), "kt740-radio-sim");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  return ParseSimCommandLine(static_cast<int>(argv.size()), argv.data(), cmd, error);
}

TEST(SimMemory, StartsFromTheMemoryFileElseTheFactoryImageElseErased) {
  test::TempDir dir;
  dir.Write("factory.img", std::string(kMemorySize, '\x11'));
  dir.Write("radio.bin", std::string(kMemorySize, '\x22'));
  dir.Write("short.img", std::string(kMemorySize - 1, '\x33'));
  const struct {
    const char* name;
    std::string memoryFile;
    std::string factoryImage;
    bool blank;
    bool ok;
    uint8_t every;  // each byte of the memory when ok
  } cases[] = {
      {"memory file", dir.file("radio.bin"), dir.file("factory.img"), false, true, 0x22},
      {"memory file over --blank", dir.file("radio.bin"), dir.file("factory.img"), true, true, 0x22},
      {"no memory file yet: factory", dir.file("new.bin"), dir.file("factory.img"), false, true, 0x11},
      {"no memory file at all: factory", "", dir.file("factory.img"), false, true, 0x11},
      {"--blank", dir.file("new.bin"), dir.file("factory.img"), true, true, 0xFF},
      {"--blank without a factory image", "", dir.file("none.img"), true, true, 0xFF},
      {"factory image missing", dir.file("new.bin"), dir.file("none.img"), false, false, 0},
      {"factory image too short", "", dir.file("short.img"), false, false, 0},
      {"memory file too short", dir.file("short.img"), dir.file("factory.img"), false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimCommandLine cmd;
    cmd.memoryFile = c.memoryFile;
    cmd.factoryImage = c.factoryImage;
    cmd.blank = c.blank;
    SimRadio radio(cmd.radio);
    radio.memory.fill(0x00);
    std::string error;
    ASSERT_EQ(LoadInitialMemory(cmd, radio, error), c.ok) << error;
    if (!c.ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    for (uint8_t b : radio.memory) ASSERT_EQ(b, c.every);
  }
  SimCommandLine cmd;
  cmd.factoryImage = dir.file("none.img");
  SimRadio radio(cmd.radio);
  std::string error;
  ASSERT_FALSE(LoadInitialMemory(cmd, radio, error));
  EXPECT_NE(error.find("--blank"), std::string::npos) << error;
}

TEST(SimMemory, TheBuildNamesTheCommittedFactoryImage) {
  SimCommandLine cmd;
  std::string error;
  ASSERT_TRUE(Parse({}, cmd, error)) << error;
  EXPECT_EQ(cmd.factoryImage, DefaultFactoryImage());
  SimRadio radio(cmd.radio);
  ASSERT_TRUE(LoadInitialMemory(cmd, radio, error)) << error;
  EXPECT_EQ(radio.memory[0x0020], '2');  // the sample serial number
}

TEST(SimOptions, MemoryAndFaultOptions) {
  const struct {
    std::vector<std::string> args;
    bool ok;
  } cases[] = {
      {{"--blank"}, true},
      {{"--factory-image", "x.img"}, true},
      {{"--factory-image"}, false},
      {{"--corrupt-accepted-write", "0x0105"}, true},
      {{"--corrupt-accepted-write", "0x4000"}, false},
      {{"--corrupt-accepted-write", "-1"}, false},
      {{"--corrupt-accepted-write", "abc"}, false},
      {{"--corrupt-accepted-write"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : ""));
    SimCommandLine cmd;
    std::string error;
    EXPECT_EQ(Parse(c.args, cmd, error), c.ok) << error;
  }
  SimCommandLine cmd;
  std::string error;
  ASSERT_TRUE(
      Parse({"--blank", "--factory-image", "f.img", "--corrupt-accepted-write", "0x0105"}, cmd, error));
  EXPECT_TRUE(cmd.blank);
  EXPECT_EQ(cmd.factoryImage, "f.img");
  EXPECT_EQ(cmd.radio.corruptAcceptedWrite, 0x0105);
}

}  // namespace
}  // namespace kt740::sim
