// The data file and its channel file: the input's first 8667 bytes are the data file, the
// rest the channel file. Whatever loads must save back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/notifier.h"
#include "files/file_format.h"
#include "memory_file_ops.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kt740;
  const std::string in(reinterpret_cast<const char*>(data), size);
  const std::string dat = in.substr(0, std::min(size, kDataFileSize));
  const std::string fre = size > kDataFileSize ? in.substr(kDataFileSize) : std::string();

  fuzz::MemoryFileOps ops;
  ops.files["in.dat"] = dat;
  if (size > kDataFileSize) ops.files["in.fre"] = fre;

  SilentNotifier notifier;
  ProgramState state;
  if (!OpenDataFile(state, notifier, "in.dat", ops)) return 0;
  if (IsModified(state)) std::abort();

  if (!SaveDataFile(state, notifier, "out.dat", ops)) std::abort();
  // The program's model code, and the count of the records the channel file really held.
  const auto records = static_cast<std::size_t>(state.snapshot.channels.ChannelCount);
  std::string expectDat = dat;
  expectDat.replace(0, 2, std::string("\x07\x00", 2));
  expectDat.replace(6872, 2, {static_cast<char>(records & 0xFF), static_cast<char>(records >> 8)});
  if (ops.files["out.dat"] != expectDat) std::abort();
  if (ops.files["out.fre"] != fre.substr(0, records * kChannelFileRecordSize)) std::abort();
  return 0;
}
