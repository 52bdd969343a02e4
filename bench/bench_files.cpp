// Save and open of a full configuration: 203 channels and a full communication book.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "core/notifier.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"

namespace kt740 {
namespace {

class Folder {
 public:
  Folder()
      : path_(std::filesystem::temp_directory_path() /
              ("kt740-bench-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
  }
  ~Folder() { std::filesystem::remove_all(path_); }
  std::string file(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

ProgramState FullConfiguration() {
  ProgramState state;
  ChannelList& list = state.current.channels;
  for (int i = 0; i < kChannelSlots; ++i) {
    ChannelRecord& r = list.records[static_cast<std::size_t>(i)];
    r.Number = static_cast<int16_t>(i + 1);
    r.InUse = 1;
    r.RxFreq = FixedText<9>::From("0" + std::to_string(14500000 + 2500 * i));
    r.Offset = FixedText<9>::From("000600000");
    r.Name = NulTerminatedText<7>("CH" + std::to_string(i + 1));
    r.PttIdCode = FixedText<5>::From("12345");
  }
  list.ChannelCount = kChannelSlots;
  for (int a = 0; a < kCommuBookEntries; ++a) {
    CommuBookEntry& e = state.current.settings.Book.entries[static_cast<std::size_t>(a)];
    e.CallCode = FixedText<5>::From(std::to_string(10000 + a));
    e.CallName = FixedText<7>::From("NAME" + std::to_string(100 + a));
  }
  return state;
}

// Argument 0: the new files are flushed to the device (the default); 1: handed to the system.
void BM_SaveDataFile(benchmark::State& bench) {
  Folder folder;
  ProgramState state = FullConfiguration();
  SilentNotifier notifier;
  const std::string path = folder.file("full.dat");
  FileOps& ops = DiskFileOps(bench.range(0) == 0 ? DiskSync::ToDisk : DiskSync::ToSystem);
  for (auto _ : bench) {
    if (!SaveDataFile(state, notifier, path, ops)) bench.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveDataFile)->ArgName("toSystem")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_OpenDataFile(benchmark::State& bench) {
  Folder folder;
  ProgramState saved = FullConfiguration();
  SilentNotifier notifier;
  const std::string path = folder.file("full.dat");
  SaveDataFile(saved, notifier, path);
  ProgramState state;
  for (auto _ : bench) {
    if (!OpenDataFile(state, notifier, path)) bench.SkipWithError("open failed");
  }
  if (state.current.channels.ChannelCount != kChannelSlots || IsModified(state))
    bench.SkipWithError("open lost channels");
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kt740
