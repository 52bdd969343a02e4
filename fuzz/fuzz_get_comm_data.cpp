// Decode-all on any 16384-byte image (shorter inputs are zero-padded, longer ones cut), then
// encode-all of what was decoded. Decoders never fail; the encoders either succeed silently or
// fail with exactly one message and CommDataOK cleared.
// Run with -max_len=16384 (or a corpus of full images): libFuzzer's default of 4096 bytes would
// leave the channel area and the 5-Tone calls zero.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/notifier.h"
#include "image/memory_image.h"
#include "program/comm_data.h"
#include "program/program_state.h"

namespace {

class CountingNotifier : public kt740::Notifier {
 public:
  void Message(const std::string& text, kt740::Icon) override {
    ++messages;
    last = text;
  }
  kt740::Answer Ask(const std::string&, kt740::Buttons, kt740::Icon) override {
    ++questions;
    return kt740::Answer::Cancel;
  }
  int messages = 0;
  int questions = 0;
  std::string last;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  auto state = std::make_unique<kt740::ProgramState>();
  std::copy_n(data, std::min(size, kt740::kImageSize), state->image.bytes.begin());
  kt740::GetCommData(*state);

  CountingNotifier notifier;
  kt740::ClearImage(state->image);
  state->CommDataOK = true;
  kt740::SetCommData(*state, notifier);
  Check(notifier.questions == 0);
  Check(state->CommDataOK ? notifier.messages == 0 : notifier.messages == 1);
  Check(state->CommDataOK || notifier.last.ends_with("Error"));
  return 0;
}
