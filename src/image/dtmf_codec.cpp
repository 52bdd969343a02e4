// The DTMF block: settings and own ID at 0x02E0, kill and stun codes at 0x02F0, PTT-ID codes at
// 0x0340 and the code table M1..M16 at 0x0400. Digits are nibbles: 0-9, A-D, E for *, F for #.
#include <cstddef>
#include <cstdint>
#include <string>

#include "image/codecs.h"
#include "image/encodings.h"
#include "image/run_encoder.h"

namespace kt740 {
namespace {

constexpr std::size_t kSeparatorChar = 0x02E0;
constexpr std::size_t kGroupChar = 0x02E1;
constexpr std::size_t kDecodeResponse = 0x02E2;
constexpr std::size_t kPreSendDelay = 0x02E3;
constexpr std::size_t kFirstDigitDelay = 0x02E4;
constexpr std::size_t kResetTime = 0x02E5;
constexpr std::size_t kOwnId = 0x02E7;  // three bytes, one decimal digit each
constexpr std::size_t kSideTone = 0x02ED;
constexpr std::size_t kPostSendDelay = 0x02EE;
constexpr std::size_t kPauseTime = 0x02EF;
constexpr std::size_t kCodeTable = 0x0400;  // 16 entries of 16 bytes: digits +0..+11, length +12

constexpr int kOffChar = 255;  // GroupChar "off"
constexpr int kDefaultSeparator = 14;
constexpr int kDefaultGroup = 10;

bool IsDtmfChar(int value) {
  return value >= 10 && value <= 15;
}

// One packed code: digits from base, two a byte, high nibble first; the count at lengthAddress.
// The 24-digit codes are filled with "0" up to their length; the 14-digit kill and stun codes
// are not, so a shorter text is refused there.
struct CodeSlot {
  std::size_t base;
  std::size_t lengthAddress;
  int capacity;
};

constexpr CodeSlot kPttIdBeginSlot{0x0340, 0x034C, 24};
constexpr CodeSlot kPttIdEndSlot{0x0350, 0x035C, 24};
constexpr CodeSlot kKillSlot{0x02F0, 0x02F7, 14};
constexpr CodeSlot kStunSlot{0x02F8, 0x02FF, 14};

CodeSlot TableSlot(std::size_t k) {
  return {kCodeTable + 16 * k, kCodeTable + 16 * k + 12, 24};
}

template <std::size_t N>
void EncodeCode(MemoryImage& image, const CodeSlot& slot, const FixedText<N>& text, int16_t length) {
  const int count = length > slot.capacity ? 0 : length;
  std::string s = text.trimmed();
  const auto counted = static_cast<std::size_t>(count < 0 ? 0 : count);
  const bool filled = slot.capacity == 24;
  const bool shortText = s.size() < counted;
  if (filled && shortText) s.append(counted - s.size(), '0');
  if (s.size() % 2 == 1) s.push_back('0');
  image[slot.lengthAddress] = CheckedByte(count);
  if (!filled && shortText) throw CodecFailure{"code shorter than its length"};
  for (std::size_t j = 0; j < counted; j += 2) image[slot.base + j / 2] = HexPairValue(s[j], s[j + 1]);
}

template <std::size_t N>
void DecodeCode(const MemoryImage& image, const CodeSlot& slot, FixedText<N>& text, int16_t& length) {
  int count = image[slot.lengthAddress];
  if (count > slot.capacity) count = 0;
  length = static_cast<int16_t>(count);
  std::string s = ReadHexPairs(image, slot.base, static_cast<std::size_t>((count + 1) / 2));
  s.resize(static_cast<std::size_t>(count));
  text = NulTerminatedText<N>(s);
}

// Each code of the block with its slot, in the order the radio's encoder writes them.
template <typename Settings, typename Visit>
void ForEachCode(Settings& d, Visit&& visit) {
  visit(kPttIdBeginSlot, d.PttIdBeginCode, d.PttIdBeginLength);
  visit(kPttIdEndSlot, d.PttIdEndCode, d.PttIdEndLength);
  visit(kKillSlot, d.KillCode, d.KillCodeLength);
  visit(kStunSlot, d.StunCode, d.StunCodeLength);
  for (std::size_t k = 0; k < d.DtmfCodes.size(); ++k)
    visit(TableSlot(k), d.DtmfCodes[k].CodeDigits, d.DtmfCodes[k].CodeLength);
}

}  // namespace

// Works on a copy: an out-of-range SeparatorChar is replaced in the bytes only, so the record
// keeps what the editor will repair when it next shows it. The own ID is the one field written
// back, in the three-digit form the radio holds.
bool SetCommDataByDTMF(DtmfSettings& master, MemoryImage& image, Notifier& notifier) {
  return RunEncoder(notifier, "SetCommDataByDTMF", [&] {
    DtmfSettings d = master;
    if (!IsDtmfChar(d.SeparatorChar)) d.SeparatorChar = kDefaultSeparator;
    image[kSeparatorChar] = CheckedByte(d.SeparatorChar);
    image[kGroupChar] = CheckedByte(IsDtmfChar(d.GroupChar) ? d.GroupChar : kOffChar);
    image[kDecodeResponse] = CheckedByte(d.DecodeResponse > 2 ? 0 : d.DecodeResponse);
    image[kPreSendDelay] = CheckedByte(d.PreSendDelay);
    image[kFirstDigitDelay] = CheckedByte(d.FirstDigitDelay > 250 ? 0 : d.FirstDigitDelay);
    image[kResetTime] = CheckedByte(d.ResetTime);

    std::string id = d.OwnId.trimmed();
    if (IsDecimalText(id)) {
      if (id.size() < 3) id.append(3 - id.size(), '0');
    } else {
      id = "000";
    }
    d.OwnId = FixedText<3>::From(id);
    master.OwnId = d.OwnId;
    for (std::size_t i = 0; i < 3; ++i) image[kOwnId + i] = static_cast<uint8_t>(d.OwnId.bytes[i] - '0');

    image[kSideTone] = CheckedByte(d.DtmfSideTone);
    image[kPostSendDelay] = CheckedByte(d.PostSendDelay);
    image[kPauseTime] = CheckedByte(d.PauseTime);
    ForEachCode(d, [&](const CodeSlot& slot, const auto& text, int16_t length) {
      EncodeCode(image, slot, text, length);
    });
  });
}

// Works on a copy written back whole; AniEnabled and DigitTime (from the option block) and
// PttIdMode (record only) keep their values. Two repairs are made in the image itself.
void GetCommDataByDTMF(MemoryImage& image, DtmfSettings& dtmf) {
  DtmfSettings d = dtmf;
  const uint8_t separator = image[kSeparatorChar];
  d.SeparatorChar = IsDtmfChar(separator) ? separator : kDefaultSeparator;
  const uint8_t group = image[kGroupChar];
  d.GroupChar = IsDtmfChar(group) ? group : (group == 0xFF ? kOffChar : kDefaultGroup);
  if (image[kDecodeResponse] > 2) image[kDecodeResponse] = 0;
  d.DecodeResponse = image[kDecodeResponse];
  d.PreSendDelay = image[kPreSendDelay];
  if (image[kFirstDigitDelay] > 250) image[kFirstDigitDelay] = 0;
  d.FirstDigitDelay = image[kFirstDigitDelay];
  d.ResetTime = image[kResetTime];

  std::string id;
  for (std::size_t i = 0; i < 3; ++i) {
    const uint8_t digit = image[kOwnId + i];
    if (digit > 9) {
      id = "000";
      break;
    }
    id.push_back(static_cast<char>('0' + digit));
  }
  d.OwnId = FixedText<3>::From(id);

  d.DtmfSideTone = image[kSideTone];
  d.PostSendDelay = image[kPostSendDelay];
  d.PauseTime = image[kPauseTime];
  ForEachCode(
      d, [&](const CodeSlot& slot, auto& text, int16_t& length) { DecodeCode(image, slot, text, length); });
  dtmf = d;
}

}  // namespace kt740
