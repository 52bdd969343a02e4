// The texts of one row of the channel grid: column 0 the row label, columns 1
// to 10 what the record shows. Shared by the desktop grid, printing and the
// command line's show verb.
#pragma once

#include <array>
#include <span>
#include <string>

#include "image/channel_record.h"
#include "image/settings_record.h"

namespace kt740 {

class LanguageTexts;
class Notifier;

constexpr int kGridColumns = 11;
using ChannelRowTexts = std::array<std::string, kGridColumns>;

// Language texts the rows use, looked up once per redraw.
struct ChannelRowLanguage {
  std::array<std::string, 2> gridOption;  // 1202, 1203
  std::array<std::string, 3> power;       // 1204, 1221, 1205
  std::string none;                       // 1206
};

ChannelRowLanguage LookUpChannelRowLanguage(const LanguageTexts& texts);

// Header texts of the eleven columns; the tone headers hold CR LF between their
// two lines.
ChannelRowTexts ChannelGridHeaders(const LanguageTexts& texts);

// 1..200, "PA", "PB", "VFO".
std::string ChannelRowLabel(int number);

// The lists that render stored indices.
std::span<const char* const> StepListTexts();   // 10 items, "2.5K" .. "50K"
std::span<const char* const> CtcssListTexts();  // 51 items, "62.5" .. "254.1"
std::string DcsListText(int code);              // octal, three digits, then "N": 19 -> "023N"

// The row for r, in the row r.Number, with the working band limits. Texts are UTF-8. A stored
// frequency that is not a number reports "Not IsNumeric" through `notifier` (nullptr:
// silently). Out-of-list values render as the grid shows them; the record is never changed.
ChannelRowTexts RenderChannelRow(const BandLimits& band, const ChannelRecord& r,
                                 const ChannelRowLanguage& texts, Notifier* notifier);

}  // namespace kt740
