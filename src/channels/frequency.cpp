#include "channels/frequency.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/decimal_text.h"
#include "core/fixed_text.h"
#include "core/language_texts.h"
#include "core/notifier.h"
#include "image/encodings.h"

namespace kt740 {

namespace {

constexpr int kStoredDecimals = 5;  // stored texts count 10 Hz units: MHz x 100000
constexpr int kTextOutOfBand = 2001;
constexpr char kNotNumeric[] = "Not IsNumeric";

void WarnOutOfBand(const BandWarning& warn) {
  if (warn.notifier) warn.notifier->Message(warn.text, Icon::Warning);
}

std::string FrequencyDisplay(double mhz) {
  return FormatFixed(mhz, 3, kStoredDecimals);
}

// The stored digits read as "first four . the rest"; nothing when the text is damaged.
std::optional<double> StoredValue(std::string_view trimmed) {
  if (!IsDecimalText(trimmed)) return std::nullopt;
  std::string text(trimmed.substr(0, 4));
  text += '.';
  if (trimmed.size() > 4) text += trimmed.substr(4);
  return ParseDecimal(text);
}

// The grid rule shared by both bands; distances in 10 Hz units as the radio counts them.
double SnapToGrid(double mhz, double lowEdge) {
  const auto d = ScaleHalfEven(mhz, kStoredDecimals);
  const auto b = ScaleHalfEven(lowEdge, kStoredDecimals);
  if (!d || !b) return mhz;
  const int64_t k64 = *d - *b;
  if (*d > INT32_MAX || *d < INT32_MIN || k64 > INT32_MAX || k64 < INT32_MIN) return mhz;
  const auto D = static_cast<int32_t>(*d);
  const auto K = static_cast<int32_t>(k64);
  // C++ remainders take the sign of K, as the radio's arithmetic does.
  const int32_t r250 = K % 250;
  const int32_t r625 = K % 625;
  const int32_t r2500 = K % 2500;
  // r2500 / 833 is never exactly half-way, so plain rounding is round-half-even here.
  const auto n = static_cast<int32_t>(std::lround(static_cast<double>(r2500) / 833.0));
  int32_t result = D;
  if (r250 != 0 && r625 != 0 && r2500 % 833 != 0) {
    result = D - r250;  // on no grid: down onto the 2.5 kHz grid
  } else if (n == 3) {
    result = D + 1;  // 8.33 kHz steps count 833, three of them end 10 Hz short of 2500
  }
  return static_cast<double>(result) / 100000.0;
}

double CheckInBand(double mhz, double low, double high, const BandWarning& warn) {
  if (mhz < low) {
    WarnOutOfBand(warn);
    return low;
  }
  if (mhz <= high) return SnapToGrid(mhz, low);
  WarnOutOfBand(warn);  // also NaN, which compares with nothing
  return high;
}

std::string BandFreqText(std::string_view text, double low, double high, const BandWarning& warn) {
  if (const auto value = ParseDecimal(text)) return FrequencyDisplay(CheckInBand(*value, low, high, warn));
  WarnOutOfBand(warn);
  return FrequencyDisplay(low);
}

}  // namespace

BandWarning OutOfBandWarning(Notifier* notifier, const LanguageTexts& texts) {
  return {notifier, texts.Text(kTextOutOfBand)};
}

std::string StoredToFreqText(const BandLimits& band, std::string_view stored, Notifier* notifier) {
  const std::string trimmed = TrimText(stored);
  if (trimmed.empty() || trimmed == kNoFrequency) return {};
  if (const auto value = StoredValue(trimmed)) return FrequencyDisplay(*value);
  if (notifier) notifier->Message(kNotNumeric, Icon::None);
  return ShortestDecimal(band.RxLow);
}

std::string StoredToOffsetText(std::string_view stored, Notifier* notifier) {
  const std::string trimmed = TrimText(stored);
  if (trimmed.empty() || trimmed == kNoFrequency) return FormatScaled(0, kStoredDecimals, 1);
  if (const auto value = StoredValue(trimmed)) return FormatFixed(*value, 1, kStoredDecimals);
  if (notifier) notifier->Message(kNotNumeric, Icon::None);
  return FormatScaled(0, kStoredDecimals, 1);
}

double SnapRxFreq(const BandLimits& band, double mhz) {
  return SnapToGrid(mhz, band.RxLow);
}

double SnapTxFreq(const BandLimits& band, double mhz) {
  return SnapToGrid(mhz, band.TxLow);
}

double CheckRxFreq(const BandLimits& band, double mhz, const BandWarning& warn) {
  return CheckInBand(mhz, band.RxLow, band.RxHigh, warn);
}

double CheckTxFreq(const BandLimits& band, double mhz, const BandWarning& warn) {
  return CheckInBand(mhz, band.TxLow, band.TxHigh, warn);
}

std::string RxFreqText(const BandLimits& band, std::string_view text, const BandWarning& warn) {
  return BandFreqText(text, band.RxLow, band.RxHigh, warn);
}

std::string TxFreqText(const BandLimits& band, std::string_view text, const BandWarning& warn) {
  return BandFreqText(text, band.TxLow, band.TxHigh, warn);
}

std::string OffsetText(const BandLimits& band, std::string_view offset, std::string_view rx, int direction,
                       const BandWarning& warn) {
  const std::string zero = FormatScaled(0, kStoredDecimals, 3);
  const auto offsetValue = ParseDecimal(offset);
  const auto rxValue = ParseDecimal(rx);
  if (!offsetValue || !rxValue) return zero;
  const double magnitude = std::fabs(*offsetValue);
  const bool minus = direction == offset_dir::kMinus;
  const double tx = CheckTxFreq(band, minus ? *rxValue - magnitude : *rxValue + magnitude, warn);
  // Work on the 10 Hz counts so that the difference is exact.
  const auto txCount = ScaleHalfEven(tx, kStoredDecimals);
  const auto rxCount = ScaleHalfEven(*rxValue, kStoredDecimals);
  if (!txCount || !rxCount) return zero;
  return FormatScaled(minus ? *rxCount - *txCount : *txCount - *rxCount, kStoredDecimals, 3);
}

}  // namespace kt740
