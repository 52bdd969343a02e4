#include "ui/main/grid_row_text.h"

#include <cstdio>
#include <cstdlib>

#include "core/codepage.h"
#include "core/fixed_text.h"

namespace kt740 {
namespace {

constexpr const char* kSteps[] = {"2.5K", "5K", "6.25K", "8.33K", "10K", "12.5K", "20K", "25K", "30K", "50K"};
constexpr const char* kCtcss[] = {
    "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
    "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9", "171.3", "173.8",
    "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7",
    "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// 10 Hz units in nine digits; nothing for "FFFFFFFFF", an empty or a garbled field.
bool StoredValue(const FixedText<9>& stored, long long& tenHz) {
  const std::string s = TrimText(stored.view());
  if (!AllDigits(s)) return false;
  tenHz = std::atoll(s.c_str());
  return true;
}

std::string FormatMHz(long long tenHz, const char* format) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, static_cast<double>(tenHz) / 100000.0);
  return buf;
}

std::string ToneText(int16_t type, int16_t ctcss, int16_t dcs, int16_t invert, const std::string& none) {
  if (type == 1) return kCtcss[(ctcss < 0 || ctcss > 50) ? 0 : ctcss];
  if (type == 2) {
    const int code = (dcs < 0 || dcs > 511) ? 0 : dcs;
    char buf[8];
    std::snprintf(buf, sizeof buf, "D%03o%c", static_cast<unsigned>(code), invert >= 1 ? 'I' : 'N');
    return buf;
  }
  return none;
}

}  // namespace

GridRow RenderGridRow(const ChannelRecord& r, const GridRowTexts& t) {
  GridRow row;
  long long rx = 0;
  const bool hasRx = StoredValue(r.RxFreq, rx);
  row[0] = hasRx ? FormatMHz(rx, "%09.5f") : std::string();
  long long offset = 0;
  if (!StoredValue(r.Offset, offset)) offset = 0;
  if (r.OffsetDir == 1 && hasRx) {
    row[1] = FormatMHz(rx - offset, "%.5f");
  } else if (r.OffsetDir == 2 && hasRx) {
    row[1] = FormatMHz(rx + offset, "%.5f");
  } else {
    row[1] = row[0];
  }
  row[2] = Cp1252ToUtf8(TrimText(r.Name.view()));
  row[3] = (r.Step >= 0 && r.Step < 10) ? kSteps[r.Step] : "";
  row[4] = r.Bandwidth == 0 ? "25K" : r.Bandwidth == 2 ? "12.5K" : "20K";
  row[5] = t.gridOption[r.GridOption == 1 ? 1 : 0];
  row[6] = t.power[(r.TxPower >= 0 && r.TxPower <= 2) ? r.TxPower : 0];
  row[7] = ToneText(r.Tone1Type, r.Tone1Ctcss, r.Tone1Dcs, r.Tone1Invert, t.none);
  row[8] = ToneText(r.Tone2Type, r.Tone2Ctcss, r.Tone2Dcs, r.Tone2Invert, t.none);
  switch (r.Signalling) {
    case 1:
      row[9] = "DTMF M" + std::to_string(r.DtmfGroup + 1);
      break;
    case 2:
      row[9] = "2tone " + std::to_string(r.TwoToneNo);
      break;
    case 3:
      row[9] = "5tone " + std::to_string(r.FiveToneNo);
      break;
    default:
      row[9] = t.none;
  }
  return row;
}

}  // namespace kt740
