#include "sim_radio.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string_view>

namespace kt740::sim {
namespace {

constexpr std::string_view kProgram = "PROGRAM";
constexpr std::string_view kEnd = "END";
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kReject = 0x0A;

uint8_t Sum(uint8_t ah, uint8_t al, uint8_t len, std::span<const uint8_t> data) {
  unsigned s = ah + al + len;
  for (uint8_t b : data) s += b;
  return static_cast<uint8_t>(s);
}

Bytes Frame(uint16_t address, std::span<const uint8_t> data) {
  const auto ah = static_cast<uint8_t>(address >> 8);
  const auto al = static_cast<uint8_t>(address);
  const auto len = static_cast<uint8_t>(data.size());
  Bytes f = {'W', ah, al, len};
  for (uint8_t b : data) f.push_back(b);
  f.push_back(Sum(ah, al, len, data));
  f.push_back(kAck);
  return f;
}

std::string Hex4(unsigned v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFF);
  return buf;
}

bool IsPrefixOf(const Bytes& pending, std::string_view word) {
  if (pending.size() > word.size()) return false;
  for (std::size_t i = 0; i < pending.size(); ++i) {
    if (pending[i] != static_cast<uint8_t>(word[i])) return false;
  }
  return true;
}

}  // namespace

bool ParseFaults(const std::string& list, unsigned& faults) {
  faults = 0;
  std::stringstream ss(list);
  std::string name;
  while (std::getline(ss, name, ',')) {
    if (name == "drop")
      faults |= kFaultDrop;
    else if (name == "truncate")
      faults |= kFaultTruncate;
    else if (name == "checksum")
      faults |= kFaultChecksum;
    else if (name == "address")
      faults |= kFaultAddress;
    else if (name == "reject")
      faults |= kFaultReject;
    else if (name == "all")
      faults |= kFaultDrop | kFaultTruncate | kFaultChecksum | kFaultAddress | kFaultReject;
    else if (!name.empty())
      return false;
  }
  return true;
}

SimRadio::SimRadio(SimOptions options) : options_(std::move(options)), rng_(options_.seed) {
  memory.fill(0xFF);
}

void SimRadio::SetPassword(const std::string& password) {
  for (std::size_t i = 0; i < 4; ++i)
    memory[0x004C + i] = i < password.size() ? static_cast<uint8_t>(password[i]) : 0xFF;
}

void SimRadio::Log(const std::string& line) const {
  if (onLog) onLog(line);
}

Bytes SimRadio::Receive(std::span<const uint8_t> bytes) {
  Bytes out;
  for (uint8_t b : bytes) {
    const Bytes part = Receive(b);
    out.insert(out.end(), part.begin(), part.end());
  }
  return out;
}

Bytes SimRadio::Receive(uint8_t byte) {
  Bytes out{byte};  // the cable echoes whatever the radio does
  if (pending_.empty()) {
    // Only the first byte of a command starts one; anything else is line noise.
    if (byte != 'P' && byte != 'E' && byte != 0x02 && byte != 'R' && byte != 'W') return out;
  }
  pending_.push_back(byte);
  bool complete = false;
  switch (pending_[0]) {
    case 'P':
      if (!IsPrefixOf(pending_, kProgram)) pending_.clear();
      complete = pending_.size() == kProgram.size();
      break;
    case 'E':
      if (!IsPrefixOf(pending_, kEnd)) pending_.clear();
      complete = pending_.size() == kEnd.size();
      break;
    case 0x02:
      complete = true;
      break;
    case 'R':
      complete = pending_.size() == 4;
      break;
    case 'W':
      complete = pending_.size() >= 4 && pending_.size() == std::size_t{pending_[3]} + 6;
      break;
    default:
      pending_.clear();
      break;
  }
  if (!complete) return out;
  const Bytes reply = Execute();
  pending_.clear();
  out.insert(out.end(), reply.begin(), reply.end());
  return out;
}

bool SimRadio::StallsAt(uint16_t address) {
  if (options_.stallAt >= 0 && address >= options_.stallAt && !stalled_) {
    stalled_ = true;
    Log("stall " + Hex4(address));
  }
  return stalled_;
}

Bytes SimRadio::Execute() {
  const Bytes& c = pending_;
  if (stalled_) return {};
  if (c[0] == 'P') {
    Log("PROGRAM");
    programming_ = true;
    return Faulted({'J', 'R', kAck}, false, false, 0);
  }
  if (c[0] == 'E') {
    // END is answered in either mode, so a PC whose first END's answer was lost can end again.
    Log("END");
    const bool wasProgramming = programming_;
    programming_ = false;
    if (wasProgramming) {
      ++stats_.sessions;
      if (onEnd) onEnd();
    }
    if (options_.silentAfterEnd) return {};
    return Faulted({kAck}, false, false, 0);
  }
  // Outside programming mode the radio listens for PROGRAM and END only.
  if (!programming_) return {};
  switch (c[0]) {
    case 0x02:
      Log("IDENTIFY");
      return Faulted(Identify(), false, false, 0);
    case 'R': {
      const auto address = static_cast<uint16_t>(c[1] << 8 | c[2]);
      Log("R " + Hex4(address));
      if (StallsAt(address)) return {};
      return ReadBlock(address, c[3]);
    }
    case 'W':
      return WriteBlock();
    default:
      return {};
  }
}

Bytes SimRadio::Identify() const {
  Bytes r(16, 0xFF);
  r[0] = 'I';
  for (std::size_t i = 0; i < 7 && i < options_.model.size(); ++i)
    r[1 + i] = static_cast<uint8_t>(options_.model[i]);
  r[8] = options_.modelCode;
  for (std::size_t i = 0; i < 4 && i < options_.version.size(); ++i)
    r[9 + i] = static_cast<uint8_t>(options_.version[i]);
  r[13] = options_.featureBit ? 0x10 : 0x00;
  r[14] = static_cast<uint8_t>((options_.killed ? 1 : 0) | (options_.stunned ? 2 : 0));
  r[15] = kAck;
  return r;
}

Bytes SimRadio::ReadBlock(uint16_t address, uint8_t len) {
  if (std::size_t{address} + len > kMemorySize) return {};
  return Faulted(Frame(address, std::span(memory).subspan(address, len)), true, false, address);
}

Bytes SimRadio::WriteBlock() {
  const Bytes& c = pending_;
  const auto address = static_cast<uint16_t>(c[1] << 8 | c[2]);
  const uint8_t len = c[3];
  const auto data = std::span(c).subspan(4, len);
  if (c[4 + len] != Sum(c[1], c[2], len, data) || c.back() != kAck ||
      std::size_t{address} + len > kMemorySize) {
    Log("W " + Hex4(address) + " bad");
    ++stats_.rejections;
    return {kReject};
  }
  if (StallsAt(address)) {
    Log("W " + Hex4(address) + " ignored");
    return {};
  }
  Bytes reply = Faulted({kAck}, false, true, address);
  if (reply.size() == 1 && reply[0] == kReject) {
    Log("W " + Hex4(address) + " rejected");
    ++stats_.rejections;
    return reply;
  }
  std::ranges::copy(data, memory.begin() + address);
  const long corrupt = options_.corruptAcceptedWrite;
  if (corrupt >= address && corrupt < long{address} + len) {
    // Acknowledged as usual, yet one byte is kept wrong: only reading it back can tell.
    memory[static_cast<std::size_t>(corrupt)] ^= 0xFF;
    Log("corrupt " + Hex4(static_cast<unsigned>(corrupt)));
  }
  ++stats_.framesWritten;
  if (stats_.lowestWriteAddress < 0 || address < stats_.lowestWriteAddress)
    stats_.lowestWriteAddress = address;
  Log("W " + Hex4(address));
  return reply;
}

Bytes SimRadio::Faulted(Bytes reply, bool dataReply, bool writeReply, uint16_t address) {
  if (options_.faults == 0 || options_.faultRate <= 0) return reply;
  const double draw = static_cast<double>(rng_()) / 4294967296.0;
  if (draw >= options_.faultRate) return reply;
  std::vector<unsigned> kinds;
  for (unsigned kind : {kFaultDrop, kFaultTruncate, kFaultChecksum, kFaultAddress, kFaultReject}) {
    if (!(options_.faults & kind)) continue;
    if ((kind == kFaultChecksum || kind == kFaultAddress) && !dataReply) continue;
    if (kind == kFaultReject && !writeReply) continue;
    kinds.push_back(kind);
  }
  if (kinds.empty()) return reply;
  const unsigned kind = kinds[rng_() % kinds.size()];
  ++stats_.faultsInjected;
  switch (kind) {
    case kFaultDrop:
      Log("fault drop");
      return {};
    case kFaultTruncate:
      Log("fault truncate");
      reply.resize(reply.size() > 1 ? rng_() % (reply.size() - 1) + 1 : 0);
      return reply;
    case kFaultChecksum: {
      // One data byte changes on the way and the checksum no longer fits it, so a PC that took
      // the frame would hold a wrong byte.
      Log("fault checksum");
      const std::size_t dataBytes = reply.size() - 6;
      if (dataBytes == 0) {
        reply[reply.size() - 2] ^= 0x5A;
      } else {
        reply[4 + rng_() % dataBytes] ^= 0x5A;
      }
      return reply;
    }
    case kFaultAddress: {
      // The frame of another block, consistent in itself: only its address tells it apart.
      Log("fault address");
      const std::size_t len = reply.size() - 6;
      const std::size_t other = address + 2 * len <= kMemorySize ? address + len : address - len;
      return Frame(static_cast<uint16_t>(other), std::span(memory).subspan(other, len));
    }
    case kFaultReject:
      Log("fault reject");
      return {kReject};
    default:
      return reply;
  }
}

}  // namespace kt740::sim
