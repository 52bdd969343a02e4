// The saved-state snapshot on records: copying a configuration and whether one differs from the
// other. The procedures over the program state (TakeSnapshot, RestoreSnapshot, IsModified of the
// state) are in program/snapshot_state.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "image/settings_record.h"

namespace kt740 {

// to := from, channel slots 0..ChannelCount-1 only; the slots past the count keep what they held.
void CopyConfiguration(const Configuration& from, Configuration& to);

// The one set of fields IsModified leaves out, all of the channel record: Number (channels are
// matched by it), both DcsHigh bits (the encoder recomputes them), AuxOption and the spare after
// FiveToneNo. Every other member of the file layouts counts.
inline constexpr std::string_view kChannelFieldsNotCompared[] = {"Number", "Tone1DcsHigh", "Tone2DcsHigh",
                                                                 "AuxOption", "Spare5"};

// Stops at the first difference. Walks the file layouts (files/file_layout.h) of every record:
// the settings with modelCode as their ModelCode and the channel count, then each channel matched
// by Number. Channel texts are compared after TrimText; the DTMF codes only up to their length.
bool IsModified(const Configuration& current, int16_t modelCode, const Configuration& snapshot);

}  // namespace kt740
