#include "image/five_tone_settings.h"

namespace kt740 {

void ResetFiveTone(FiveToneSettings& s, uint8_t& decodeTime) {
  s.HeaderByte0 = 0;
  s.DecodeResponse = 0;
  s.StandardIndex = 0;
  s.IdLength = 0;
  s.ToneLength = 70;
  s.OwnId = NulTerminatedText<6>("");
  s.ListValue5 = 0;
  s.ListValue4 = 20;
  s.ListValue6 = 20;
  s.ListValue7 = 10;
  s.FirstDigitDelay = 20;
  s.PauseTime = 20;
  s.PauseCode = 0;
  s.FirstCodeDelayAfterPause = 20;
  s.SideTone = 0;
  s.SpecialDigit = 13;  // D
  decodeTime = kDefaultDecodeTime;
  s.UserStandard = FiveToneSettings{}.UserStandard;
  for (FiveToneInfoCode& info : s.InfoCodes) {
    info.DecodeFunction = 0;
    info.Response = 0;
    info.DigitCount = 0;
    info.Digits = NulTerminatedText<12>("");
  }
  for (FiveToneCode& call : s.Calls) {
    call.EmptyFlag = 1;
    call.Spare = 0;
    call.StandardIndex = 0;
    call.DigitCount = 0;
    call.ToneLength = 70;
    call.Digits = FixedText<40>();
  }
}

}  // namespace kt740
