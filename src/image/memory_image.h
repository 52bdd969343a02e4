// The 16384-byte mirror of the radio's memory, its region map and blank contents.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kt740 {

constexpr std::size_t kImageSize = 0x4000;

struct MemoryImage {
  std::array<uint8_t, kImageSize> bytes{};

  uint8_t& operator[](std::size_t address) { return bytes.at(address); }
  uint8_t operator[](std::size_t address) const { return bytes.at(address); }
  bool operator==(const MemoryImage&) const = default;
};

struct ImageRegion {
  uint16_t first;
  uint16_t last;  // inclusive
  uint8_t blank;
  const char* content;
};

// Where every block lives. 0x0000-0x000F is never touched (not even by ClearImage).
inline constexpr ImageRegion kImageRegions[] = {
    {0x0017, 0x0017, 0x00, "radio-information byte"},
    {0x0019, 0x001C, 0x00, "radio-information code"},
    {0x0020, 0x00FF, 0x00, "radio-information texts"},
    {0x0100, 0x0119, 0xFF, "channel empty map"},
    {0x0120, 0x0139, 0xFF, "channel skip map"},
    {0x013A, 0x013F, 0xFF, "unused"},
    {0x0140, 0x01EF, 0x00, "unused"},
    {0x01F0, 0x01FE, 0x00, "programmable keys"},
    {0x0200, 0x020F, 0x00, "band limits"},
    {0x0210, 0x0215, 0x00, "power-on password"},
    {0x0220, 0x0238, 0x00, "function options"},
    {0x0260, 0x027F, 0x00, "channel PB"},
    {0x0280, 0x029F, 0x00, "channel PA"},
    {0x02C0, 0x02DF, 0x00, "channel VFO"},
    {0x02E0, 0x02FF, 0x00, "DTMF settings"},
    {0x0300, 0x0317, 0x00, "2-Tone settings"},
    {0x0320, 0x0335, 0x00, "5-Tone settings"},
    {0x0340, 0x035F, 0x00, "DTMF PTT-ID codes"},
    {0x0360, 0x037F, 0x00, "5-Tone PTT-ID codes"},
    {0x0380, 0x0383, 0xFF, "2-Tone empty map"},
    {0x0384, 0x038F, 0xFF, "unused"},
    {0x0390, 0x039C, 0xFF, "5-Tone empty map"},
    {0x039D, 0x039F, 0xFF, "unused"},
    {0x03A0, 0x03AC, 0x00, "emergency alarm and lone worker"},
    {0x03B0, 0x03BD, 0x00, "scan settings"},
    {0x03C0, 0x03DF, 0x00, "5-Tone user-defined standard"},
    {0x03E0, 0x03E6, 0x00, "power-on message"},
    {0x0400, 0x04FF, 0x00, "DTMF code table"},
    {0x0500, 0x05FF, 0x00, "5-Tone info codes"},
    {0x0600, 0x09E7, 0x00, "per-channel PTT-ID codes"},
    {0x0B00, 0x0CFF, 0x00, "2-Tone decode entries"},
    {0x0D00, 0x197F, 0x00, "5-Tone calls"},
    {0x1980, 0x1BFF, 0x00, "communication book codes"},
    {0x1C00, 0x1FFF, 0x00, "communication book names"},
    {0x2000, 0x38FF, 0x00, "channels 1..200"},
    {0x3900, 0x3FFF, 0x00, "unused"},
};

// Writes the blank contents over 0x0010-0x3FFF.
void ClearImage(MemoryImage& image);

}  // namespace kt740
