#include "channels/channel_row_text.h"

#include <optional>

#include "channels/frequency.h"
#include "core/codepage.h"
#include "core/decimal_text.h"
#include "core/fixed_text.h"
#include "core/language_texts.h"

namespace kt740 {
namespace {

constexpr const char* kSteps[] = {"2.5K", "5K", "6.25K", "8.33K", "10K", "12.5K", "20K", "25K", "30K", "50K"};
constexpr const char* kCtcss[] = {
    "62.5",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
    "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9", "171.3", "173.8",
    "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5", "203.5", "206.5", "210.7",
    "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
constexpr int kDcsCodes = 512;

std::string ToneText(int16_t type, int16_t ctcss, int16_t dcs, int16_t invert, const std::string& none) {
  if (type == tone_type::kCtcss)
    return kCtcss[(ctcss < 0 || ctcss >= static_cast<int>(std::size(kCtcss))) ? 0 : ctcss];
  if (type == tone_type::kDcs) {
    std::string text = "D" + DcsListText((dcs < 0 || dcs >= kDcsCodes) ? 0 : dcs);
    if (invert >= 1) text.back() = 'I';
    return text;
  }
  return none;
}

// Column 2: the receive text itself, or receive minus / plus the offset in the
// "#.00000" form.
std::string TransmitText(const std::string& rx, const std::string& offset, int16_t direction) {
  if (direction == offset_dir::kNone || rx.empty()) return rx;
  const std::optional<double> r = ParseDecimal(rx);
  const std::optional<double> o = ParseDecimal(offset);
  if (!r || !o) return rx;
  if (direction == offset_dir::kMinus) return FormatFixed(*r - *o, 0, 5);
  if (direction == offset_dir::kPlus) return FormatFixed(*o + *r, 0, 5);
  return rx;
}

std::string SignallingText(const ChannelRecord& r, const std::string& none) {
  switch (r.Signalling) {
    case signalling::kDtmf:
      return "DTMF M" + std::to_string(r.DtmfGroup + 1);
    case signalling::kTwoTone:
      return "2tone " + std::to_string(r.TwoToneNo);
    case signalling::kFiveTone:
      return "5tone " + std::to_string(r.FiveToneNo);
    default:
      return none;
  }
}

}  // namespace

ChannelRowLanguage LookUpChannelRowLanguage(const LanguageTexts& texts) {
  ChannelRowLanguage t;
  t.gridOption = {texts.Text(1202), texts.Text(1203)};
  t.power = {texts.Text(1204), texts.Text(1221), texts.Text(1205)};
  t.none = texts.Text(1206);
  return t;
}

ChannelRowTexts ChannelGridHeaders(const LanguageTexts& texts) {
  const std::string tone = texts.Text(1107);
  return {texts.Text(3006),
          texts.Text(1101),
          texts.Text(1140),
          texts.Text(1103),
          texts.Text(1104),
          texts.Text(1106),
          texts.Text(1108),
          texts.Text(1109),
          tone + "\r\n" + texts.Text(1112),
          tone + "\r\n" + texts.Text(1113),
          texts.Text(1110)};
}

std::string ChannelRowLabel(int number) {
  switch (number) {
    case kChannelPA:
      return "PA";
    case kChannelPB:
      return "PB";
    case kChannelVFO:
      return "VFO";
    default:
      return std::to_string(number);
  }
}

std::span<const char* const> StepListTexts() {
  return kSteps;
}
std::span<const char* const> CtcssListTexts() {
  return kCtcss;
}

std::string DcsListText(int code) {
  std::string digits;
  for (int i = 0; i < 3; ++i) {
    digits.insert(digits.begin(), static_cast<char>('0' + (code & 7)));
    code >>= 3;
  }
  return digits + "N";
}

ChannelRowTexts RenderChannelRow(const BandLimits& band, const ChannelRecord& r,
                                 const ChannelRowLanguage& texts, Notifier* notifier) {
  ChannelRowTexts row;
  row[0] = ChannelRowLabel(r.Number);
  row[1] = StoredToFreqText(band, r.RxFreq.view(), notifier);
  row[2] = TransmitText(row[1], StoredToOffsetText(r.Offset.view(), notifier), r.OffsetDir);
  row[3] = Cp1252ToUtf8(r.Name.trimmed());
  row[4] = (r.Step >= 0 && r.Step < static_cast<int>(std::size(kSteps))) ? kSteps[r.Step] : "";
  // A value above 2 shows as 20K; so does any other value outside the list.
  row[5] = r.Bandwidth == bandwidth::k25K ? "25K" : r.Bandwidth == bandwidth::k12_5K ? "12.5K" : "20K";
  row[6] = texts.gridOption[r.GridOption == 1 ? 1 : 0];
  row[7] = texts.power[(r.TxPower >= tx_power::kLevel1 && r.TxPower <= tx_power::kLevel3) ? r.TxPower : 0];
  row[8] = ToneText(r.Tone1Type, r.Tone1Ctcss, r.Tone1Dcs, r.Tone1Invert, texts.none);
  row[9] = ToneText(r.Tone2Type, r.Tone2Ctcss, r.Tone2Dcs, r.Tone2Invert, texts.none);
  row[10] = SignallingText(r, texts.none);
  return row;
}

}  // namespace kt740
