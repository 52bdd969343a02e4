// 5-Tone own identity, PTT-ID codes, info codes, the 100 calls and the user-defined standard.
#pragma once

#include <array>
#include <cstdint>

#include "core/fixed_text.h"

namespace kt740 {

// Digits "0"-"9", "A"-"F"; "E" is the repeat tone.
struct FiveToneCode {
  int16_t EmptyFlag = 1;  // 0 in use, 1 empty (meaningful for the calls)
  uint8_t Spare = 0;
  uint8_t StandardIndex = 0;
  uint8_t DigitCount = 0;
  uint8_t ToneLength = 70;  // ms, 30..100 in steps of 10
  FixedText<40> Digits;
  FixedText<7> Name;

  bool operator==(const FiveToneCode&) const = default;
};

struct FiveToneInfoCode {
  uint8_t DecodeFunction = 0;
  uint8_t Response = 0;
  uint8_t DigitCount = 0;
  FixedText<12> Digits = NulTerminatedText<12>("");
  FixedText<7> Name;

  bool operator==(const FiveToneInfoCode&) const = default;
};

constexpr int kFiveToneInfoCodes = 8;
constexpr int kFiveToneCalls = 100;
constexpr int kUserStandardDigits = 16;

// Field order is the data file's order (5641 bytes).
struct FiveToneSettings {
  uint8_t HeaderByte0 = 0;
  uint8_t DecodeResponse = 0;
  uint8_t StandardIndex = 0;
  uint8_t IdLength = 0;
  uint8_t ToneLength = 70;
  FixedText<6> OwnId = NulTerminatedText<6>("");
  uint8_t ListValue5 = 0;   // Frm5Tone Combo1(5): tenths, 0.0 .. 25.0
  uint8_t ListValue4 = 20;  // Frm5Tone Combo1(4): ms / 10
  uint8_t ListValue6 = 20;  // Frm5Tone Combo1(6): ms / 10
  uint8_t ListValue7 = 10;  // Frm5Tone Combo1(7): 0 off or 5 .. 75
  int16_t FirstDigitDelay = 20;
  int16_t PauseTime = 20;
  int16_t PauseCode = 0;
  int16_t FirstCodeDelayAfterPause = 20;
  int16_t SideTone = 0;
  int16_t SpecialDigit = 13;
  std::array<FiveToneInfoCode, kFiveToneInfoCodes> InfoCodes{};
  FiveToneCode PttIdBegin;
  FiveToneCode PttIdEnd;
  std::array<FiveToneCode, kFiveToneCalls> Calls{};  // shown and referenced as 0..99
  // Hz x 10 of digits 0..F. Unsigned so that an image value of 0x8000 or more keeps its 16 bits
  // (the data file holds the same two bytes either way).
  std::array<uint16_t, kUserStandardDigits> UserStandard = {24000, 10600, 11600, 12700, 14000, 15300,
                                                            16700, 18300, 20000, 22000, 28000, 8100,
                                                            9700,  8850,  26000, 9300};

  bool operator==(const FiveToneSettings&) const = default;
};

constexpr uint8_t kDefaultDecodeTime = 2;

// Resets everything but the call and info-code names and the two PTT-ID codes.
void ResetFiveTone(FiveToneSettings& settings, uint8_t& decodeTime);

}  // namespace kt740
