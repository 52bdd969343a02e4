// The 5-Tone block: header at 0x0320, PTT-ID slots at 0x0360 and 0x0370, in-use map of the calls
// at 0x0390, user-defined standard at 0x03C0, info codes at 0x0500 (8 of 32 bytes) and the calls
// at 0x0D00 (100 of 32 bytes).
//
// Code slot (PTT-ID 16 bytes, call 32)    Info-code slot (32 bytes)
//   +0  untouched                          +0  DecodeFunction
//   +1  StandardIndex                      +1  Response
//   +2  DigitCount                         +2  DigitCount
//   +3  ToneLength / 10                    +3  digits, one value a byte (12)
//   +4  digits, two a byte, E-padded       +16 name, 7 bytes, 0x00-filled
//   +24 call name, 7 bytes, space-filled
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "image/codecs.h"
#include "image/encodings.h"
#include "image/run_encoder.h"
#include "image/text_bytes.h"

namespace kt740 {
namespace {

constexpr std::size_t kToneLength = 0x0324;
constexpr std::size_t kOwnId = 0x0325;
constexpr std::size_t kOwnIdSize = 5;
constexpr std::size_t kPttIdBegin = 0x0360;
constexpr std::size_t kPttIdEnd = 0x0370;
constexpr std::size_t kInUseMap = 0x0390;
constexpr std::size_t kUserStandard = 0x03C0;
constexpr std::size_t kInfoCodes = 0x0500;
constexpr std::size_t kCalls = 0x0D00;
constexpr std::size_t kSlotSize = 32;
constexpr std::size_t kDigitOffset = 4;
constexpr std::size_t kCallNameOffset = 24;
constexpr std::size_t kInfoDigitOffset = 3;
constexpr std::size_t kInfoNameOffset = 16;
constexpr std::size_t kNameSize = 7;

// Digits a slot can hold: a PTT-ID slot has 12 digit bytes, a call 20, an info code 12.
constexpr std::size_t kPttIdDigits = 24;
constexpr std::size_t kCallDigits = 40;
constexpr std::size_t kInfoDigits = 12;

constexpr uint8_t kDefaultToneLength = 70;

// The header bytes stored as they are, in address order; one table for both directions. The
// rest of the header is written beside it: 0x0324 the tone length / 10, 0x0325-0x0329 the own
// identity one digit a byte, 0x0334 the decode time (a settings field, not a 5-Tone one). The
// 16-bit fields must fit a byte when encoded.
struct HeaderByte {
  uint16_t address;
  uint8_t FiveToneSettings::*byte;
  int16_t FiveToneSettings::*word;
};

constexpr HeaderByte kHeaderBytes[] = {
    {0x0320, &FiveToneSettings::HeaderByte0, nullptr},
    {0x0321, &FiveToneSettings::DecodeResponse, nullptr},
    {0x0322, &FiveToneSettings::StandardIndex, nullptr},
    {0x0323, &FiveToneSettings::IdLength, nullptr},
    {0x032B, &FiveToneSettings::ListValue4, nullptr},
    {0x032C, &FiveToneSettings::ListValue6, nullptr},
    {0x032D, &FiveToneSettings::ListValue7, nullptr},
    {0x032E, &FiveToneSettings::ListValue5, nullptr},
    {0x032F, nullptr, &FiveToneSettings::FirstDigitDelay},
    {0x0330, nullptr, &FiveToneSettings::SideTone},
    {0x0331, nullptr, &FiveToneSettings::SpecialDigit},
    {0x0332, nullptr, &FiveToneSettings::PauseCode},
    {0x0333, nullptr, &FiveToneSettings::PauseTime},
    {0x0335, nullptr, &FiveToneSettings::FirstCodeDelayAfterPause},
};
constexpr std::size_t kDecodeTime = 0x0334;

uint8_t StoredToneLength(uint8_t ms) {
  return ms >= 30 && ms <= 100 ? static_cast<uint8_t>(ms / 10) : 7;
}

uint8_t LoadedToneLength(uint8_t stored) {
  return stored >= 3 && stored <= 10 ? static_cast<uint8_t>(stored * 10) : kDefaultToneLength;
}

// Digits trimmed, padded with the repeat tone "E" or cut to count.
std::string CountedDigits(std::string digits, std::size_t count) {
  digits.resize(count, 'E');
  return digits;
}

// A name cut at its NUL and right-trimmed (the editors store it so).
std::string TrimmedName(const FixedText<kNameSize>& name) {
  std::string s(name.view().substr(0, name.view().find('\0')));
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// A count beyond the slot would write into the next slot: only the slot's digits are sent.
void EncodeCodeSlot(MemoryImage& image, std::size_t slot, const FiveToneCode& code, std::size_t capacity,
                    bool withName) {
  const std::size_t count = std::min<std::size_t>(code.DigitCount, capacity);
  image[slot + 1] = code.StandardIndex;
  image[slot + 2] = static_cast<uint8_t>(count);
  image[slot + 3] = StoredToneLength(code.ToneLength);
  std::string digits = CountedDigits(code.Digits.trimmed(), count);
  if (digits.size() % 2 == 1) digits.push_back('E');
  WriteHexPairs(image, slot + kDigitOffset, digits);
  if (withName) {
    const std::string name = TrimmedName(code.Name);
    WriteTextBytes(image, slot + kCallNameOffset, name, kNameSize, name.empty() ? 0x00 : 0x20);
  }
}

void DecodeCodeSlot(const MemoryImage& image, std::size_t slot, FiveToneCode& code, std::size_t capacity) {
  code.StandardIndex = image[slot + 1];
  code.DigitCount = image[slot + 2];
  code.ToneLength = LoadedToneLength(image[slot + 3]);
  const std::size_t count = std::min<std::size_t>(code.DigitCount, capacity);
  std::string digits = ReadHexPairs(image, slot + kDigitOffset, (count + 1) / 2);
  digits.resize(count);
  code.Digits = FixedText<kCallDigits>::From(digits);
}

void EncodeInfoCode(MemoryImage& image, std::size_t slot, const FiveToneInfoCode& info) {
  const std::size_t count = std::min<std::size_t>(info.DigitCount, kInfoDigits);
  image[slot + 0] = info.DecodeFunction;
  image[slot + 1] = info.Response;
  image[slot + 2] = static_cast<uint8_t>(count);
  const std::string digits = CountedDigits(info.Digits.trimmed(), count);
  for (std::size_t i = 0; i < count; ++i) image[slot + kInfoDigitOffset + i] = HexDigitValue(digits[i]);
  WriteTextBytes(image, slot + kInfoNameOffset, info.Name.trimmed(), kNameSize, 0x00);
}

uint8_t ZeroIfFF(uint8_t b) {
  return b == 0xFF ? 0 : b;
}

// One digit value a byte, each as its hexadecimal text (one character for 0..F).
void DecodeInfoCode(const MemoryImage& image, std::size_t slot, FiveToneInfoCode& info) {
  info.DecodeFunction = ZeroIfFF(image[slot + 0]);
  info.Response = ZeroIfFF(image[slot + 1]);
  info.DigitCount = ZeroIfFF(image[slot + 2]);
  const std::size_t count = std::min<std::size_t>(info.DigitCount, kInfoDigits);
  std::string digits;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string hex = HexByteText(image[slot + kInfoDigitOffset + i]);
    digits += hex[0] == '0' ? hex.substr(1) : hex;
  }
  digits.resize(std::min(digits.size(), count));
  info.Digits = FixedText<kInfoDigits>::From(digits);
  info.Name = FixedText<kNameSize>::From(ReadTextBytes(image, slot + kInfoNameOffset, kNameSize));
}

}  // namespace

bool SetCommDataBy5Tone(const FiveToneSettings& s, uint8_t decodeTime, MemoryImage& image,
                        Notifier& notifier) {
  return RunEncoder(notifier, "SetCommDataBy5Tone", [&] {
    for (const HeaderByte& b : kHeaderBytes)
      image[b.address] = b.byte != nullptr ? s.*b.byte : CheckedByte(s.*b.word);
    image[kToneLength] = StoredToneLength(s.ToneLength);

    // A missing digit (an identity shorter than its length by more than one) is no digit either.
    std::string id = s.OwnId.trimmed();
    if (id.size() < s.IdLength) id.push_back('0');
    for (std::size_t i = 0; i < kOwnIdSize; ++i) {
      uint8_t digit = 0;
      if (i < s.IdLength) {
        if (i >= id.size() || !IsDecimalText(id.substr(i, 1))) throw CodecFailure{"own identity digit"};
        digit = static_cast<uint8_t>(id[i] - '0');
      }
      image[kOwnId + i] = digit;
    }

    image[kDecodeTime] = decodeTime;

    for (std::size_t i = 0; i < s.UserStandard.size(); ++i) {
      image[kUserStandard + 2 * i] = static_cast<uint8_t>(s.UserStandard[i] & 0xFF);
      image[kUserStandard + 2 * i + 1] = static_cast<uint8_t>(s.UserStandard[i] >> 8);
    }

    EncodeCodeSlot(image, kPttIdBegin, s.PttIdBegin, kPttIdDigits, false);
    EncodeCodeSlot(image, kPttIdEnd, s.PttIdEnd, kPttIdDigits, false);
    for (std::size_t j = 0; j < s.InfoCodes.size(); ++j)
      EncodeInfoCode(image, kInfoCodes + kSlotSize * j, s.InfoCodes[j]);
    for (std::size_t n = 0; n < s.Calls.size(); ++n) {
      SetMapBit(image, kInUseMap, static_cast<int>(n), s.Calls[n].EmptyFlag != 0);
      EncodeCodeSlot(image, kCalls + kSlotSize * n, s.Calls[n], kCallDigits, true);
    }
  });
}

// Decodes into a copy of the master: the PTT-ID names, the spare bytes and the PTT-ID empty
// flags are not in the image and keep their values.
void GetCommDataBy5Tone(const MemoryImage& image, FiveToneSettings& fiveTone, uint8_t& decodeTime) {
  FiveToneSettings s = fiveTone;
  for (const HeaderByte& b : kHeaderBytes) {
    if (b.byte != nullptr) s.*b.byte = image[b.address];
    if (b.word != nullptr) s.*b.word = image[b.address];
  }
  s.ToneLength = LoadedToneLength(image[kToneLength]);

  std::string id;
  const std::size_t idBytes = std::min<std::size_t>(s.IdLength, kOwnIdSize);
  for (std::size_t i = 0; i < idBytes; ++i) id += std::to_string(image[kOwnId + i]);
  s.OwnId = NulTerminatedText<6>(id);

  const uint8_t storedDecodeTime = image[kDecodeTime];

  for (std::size_t i = 0; i < s.UserStandard.size(); ++i)
    s.UserStandard[i] =
        static_cast<uint16_t>(image[kUserStandard + 2 * i + 1] << 8 | image[kUserStandard + 2 * i]);

  DecodeCodeSlot(image, kPttIdBegin, s.PttIdBegin, kPttIdDigits);
  DecodeCodeSlot(image, kPttIdEnd, s.PttIdEnd, kPttIdDigits);
  for (std::size_t j = 0; j < s.InfoCodes.size(); ++j)
    DecodeInfoCode(image, kInfoCodes + kSlotSize * j, s.InfoCodes[j]);
  for (std::size_t n = 0; n < s.Calls.size(); ++n) {
    FiveToneCode& call = s.Calls[n];
    call.EmptyFlag = MapBit(image, kInUseMap, static_cast<int>(n)) ? 1 : 0;
    const std::size_t slot = kCalls + kSlotSize * n;
    DecodeCodeSlot(image, slot, call, kCallDigits);
    call.Name = NulTerminatedText<kNameSize>(ReadTextBytes(image, slot + kCallNameOffset, kNameSize));
  }
  fiveTone = s;
  decodeTime = storedDecodeTime;
}

}  // namespace kt740
