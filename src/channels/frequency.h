// Frequencies as the user types them, as a ChannelRecord stores them (nine digits in 10 Hz
// units, FreqTextToStored in image/channel_record.h) and as the lists show them; band clamping
// and the radio's channel grid.
//
// Each function takes the working band limits it checks against. Every text uses "." whatever
// the locale.
#pragma once

#include <string>
#include <string_view>

#include "image/channel_record.h"
#include "image/settings_record.h"

namespace kt740 {

class LanguageTexts;
class Notifier;

// Where the out-of-band warning (language text 2001) goes; no notifier means silently (the
// "warn flag" off).
struct BandWarning {
  Notifier* notifier = nullptr;
  std::string text;
};

// The warning in the program's language, shown through `notifier` (nullptr: silently).
BandWarning OutOfBandWarning(Notifier* notifier, const LanguageTexts& texts);

// Stored text to "000.00000"; empty or "FFFFFFFFF" give an empty text. A damaged text (not
// decimal digits) reports "Not IsNumeric" through `notifier` (nullptr: silently) and shows the
// receive low limit.
std::string StoredToFreqText(const BandLimits& band, std::string_view stored, Notifier* notifier);

// Stored offset to "0.00000"; empty, "FFFFFFFFF" and damaged texts give "0.00000" (a damaged
// one after "Not IsNumeric").
std::string StoredToOffsetText(std::string_view stored, Notifier* notifier);

// The frequency moved onto the 2.5 kHz, 6.25 kHz or 8.33 kHz grid counted from the band's low
// edge (receive or transmit band).
double SnapRxFreq(const BandLimits& band, double mhz);
double SnapTxFreq(const BandLimits& band, double mhz);

// Clamped to the band (with the warning when outside), then snapped.
double CheckRxFreq(const BandLimits& band, double mhz, const BandWarning& warn);
double CheckTxFreq(const BandLimits& band, double mhz, const BandWarning& warn);

// A typed frequency checked against the band, as "000.00000"; a text that is not a number
// gives the band's low limit (with the warning).
std::string RxFreqText(const BandLimits& band, std::string_view text, const BandWarning& warn);
std::string TxFreqText(const BandLimits& band, std::string_view text, const BandWarning& warn);

// The offset that keeps the transmit frequency inside the transmit band, as "000.00000".
// direction: ChannelRecord::OffsetDir (offset_dir::). The offset's sign is ignored (the
// direction carries it); an offset or receive text that is not a number gives 000.00000.
std::string OffsetText(const BandLimits& band, std::string_view offset, std::string_view rx, int direction,
                       const BandWarning& warn);

}  // namespace kt740
