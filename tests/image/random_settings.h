// Random settings records that keep every field in its editor's range and the editors'
// invariants, for the round-trip tests; and the comparison helpers those tests need.
#pragma once

#include <cstdint>
#include <random>

#include "image/settings_record.h"

namespace kt740::test {

struct RandomSettings {
  SignallingSettings signalling;
  CommuBook book;
  uint8_t decodeTime = 0;
};

RandomSettings MakeRandomSettings(uint32_t seed);

// Copies the fields that live in the record only (never in the image) from one record to another.
void CarryRecordOnlyFields(const SignallingSettings& from, SignallingSettings& to);

// Replaces every text that readers take through TrimText by its trimmed form.
void TrimTexts(SignallingSettings& s);
void TrimTexts(CommuBook& book);

}  // namespace kt740::test
