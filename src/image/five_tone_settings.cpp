#include "image/five_tone_settings.h"

namespace kt740 {

// Everything starts from default-constructed records; only the names and the two PTT-ID codes
// are carried over.
void ResetFiveTone(FiveToneSettings& s, uint8_t& decodeTime) {
  FiveToneSettings fresh;
  fresh.PttIdBegin = s.PttIdBegin;
  fresh.PttIdEnd = s.PttIdEnd;
  for (std::size_t j = 0; j < s.InfoCodes.size(); ++j) fresh.InfoCodes[j].Name = s.InfoCodes[j].Name;
  for (std::size_t n = 0; n < s.Calls.size(); ++n) fresh.Calls[n].Name = s.Calls[n].Name;
  s = fresh;
  decodeTime = kDefaultDecodeTime;
}

}  // namespace kt740
