// The link's seams for the receive-handler fuzzer: a manual reply timer, and a transport that
// hands the session whatever the fuzz input says while it keeps, apart from the session, the
// record of what the radio's side of the stream delivered and accepted.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/reply_timer.h"
#include "link/serial_transport.h"

namespace kt740::fuzz {

class ManualTimer : public ReplyTimer {
 public:
  void Start(int) override { active = true; }
  void Stop() override { active = false; }
  bool IsActive() const override { return active; }
  void Fire() {
    if (!active) return;
    active = false;
    RaiseTimeout();
  }
  bool active = false;
};

// What the PC last sent, as the radio's side reads it. The password request is the block
// request for 0x0040 that follows the identification (and its own resends).
enum class Command { None, Program, Identify, Password, ReadBlock, WriteBlock, End, Other };

class FuzzTransport : public SerialTransport {
 public:
  using Bytes = std::vector<uint8_t>;

  bool SetDevice(const std::string&) override { return true; }
  bool SetLineSettings(const LineSettings&) override { return true; }
  bool SetHardwareHandshake(bool) override { return true; }
  bool Open() override { return open = true; }
  void Close() override { open = false; }
  bool IsOpen() const override { return open; }
  void SetReceiveThreshold(std::size_t n) override { threshold = n; }
  void ClearBuffers() override { input.clear(); }

  bool Write(std::span<const uint8_t> bytes) override {
    last.assign(bytes.begin(), bytes.end());
    lastCommand = Classify(last);
    if (lastCommand == Command::WriteBlock)
      lowestWriteAddress = std::min(lowestWriteAddress, AddressOf(last));
    return true;
  }

  // What the session reads is what it acts on: the record is taken here.
  std::vector<uint8_t> ReadAll() override {
    std::vector<uint8_t> all(input.begin(), input.end());
    input.clear();
    Record(all);
    return all;
  }

  void Deliver(std::span<const uint8_t> bytes) {
    input.insert(input.end(), bytes.begin(), bytes.end());
    if (input.size() >= threshold) RaiseReceive();
  }

  bool open = false;
  std::size_t threshold = 0;
  std::vector<uint8_t> input;
  Bytes last;  // the last command, echoed back by the cable
  Command lastCommand = Command::None;

  // Block address -> the data of the last well-formed reply to a block request for it.
  std::map<int, Bytes> delivered;
  // Write frames the radio answered with 06, with the data they carried.
  std::map<int, Bytes> accepted;
  int lowestWriteAddress = 0x4000;

 private:
  // The frame check of the radio's side, written apart from the link's own.
  static bool WellFormedFrame(std::span<const uint8_t> f, int address, std::size_t len) {
    if (f.size() != len + 6 || f[0] != 'W' || (f[1] << 8 | f[2]) != address || f[3] != len) return false;
    unsigned sum = f[1] + f[2] + f[3];
    for (std::size_t i = 0; i < len; ++i) sum += f[4 + i];
    return f[4 + len] == static_cast<uint8_t>(sum) && f.back() == 0x06;
  }
  static int AddressOf(const Bytes& c) { return c[1] << 8 | c[2]; }

  Command Classify(const Bytes& c) {
    const auto is = [&c](std::string_view word) {
      return std::string_view(reinterpret_cast<const char*>(c.data()), c.size()) == word;
    };
    if (is("PROGRAM")) return Command::Program;
    if (is("END")) return Command::End;
    if (c.size() == 1 && c[0] == 0x02) return Command::Identify;
    if (c.size() == 4 && c[0] == 'R') {
      // The block request for 0x0040 right after an answered password request is a block.
      const bool passwordStep =
          lastCommand == Command::Identify || (lastCommand == Command::Password && !passwordAnswered_);
      if (passwordStep && AddressOf(c) == 0x0040) {
        if (lastCommand == Command::Identify) passwordAnswered_ = false;
        return Command::Password;
      }
      return Command::ReadBlock;
    }
    if (c.size() >= 6 && WellFormedFrame(c, AddressOf(c), c[3])) return Command::WriteBlock;
    return Command::Other;
  }

  void Record(const std::vector<uint8_t>& all) {
    if (all.size() < last.size()) return;
    const std::span<const uint8_t> reply = std::span(all).subspan(last.size());
    switch (lastCommand) {
      case Command::Password:
        if (WellFormedFrame(reply, 0x0040, last[3])) passwordAnswered_ = true;
        break;
      case Command::ReadBlock:
        if (WellFormedFrame(reply, AddressOf(last), last[3]))
          delivered[AddressOf(last)] = Bytes(reply.begin() + 4, reply.end() - 2);
        break;
      case Command::WriteBlock:
        if (reply.size() == 1 && reply[0] == 0x06)
          accepted[AddressOf(last)] = Bytes(last.begin() + 4, last.end() - 2);
        break;
      default:
        break;
    }
  }

  bool passwordAnswered_ = false;
};

}  // namespace kt740::fuzz
