#include "link/link_protocol.h"

#include <algorithm>

namespace kt740 {

uint8_t FrameChecksum(uint8_t ah, uint8_t al, uint8_t len, std::span<const uint8_t> data) {
  unsigned sum = ah + al + len;
  for (uint8_t b : data) sum += b;
  return static_cast<uint8_t>(sum & 0xFF);
}

Bytes ReadBlockCommand(uint16_t address, uint8_t len) {
  return {kReadCommand, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF), len};
}

Bytes DataFrame(uint16_t address, std::span<const uint8_t> data) {
  const auto ah = static_cast<uint8_t>(address >> 8);
  const auto al = static_cast<uint8_t>(address & 0xFF);
  const auto len = static_cast<uint8_t>(data.size());
  Bytes frame(DataFrameLength(data.size()));
  frame[0] = kDataFrame;
  frame[1] = ah;
  frame[2] = al;
  frame[3] = len;
  std::copy(data.begin(), data.end(), frame.begin() + 4);
  frame[4 + data.size()] = FrameChecksum(ah, al, len, data);
  frame[5 + data.size()] = kAck;
  return frame;
}

std::optional<DataFrameView> ParseDataFrame(std::span<const uint8_t> frame) {
  if (frame.size() < DataFrameLength(0) || frame[0] != kDataFrame) return std::nullopt;
  const uint8_t len = frame[3];
  if (frame.size() != DataFrameLength(len) || frame.back() != kAck) return std::nullopt;
  const auto data = frame.subspan(4, len);
  if (frame[4 + len] != FrameChecksum(frame[1], frame[2], len, data)) return std::nullopt;
  return DataFrameView{static_cast<uint16_t>(frame[1] << 8 | frame[2]), len, data};
}

uint8_t NormalizeModelCode(uint8_t code) {
  return ((code & 0x0F) > 7 || code > '7') ? '0' : code;
}

IdentifyReply ParseIdentifyReply(std::span<const uint8_t> reply) {
  IdentifyReply r;
  for (std::size_t i = 1; i < 8 && i < reply.size(); ++i) {
    if (reply[i] == 0x00 || reply[i] == 0xFF) break;
    r.model.push_back(static_cast<char>(reply[i]));
  }
  if (reply.size() < kIdentifyReplyLength) return r;
  r.modelCode = NormalizeModelCode(reply[8]);
  for (std::size_t i = 9; i < 13; ++i) {
    if (reply[i] != 0x00 && reply[i] != 0xFF) r.version.push_back(static_cast<char>(reply[i]));
  }
  r.featureBit = (reply[13] & 0x10) != 0;
  r.killed = (reply[14] & 0x01) != 0;
  r.stunned = (reply[14] & 0x02) != 0;
  return r;
}

Bytes BuildIdentifyReply(const std::string& model, uint8_t modelCode, const std::string& version,
                         uint8_t flagsA, uint8_t flagsB) {
  Bytes r(kIdentifyReplyLength, 0xFF);
  r[0] = kIdentifyMark;
  for (std::size_t i = 0; i < 7 && i < model.size(); ++i) r[1 + i] = static_cast<uint8_t>(model[i]);
  r[8] = modelCode;
  for (std::size_t i = 0; i < 4 && i < version.size(); ++i) r[9 + i] = static_cast<uint8_t>(version[i]);
  r[13] = flagsA;
  r[14] = flagsB;
  r[15] = kAck;
  return r;
}

}  // namespace kt740
