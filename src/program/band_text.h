// The band texts shown in the caption and the working limits every frequency check uses.
#pragma once

#include <string>

#include "program/app_state.h"

namespace kt740 {

// Shortest decimal form that reads back as the same double: 136, 136.5, 173.9975.
std::string ShortestDecimal(double value);

// Rebuilds BandText, RxBandText and TxBandText and copies the limits into WorkingLimits.
void ApplyBandLimits(AppState& app, const BandLimits& limits);

}  // namespace kt740
