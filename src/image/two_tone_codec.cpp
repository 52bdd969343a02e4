// The 2-Tone block: header at 0x0300, in-use map at 0x0380, decode table at 0x0B00 (32 slots of
// 16 bytes). Values are little-endian except the tones A..D, which the radio keeps big-endian.
//
// Header                         Decode-table slot
//   0x0300 own tone 1 x 10 (LE)    +0  tone 1 divisor (LE)
//   0x0302 own tone 2 x 10 (LE)    +2  tone 2 divisor (LE)
//   0x0304 own divisor 1 (LE)      +4  tone 1 x 10 (LE)
//   0x0306 own divisor 2 (LE)      +6  tone 2 x 10 (LE)
//   0x0308 ChoiceSetting           +8  name, 7 bytes, space-filled; empty = seven 0x00
//   0x0309 ListSetting0..3, 4     +15  untouched
//   0x030E SideTone
//   0x030F OwnCallPattern
//   0x0310 tones A..D x 10 (BE)
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "image/codecs.h"
#include "image/encodings.h"
#include "image/run_encoder.h"
#include "image/text_bytes.h"

namespace kt740 {
namespace {

constexpr std::size_t kHeader = 0x0300;
constexpr std::size_t kInUseMap = 0x0380;
constexpr std::size_t kTable = 0x0B00;
constexpr std::size_t kSlotSize = 16;
constexpr std::size_t kNameOffset = 8;
constexpr std::size_t kNameSize = 7;
constexpr uint8_t kLastPattern = 14;

// The header bytes that are plain copies, in address order from 0x0300 to 0x030F.
template <typename Settings>
auto HeaderBytes(Settings& s) {
  return std::array{
      &s.OwnTone1FreqLow,    &s.OwnTone1FreqHigh,    &s.OwnTone2FreqLow,    &s.OwnTone2FreqHigh,
      &s.OwnTone1DivisorLow, &s.OwnTone1DivisorHigh, &s.OwnTone2DivisorLow, &s.OwnTone2DivisorHigh,
      &s.ChoiceSetting,      &s.ListSetting0,        &s.ListSetting1,       &s.ListSetting2,
      &s.ListSetting3,       &s.ListSetting4,        &s.SideTone,           &s.OwnCallPattern};
}

template <typename Settings>
auto Tones(Settings& s) {
  return std::array{&s.ToneA, &s.ToneB, &s.ToneC, &s.ToneD};
}

// The eight tone bytes of a slot, in slot order.
template <typename Entry>
auto SlotBytes(Entry& e) {
  return std::array{&e.Tone1DivisorLow, &e.Tone1DivisorHigh, &e.Tone2DivisorLow, &e.Tone2DivisorHigh,
                    &e.Tone1FreqLow,    &e.Tone1FreqHigh,    &e.Tone2FreqLow,    &e.Tone2FreqHigh};
}

}  // namespace

bool SetCommDataBy2Tone(const TwoToneSettings& s, MemoryImage& image, Notifier& notifier) {
  return RunEncoder(notifier, "SetCommDataBy2Tone", [&] {
    const auto header = HeaderBytes(s);
    for (std::size_t i = 0; i < header.size(); ++i) image[kHeader + i] = *header[i];
    const auto tones = Tones(s);
    for (std::size_t i = 0; i < tones.size(); ++i) {
      image[0x0310 + 2 * i] = static_cast<uint8_t>(*tones[i] >> 8);
      image[0x0311 + 2 * i] = static_cast<uint8_t>(*tones[i] & 0xFF);
    }
    for (std::size_t n = 0; n < s.Entries.size(); ++n) {
      const TwoToneEntry& e = s.Entries[n];
      SetMapBit(image, kInUseMap, static_cast<int>(n), e.EmptyFlag != 0);
      const std::size_t slot = kTable + kSlotSize * n;
      const auto bytes = SlotBytes(e);
      for (std::size_t i = 0; i < bytes.size(); ++i) image[slot + i] = *bytes[i];
      const std::string name = e.Name.trimmed();
      WriteTextBytes(image, slot + kNameOffset, name, kNameSize, name.empty() ? 0x00 : 0x20);
    }
  });
}

void GetCommDataBy2Tone(const MemoryImage& image, TwoToneSettings& twoTone) {
  TwoToneSettings s = twoTone;
  const auto header = HeaderBytes(s);
  for (std::size_t i = 0; i < header.size(); ++i) *header[i] = image[kHeader + i];
  if (s.OwnCallPattern > kLastPattern) s.OwnCallPattern = 0;
  const auto tones = Tones(s);
  for (std::size_t i = 0; i < tones.size(); ++i)
    *tones[i] = static_cast<uint16_t>(image[0x0310 + 2 * i] << 8 | image[0x0311 + 2 * i]);
  for (std::size_t n = 0; n < s.Entries.size(); ++n) {
    TwoToneEntry& e = s.Entries[n];
    e.EmptyFlag = MapBit(image, kInUseMap, static_cast<int>(n)) ? 1 : 0;
    const std::size_t slot = kTable + kSlotSize * n;
    const auto bytes = SlotBytes(e);
    for (std::size_t i = 0; i < bytes.size(); ++i) *bytes[i] = image[slot + i];
    e.Name = NulTerminatedText<kNameSize>(ReadTextBytes(image, slot + kNameOffset, kNameSize));
  }
  twoTone = s;
}

}  // namespace kt740
