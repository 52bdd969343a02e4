#include "program/band_text.h"

#include <charconv>

namespace kt740 {

std::string ShortestDecimal(double value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

void ApplyBandLimits(AppState& app, const BandLimits& limits) {
  app.RxBandText = ShortestDecimal(limits.RxLow) + " - " + ShortestDecimal(limits.RxHigh) + " MHz";
  app.TxBandText = ShortestDecimal(limits.TxLow) + " - " + ShortestDecimal(limits.TxHigh) + " MHz";
  app.BandText = "Rx(" + app.RxBandText + ") Tx(" + app.TxBandText + ")";
  app.WorkingLimits = limits;
}

}  // namespace kt740
