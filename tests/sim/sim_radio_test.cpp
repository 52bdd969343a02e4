// The simulator's faults damage what a reply carries, so that a PC that accepted the damaged
// reply would hold wrong bytes; an accepted write can be stored wrong on purpose.
#include "sim_radio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace kt740::sim {
namespace {

Bytes Command(std::initializer_list<uint8_t> bytes) {
  return Bytes(bytes);
}

Bytes WriteFrame(uint16_t address, const Bytes& data) {
  Bytes f(data.size() + 6);
  f[0] = 'W';
  f[1] = static_cast<uint8_t>(address >> 8);
  f[2] = static_cast<uint8_t>(address);
  f[3] = static_cast<uint8_t>(data.size());
  std::copy(data.begin(), data.end(), f.begin() + 4);
  f[f.size() - 2] = static_cast<uint8_t>(std::accumulate(f.begin() + 1, f.end() - 2, 0u));
  f.back() = 0x06;
  return f;
}

bool ChecksumFits(const Bytes& frame) {
  const unsigned sum = std::accumulate(frame.begin() + 1, frame.end() - 2, 0u);
  return frame[frame.size() - 2] == static_cast<uint8_t>(sum);
}

// A radio in programming mode whose memory byte at a is the low byte of a * 7.
SimRadio Programmed(SimOptions options) {
  SimRadio radio(std::move(options));
  for (std::size_t a = 0; a < kMemorySize; ++a) radio.memory[a] = static_cast<uint8_t>(a * 7);
  const Bytes program = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
  radio.Receive(program);
  return radio;
}

// The reply to a read of 16 bytes at `address`, without the echo.
Bytes ReadReply(SimRadio& radio, uint16_t address) {
  const Bytes command = Command({'R', static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address), 16});
  const Bytes out = radio.Receive(command);
  return Bytes(out.begin() + 4, out.end());
}

TEST(SimFaults, DamagedRepliesCarryWrongBytes) {
  const struct {
    const char* name;
    unsigned fault;
    uint16_t address;
  } cases[] = {
      {"checksum", kFaultChecksum, 0x0120},
      {"checksum, last block", kFaultChecksum, 0x3FF0},
      {"address", kFaultAddress, 0x0120},
      {"address, last block", kFaultAddress, 0x3FF0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimOptions options;
    options.faults = c.fault;
    options.faultRate = 1;
    SimRadio radio = Programmed(options);
    const Bytes reply = ReadReply(radio, c.address);
    ASSERT_EQ(reply.size(), 22u);
    const Bytes data(reply.begin() + 4, reply.end() - 2);
    const Bytes right(radio.memory.begin() + c.address, radio.memory.begin() + c.address + 16);
    EXPECT_NE(data, right);
    const uint16_t named = static_cast<uint16_t>(reply[1] << 8 | reply[2]);
    if (c.fault == kFaultChecksum) {
      EXPECT_EQ(named, c.address);
      EXPECT_FALSE(ChecksumFits(reply));
      int changed = 0;
      for (std::size_t i = 0; i < 16; ++i) changed += data[i] != right[i];
      EXPECT_EQ(changed, 1);
    } else {
      // Another block's frame, right in itself.
      EXPECT_NE(named, c.address);
      EXPECT_TRUE(ChecksumFits(reply));
      EXPECT_EQ(data, Bytes(radio.memory.begin() + named, radio.memory.begin() + named + 16));
    }
  }
}

TEST(SimFaults, CorruptAcceptedWriteAcknowledgesAndStoresOneWrongByte) {
  SimOptions options;
  options.corruptAcceptedWrite = 0x0205;
  SimRadio radio = Programmed(options);
  const Bytes data(16, 0x3C);
  for (const uint16_t address : {uint16_t{0x0200}, uint16_t{0x0210}}) {
    const Bytes frame = WriteFrame(address, data);
    const Bytes out = radio.Receive(frame);
    EXPECT_EQ(Bytes(out.begin() + static_cast<long>(frame.size()), out.end()), Bytes{0x06});
  }
  for (std::size_t a = 0x0200; a < 0x0220; ++a) EXPECT_EQ(radio.memory[a], a == 0x0205 ? 0xC3 : 0x3C) << a;
  EXPECT_EQ(radio.Stats().framesWritten, 2);
}

}  // namespace
}  // namespace kt740::sim
