// Frequencies as the user types them, as a ChannelRecord stores them (nine digits in 10 Hz
// units) and as the lists show them; band clamping and the radio's channel grid.
//
// Band limits come from state.app.WorkingLimits. `notifier` receives the messages; nullptr
// means silently (the "warn flag" off). Every text uses "." whatever the locale.
#pragma once

#include <string>
#include <string_view>

namespace kt740 {

struct ProgramState;
class Notifier;

inline constexpr std::string_view kNoFrequency = "FFFFFFFFF";

// MHz text to the stored form: "145" -> 014500000, "145.5" -> 014550000, "145.123456" ->
// 014512345 (places beyond the fifth dropped). Digits without a point are whole MHz whatever
// their length. The result is always empty or nine digits: a value below 0 stores as
// 000000000, one of 10000 MHz or more as 999999999, a text that is not a number as empty.
std::string FreqTextToStored(std::string_view mhzText);

// Stored text to "000.00000"; empty or "FFFFFFFFF" give an empty text. A damaged text (not
// decimal digits) reports "Not IsNumeric" and shows the receive low limit.
std::string StoredToFreqText(const ProgramState& state, std::string_view stored, Notifier* notifier);

// Stored offset to "0.00000"; empty, "FFFFFFFFF" and damaged texts give "0.00000" (a damaged
// one after "Not IsNumeric").
std::string StoredToOffsetText(std::string_view stored, Notifier* notifier);

// The frequency moved onto the 2.5 kHz, 6.25 kHz or 8.33 kHz grid counted from the band's low
// edge (receive or transmit band).
double SnapRxFreq(const ProgramState& state, double mhz);
double SnapTxFreq(const ProgramState& state, double mhz);

// Clamped to the band (language text 2001 through `warn` when outside), then snapped.
double CheckRxFreq(const ProgramState& state, double mhz, Notifier* warn);
double CheckTxFreq(const ProgramState& state, double mhz, Notifier* warn);

// A typed frequency checked against the band, as "000.00000"; a text that is not a number
// gives the band's low limit (with language text 2001 through `warn`).
std::string RxFreqText(const ProgramState& state, std::string_view text, Notifier* warn);
std::string TxFreqText(const ProgramState& state, std::string_view text, Notifier* warn);

// The offset that keeps the transmit frequency inside the transmit band, as "000.00000".
// direction: 0 none, 1 minus, 2 plus (ChannelRecord::OffsetDir). The offset's sign is ignored
// (the direction carries it); an offset or receive text that is not a number gives 000.00000.
std::string OffsetText(const ProgramState& state, std::string_view offset, std::string_view rx, int direction,
                       Notifier* warn);

}  // namespace kt740
