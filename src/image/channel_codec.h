// The channel block: channels 1..200, "PA", "PB", "VFO", their maps and the band limits.
//
//   0x0100-0x0119  empty map, one bit per entry 0..201 (1 = empty); "VFO" has no bit
//   0x0120-0x0139  scan-skip map, same bits (1 = skipped)
//   0x0200-0x020F  band limits RX low, RX high, TX low, TX high: 4 bytes BCD, 100 Hz units
//   0x0260 "PB", 0x0280 "PA", 0x02C0 "VFO", 0x2000 + 32 x (Number - 1) channels 1..200
//   0x0600 + 5 x (Number - 1)  PTT-ID code of channels 1..200, one hexadecimal digit a byte
//
// SetCommDataByFrequency (image/codecs.h) wraps the encoder below with its trap.
#pragma once

#include <cstddef>

#include "image/channel_record.h"
#include "image/memory_image.h"
#include "image/settings_record.h"

namespace kt740 {

constexpr std::size_t kChannelEmptyMap = 0x0100;
constexpr std::size_t kChannelSkipMap = 0x0120;
constexpr std::size_t kBandLimitsAddress = 0x0200;
constexpr std::size_t kPttIdCodesAddress = 0x0600;
constexpr std::size_t kChannelEntrySize = 32;

// Image address of the 32-byte entry of channel `number` (1..203).
std::size_t ChannelEntryAddress(int number);

// Writes the band limits and every channel into an image that ClearImage has prepared.
// Throws CodecFailure on a value the layout cannot hold. Recomputes Tone1DcsHigh and
// Tone2DcsHigh of the records, as the radio's layout derives them.
void EncodeChannelBlock(ChannelList& channels, const BandLimits& bands, MemoryImage& image);

// Rebuilds the band limits and the list (in Number order) from the image; never fails.
// PTT-ID bytes above 0x0F are set to 0 in the image itself.
void DecodeChannelBlock(MemoryImage& image, BandLimits& bands, ChannelList& channels);

}  // namespace kt740
