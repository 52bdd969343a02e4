// The simulated radio's side of the programming protocol, free of any I/O: bytes from the PC go
// in one at a time, the bytes the line carries back (the cable's echo, then the radio's reply)
// come out. Written apart from the PC side on purpose, so that each checks the other.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace kt740::sim {

using Bytes = std::vector<uint8_t>;

constexpr std::size_t kMemorySize = 0x4000;

enum Fault : unsigned {
  kFaultDrop = 1,      // no reply
  kFaultTruncate = 2,  // only the first part of the reply
  kFaultChecksum = 4,  // a data reply with one data byte changed, its checksum unchanged
  kFaultAddress = 8,   // the data reply of another block (its checksum right)
  kFaultReject = 16,   // a write frame answered with 0A and not stored
};

// "drop,truncate,checksum,address,reject" (or "all"); false on an unknown name.
bool ParseFaults(const std::string& list, unsigned& faults);

struct SimOptions {
  std::string model = "RB-5100";
  uint8_t modelCode = '7';
  std::string version = "V100";
  bool killed = false;
  bool stunned = false;
  bool featureBit = false;  // flags A bit 4

  uint32_t seed = 1;
  double faultRate = 0;  // chance of a fault on each reply
  unsigned faults = 0;
  long stallAt = -1;  // from the first block command at or above this address: silence
  bool silentAfterEnd = false;
  long corruptAcceptedWrite = -1;  // this address is stored changed by every write acknowledged
};

struct SimStats {
  long framesWritten = 0;
  long lowestWriteAddress = -1;
  long rejections = 0;
  long faultsInjected = 0;
  long sessions = 0;  // END commands received
};

class SimRadio {
 public:
  explicit SimRadio(SimOptions options);

  std::array<uint8_t, kMemorySize> memory{};

  // Sets 0x004C-0x004F: the password's characters, 0xFF behind them.
  void SetPassword(const std::string& password);

  // One byte from the PC: its echo, followed by the reply when it completes a command.
  Bytes Receive(uint8_t byte);
  Bytes Receive(std::span<const uint8_t> bytes);
  // Forgets a half-received command (the radio's inter-byte time-out).
  void ResetParser() { pending_.clear(); }
  bool HasPartialCommand() const { return !pending_.empty(); }

  bool Programming() const { return programming_; }
  bool Stalled() const { return stalled_; }
  const SimStats& Stats() const { return stats_; }

  std::function<void()> onEnd;                    // after END: save the memory
  std::function<void(const std::string&)> onLog;  // one line per command and fault

 private:
  Bytes Execute();
  Bytes Identify() const;
  Bytes ReadBlock(uint16_t address, uint8_t len);
  Bytes WriteBlock();
  Bytes Faulted(Bytes reply, bool dataReply, bool writeReply, uint16_t address);
  bool StallsAt(uint16_t address);
  void Log(const std::string& line) const;

  SimOptions options_;
  SimStats stats_;
  Bytes pending_;
  bool programming_ = false;
  bool stalled_ = false;
  std::mt19937 rng_;
};

}  // namespace kt740::sim
