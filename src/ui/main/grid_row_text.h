// The texts of one channel-grid row (columns 1 to 10) for a channel record.
#pragma once

#include <array>
#include <string>

#include "image/channel_record.h"

namespace kt740 {

// Language texts the rows use, fetched once per redraw.
struct GridRowTexts {
  std::string gridOption[2];  // 1202, 1203
  std::string power[3];       // 1204, 1221, 1205
  std::string none;           // 1206
};

using GridRow = std::array<std::string, 10>;  // grid columns 1..10

GridRow RenderGridRow(const ChannelRecord& r, const GridRowTexts& texts);

}  // namespace kt740
