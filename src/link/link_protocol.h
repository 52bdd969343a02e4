// The bytes of the programming protocol: commands, replies, the frame checksum and the
// identify reply. Shared by the PC side and the simulated radio.
//
//   PROGRAM   50 52 4F 47 52 41 4D           -> 4A 52 06 ("JR", 06)
//   Identify  02                             -> 49, model[7], code, version[4], flagsA, flagsB, 06
//   Read      52 AH AL LEN                   -> 57 AH AL LEN data[LEN] SUM 06
//   Write     57 AH AL LEN data[LEN] SUM 06  -> 06 accepted | 0A rejected
//   END       45 4E 44                       -> 06
// SUM is the low byte of AH + AL + LEN + data. The cable echoes every byte the PC sends, so each
// reply arrives behind the echo of its command.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kt740 {

using Bytes = std::vector<uint8_t>;

constexpr int kBlockSize = 16;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kReject = 0x0A;
constexpr uint8_t kIdentifyCommand = 0x02;
constexpr uint8_t kReadCommand = 'R';
constexpr uint8_t kDataFrame = 'W';
constexpr uint8_t kIdentifyMark = 'I';

constexpr std::array<uint8_t, 7> kProgramCommand = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::array<uint8_t, 3> kProgramReply = {'J', 'R', kAck};
constexpr std::array<uint8_t, 3> kEndCommand = {'E', 'N', 'D'};
constexpr std::size_t kIdentifyReplyLength = 16;
constexpr std::size_t kReadCommandLength = 4;
// A data frame (the read reply and the write command) is 'W', AH, AL, LEN, data, SUM, 06.
constexpr std::size_t DataFrameLength(std::size_t len) {
  return len + 6;
}

constexpr uint16_t kPasswordBlockAddress = 0x0040;
constexpr std::size_t kPasswordOffsetInBlock = 12;  // image 0x004C-0x004F
constexpr std::size_t kPasswordLength = 4;

uint8_t FrameChecksum(uint8_t ah, uint8_t al, uint8_t len, std::span<const uint8_t> data);

Bytes ReadBlockCommand(uint16_t address, uint8_t len);
// 'W' frame carrying `data` for `address`; used for write commands and read replies alike.
Bytes DataFrame(uint16_t address, std::span<const uint8_t> data);

// A data frame split into its parts; nothing when the framing or checksum is wrong.
struct DataFrameView {
  uint16_t address = 0;
  uint8_t len = 0;
  std::span<const uint8_t> data;
};
std::optional<DataFrameView> ParseDataFrame(std::span<const uint8_t> frame);

struct IdentifyReply {
  std::string model;        // up to 7 characters, ends at the first 00 or FF
  uint8_t modelCode = 0;    // the code character, limited to '0'..'7' (others become '0')
  std::string version;      // the four version bytes without 00 and FF
  bool featureBit = false;  // flags A bit 4
  bool killed = false;      // flags B bit 0
  bool stunned = false;     // flags B bit 1
};

// The reply's framing (16 bytes, 'I' ... 06) is the caller's test; this reads the fields.
IdentifyReply ParseIdentifyReply(std::span<const uint8_t> reply);
Bytes BuildIdentifyReply(const std::string& model, uint8_t modelCode, const std::string& version,
                         uint8_t flagsA, uint8_t flagsB);

// A model code character outside '0'..'7' (low four bits above 7, or above '7') reads as '0'.
uint8_t NormalizeModelCode(uint8_t code);

}  // namespace kt740
