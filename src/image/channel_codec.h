// The channel block: channels 1..200, "PA", "PB", "VFO", their maps and the band limits.
#pragma once

#include "image/channel_record.h"
#include "image/settings_record.h"

namespace kt740 {

// The record ResetAllData puts into slot 0: "VFO" in the middle of the receive band.
ChannelRecord DefaultVfoChannel(const BandLimits& bands);

}  // namespace kt740
