// The band texts shown in the caption and the working limits every frequency check uses.
#pragma once

#include <string>

#include "core/decimal_text.h"
#include "program/app_state.h"

namespace kt740 {

// Rebuilds BandText, RxBandText and TxBandText and copies the limits into WorkingLimits.
void ApplyBandLimits(AppState& app, const BandLimits& limits);

}  // namespace kt740
