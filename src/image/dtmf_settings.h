// DTMF signalling settings and the DTMF communication book.
#pragma once

#include <array>
#include <cstdint>

#include "core/fixed_text.h"

namespace kt740 {

// Digits "0"-"9", "A"-"D", "E" for *, "F" for #.
struct DtmfCodeEntry {
  FixedText<24> CodeDigits = NulTerminatedText<24>("");
  int16_t CodeLength = 0;

  bool operator==(const DtmfCodeEntry&) const = default;
};

constexpr int kDtmfCodes = 16;

// Field order is the data file's order (527 bytes).
struct DtmfSettings {
  std::array<DtmfCodeEntry, kDtmfCodes> DtmfCodes{};  // "M1".."M16"
  FixedText<24> PttIdBeginCode = NulTerminatedText<24>("");
  int16_t PttIdBeginLength = 0;
  FixedText<24> PttIdEndCode = NulTerminatedText<24>("");
  int16_t PttIdEndLength = 0;
  FixedText<14> KillCode = NulTerminatedText<14>("");
  int16_t KillCodeLength = 0;
  FixedText<14> StunCode = NulTerminatedText<14>("");
  int16_t StunCodeLength = 0;
  int16_t AniEnabled = 0;  // stored in the option block
  int16_t DigitTime = 1;   // stored in the option block
  int16_t PttIdMode = 3;   // record only
  FixedText<3> OwnId = FixedText<3>::From("000");
  int16_t SeparatorChar = 14;
  int16_t GroupChar = 10;  // 255 = off
  int16_t DecodeResponse = 0;
  int16_t FirstDigitDelay = 20;
  int16_t PreSendDelay = 20;
  int16_t ResetTime = 0;
  int16_t PostSendDelay = 20;
  int16_t PauseTime = 10;
  int16_t DtmfSideTone = 0;

  bool operator==(const DtmfSettings&) const = default;
};

struct CommuBookEntry {
  int16_t SlotNumber = 0;
  FixedText<5> CallCode = NulTerminatedText<5>("");
  FixedText<7> CallName = NulTerminatedText<7>("");

  bool operator==(const CommuBookEntry&) const = default;
};

constexpr int kCommuBookEntries = 128;

struct CommuBook {
  std::array<CommuBookEntry, kCommuBookEntries> entries = MakeDefaultEntries();

  static std::array<CommuBookEntry, kCommuBookEntries> MakeDefaultEntries() {
    std::array<CommuBookEntry, kCommuBookEntries> e{};
    for (int i = 0; i < kCommuBookEntries; ++i)
      e[static_cast<std::size_t>(i)].SlotNumber = static_cast<int16_t>(i);
    return e;
  }

  bool operator==(const CommuBook&) const = default;
};

}  // namespace kt740
