#include "image/two_tone_settings.h"

namespace kt740 {

void ResetTwoToneHeader(TwoToneSettings& s) {
  s.OwnTone1FreqHigh = 12;  // 321.7 Hz
  s.OwnTone1FreqLow = 145;
  s.OwnTone2FreqHigh = 36;  // 928.1 Hz
  s.OwnTone2FreqLow = 65;
  s.OwnCallPattern = 0;        // A-B
  s.OwnTone1DivisorHigh = 58;  // 14920
  s.OwnTone1DivisorLow = 72;
  s.OwnTone2DivisorHigh = 20;  // 5172
  s.OwnTone2DivisorLow = 52;
  s.ListSetting4 = 0;
  s.ChoiceSetting = 0;
  s.SideTone = 0;
  s.ToneA = 3217;
  s.ToneB = 9281;
  s.ToneC = 6265;
  s.ToneD = 20438;
  s.ListSetting0 = 5;
  s.ListSetting1 = 5;
  s.ListSetting2 = 10;
  s.ListSetting3 = 0;
}

void ResetTwoToneEntries(TwoToneSettings& s) {
  for (TwoToneEntry& e : s.Entries) {
    e.EmptyFlag = 1;
    e.Tone1DivisorHigh = e.Tone1DivisorLow = e.Tone2DivisorHigh = e.Tone2DivisorLow = 0;
    e.Tone1FreqHigh = e.Tone1FreqLow = e.Tone2FreqHigh = e.Tone2FreqLow = 0;
  }
  // Entry 0 answers the own call of the reset header.
  TwoToneEntry& first = s.Entries[0];
  first.EmptyFlag = 0;
  first.Tone1DivisorHigh = 58;
  first.Tone1DivisorLow = 72;
  first.Tone2DivisorHigh = 20;
  first.Tone2DivisorLow = 52;
  first.Tone1FreqHigh = 12;
  first.Tone1FreqLow = 145;
  first.Tone2FreqHigh = 36;
  first.Tone2FreqLow = 65;
}

}  // namespace kt740
