#include "image/channel_record.h"

#include <algorithm>
#include <cmath>

#include "core/decimal_text.h"
#include "image/encodings.h"
#include "image/settings_record.h"

namespace kt740 {

namespace {

constexpr int kStoredDecimals = 5;  // stored texts count 10 Hz units: MHz x 100000
constexpr int64_t kStoredMax = 999999999;

}  // namespace

ChannelRecord* ChannelList::Find(int number) {
  // A damaged count never reaches past the array.
  const int used = std::clamp(ChannelCount, 0, kChannelSlots);
  for (int i = 0; i < used; ++i) {
    if (records[static_cast<std::size_t>(i)].Number == number) return &records[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

const ChannelRecord* ChannelList::Find(int number) const {
  return const_cast<ChannelList*>(this)->Find(number);
}

std::string FreqTextToStored(std::string_view mhzText) {
  if (mhzText.find_first_not_of(' ') == std::string_view::npos) return {};
  if (!IsNumericText(mhzText)) return {};
  // Places beyond the fifth are dropped, never rounded: 145.123456 is 145.12345.
  const auto scaled = ScaleTruncated(mhzText, kStoredDecimals);
  int64_t value = 0;
  if (scaled) {
    value = std::clamp<int64_t>(*scaled, 0, kStoredMax);
  } else {
    value = mhzText.find('-') == std::string_view::npos ? kStoredMax : 0;  // too many digits
  }
  return FormatScaled(value, 0, 9);
}

ChannelRecord DefaultChannelRecord(int number) {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(number);
  r.RxFreq = FixedText<9>::From(kNoFrequency);
  r.Offset = FixedText<9>::From("000000000");
  r.Name = NulTerminatedText<7>("");
  r.Step = 5;
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

ChannelRecord DefaultVfoChannel(const BandLimits& bands) {
  ChannelRecord r;
  r.Number = kChannelVFO;
  r.InUse = 1;
  r.ScanSkip = 1;
  const double middle = (std::nearbyint(bands.RxHigh) + bands.RxLow) / 2;
  r.RxFreq = FixedText<9>::From(FreqTextToStored(FormatFixed(middle, 3, 4)));
  r.Offset = FixedText<9>::From(FreqTextToStored("000.0000"));
  r.Name = NulTerminatedText<7>("");
  r.Tone1Ctcss = 20;
  r.Tone2Ctcss = 20;
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

}  // namespace kt740
