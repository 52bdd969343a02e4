// The communication-book file: whatever imports must export to the same bytes (a longer file
// keeps its tail).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/notifier.h"
#include "memory_file_ops.h"
#include "program/data_files.h"
#include "program/program_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kt740;
  const std::string in(reinterpret_cast<const char*>(data), size);
  fuzz::MemoryFileOps ops;
  ops.files["in.cb"] = in;

  SilentNotifier notifier;
  ProgramState state;
  CommuBook working;
  if (!FreLoadBookFile(state, notifier, working, "in.cb", ops)) return 0;
  if (!FreSaveBookFile(state, notifier, working, "in.cb", ops)) std::abort();
  if (ops.files["in.cb"] != in) std::abort();
  return 0;
}
