// A cleared image, default records and a recording notifier, for the block-codec tests.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "image/memory_image.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "support/recording_notifier.h"

namespace kt740::test {

class CodecTest : public ::testing::Test {
 protected:
  CodecTest() { ClearImage(state.image); }

  SignallingSettings& sig() { return state.current.settings.Signalling; }

  std::vector<uint8_t> Bytes(std::size_t address, std::size_t count) const {
    return {state.image.bytes.begin() + static_cast<std::ptrdiff_t>(address),
            state.image.bytes.begin() + static_cast<std::ptrdiff_t>(address + count)};
  }

  void Put(std::size_t address, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) state.image[address++] = b;
  }

  void Fill(std::size_t address, std::size_t count, uint8_t value) {
    for (std::size_t i = 0; i < count; ++i) state.image[address + i] = value;
  }

  // The encoder failed the way encode-all expects: flag cleared, its own message shown once.
  void ExpectFailure(const std::string& message) const {
    EXPECT_FALSE(state.CommDataOK);
    EXPECT_EQ(notifier.Texts(), std::vector<std::string>{message});
  }

  void ExpectSuccess() const {
    EXPECT_TRUE(state.CommDataOK);
    EXPECT_TRUE(notifier.entries.empty());
  }

  ProgramState state;
  RecordingNotifier notifier;
};

using ByteList = std::vector<uint8_t>;

}  // namespace kt740::test
