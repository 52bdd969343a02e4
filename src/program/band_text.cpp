#include "program/band_text.h"

#include "core/decimal_text.h"

namespace kt740 {

void ApplyBandLimits(AppState& app, const BandLimits& limits) {
  app.RxBandText = ShortestDecimal(limits.RxLow) + " - " + ShortestDecimal(limits.RxHigh) + " MHz";
  app.TxBandText = ShortestDecimal(limits.TxLow) + " - " + ShortestDecimal(limits.TxHigh) + " MHz";
  app.BandText = "Rx(" + app.RxBandText + ") Tx(" + app.TxBandText + ")";
  app.WorkingLimits = limits;
}

}  // namespace kt740
