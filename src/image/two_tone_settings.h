// 2-Tone own call, tones A..D and the 32 decode entries.
#pragma once

#include <array>
#include <cstdint>

#include "core/fixed_text.h"

namespace kt740 {

// Frequencies are Hz x 10; divisors are the radio's period counts (the editor computes them).
struct TwoToneEntry {
  int16_t EmptyFlag = 1;  // 0 in use, 1 empty
  uint8_t Tone1DivisorHigh = 0;
  uint8_t Tone1DivisorLow = 0;
  uint8_t Tone2DivisorHigh = 0;
  uint8_t Tone2DivisorLow = 0;
  uint8_t Tone1FreqHigh = 0;
  uint8_t Tone1FreqLow = 0;
  uint8_t Tone2FreqHigh = 0;
  uint8_t Tone2FreqLow = 0;
  FixedText<7> Name;

  bool operator==(const TwoToneEntry&) const = default;
};

constexpr int kTwoToneEntries = 32;

// Field order is the data file's order (24-byte header, then 32 entries of 17 bytes).
struct TwoToneSettings {
  uint8_t OwnTone1FreqHigh = 0;
  uint8_t OwnTone1FreqLow = 0;
  uint8_t OwnTone2FreqHigh = 0;
  uint8_t OwnTone2FreqLow = 0;
  uint8_t OwnCallPattern = 0;  // 0..14
  uint8_t OwnTone1DivisorHigh = 0;
  uint8_t OwnTone1DivisorLow = 0;
  uint8_t OwnTone2DivisorHigh = 0;
  uint8_t OwnTone2DivisorLow = 0;
  uint8_t ListSetting4 = 0;  // Frm2Tone Combo1(4): the list index
  uint8_t ChoiceSetting = 0;
  uint8_t SideTone = 0;
  uint16_t ToneA = 0;
  uint16_t ToneB = 0;
  uint16_t ToneC = 0;
  uint16_t ToneD = 0;
  uint8_t ListSetting0 = 0;                             // Frm2Tone Combo1(0): the list index + 5
  uint8_t ListSetting1 = 0;                             // Frm2Tone Combo1(1): the list index + 5
  uint8_t ListSetting2 = 0;                             // Frm2Tone Combo1(2): the list index + 5
  uint8_t ListSetting3 = 0;                             // Frm2Tone Combo1(3): the list index
  std::array<TwoToneEntry, kTwoToneEntries> Entries{};  // shown and referenced as 0..31

  bool operator==(const TwoToneSettings&) const = default;
};

// The two stages of the reset: the header first, the entries later (names are kept).
void ResetTwoToneHeader(TwoToneSettings& settings);
void ResetTwoToneEntries(TwoToneSettings& settings);

}  // namespace kt740
