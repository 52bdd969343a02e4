#include "image/channel_codec.h"

#include <array>
#include <cmath>
#include <string>

#include "core/codepage.h"
#include "core/decimal_text.h"
#include "image/codecs.h"
#include "image/encodings.h"
#include "image/run_encoder.h"

namespace kt740 {

namespace {

// One channel entry, 32 bytes:
//   0-3   RxFreq, BCD in 100 Hz units        4-7   Offset, BCD
//   8     Step
//   9     b0 TxInhibit, b1 Reverse, b2-3 Bandwidth, b4 Tone2Invert, b5 Tone2Dcs bit 8, b6 PttIdDecode
//   10    b0-1 OffsetDir code, b2-3 TxPower, b4 Tone1Invert, b5 Tone1Dcs bit 8, b6 Compander,
//         b7 Talkaround
//   11    b0-1 Tone2Type, b2-3 Tone1Type, b4-7 DtmfGroup
//   12/13 Tone2Ctcss / Tone1Ctcss            14/15 low 8 bits of Tone2Dcs / Tone1Dcs
//   16    Signalling   17 TwoToneNo   18 FiveToneNo   19-25 Name
//   26    BusyLock     27 AuxOption   28 b0-3 DtmfPttId, b4-7 FiveTonePttId
//   29    SquelchMode  30 Scrambler   31 not written
struct PackedField {
  int byte;
  int firstBit;
  int width;
  int16_t ChannelRecord::*field;
};

constexpr PackedField kPackedFields[] = {
    {8, 0, 8, &ChannelRecord::Step},         {9, 0, 1, &ChannelRecord::TxInhibit},
    {9, 1, 1, &ChannelRecord::Reverse},      {9, 2, 2, &ChannelRecord::Bandwidth},
    {9, 4, 1, &ChannelRecord::Tone2Invert},  {9, 5, 1, &ChannelRecord::Tone2DcsHigh},
    {9, 6, 1, &ChannelRecord::PttIdDecode},  {10, 2, 2, &ChannelRecord::TxPower},
    {10, 4, 1, &ChannelRecord::Tone1Invert}, {10, 5, 1, &ChannelRecord::Tone1DcsHigh},
    {10, 6, 1, &ChannelRecord::Compander},   {10, 7, 1, &ChannelRecord::Talkaround},
    {11, 0, 2, &ChannelRecord::Tone2Type},   {11, 2, 2, &ChannelRecord::Tone1Type},
    {11, 4, 4, &ChannelRecord::DtmfGroup},   {12, 0, 8, &ChannelRecord::Tone2Ctcss},
    {13, 0, 8, &ChannelRecord::Tone1Ctcss},  {16, 0, 8, &ChannelRecord::Signalling},
    {17, 0, 8, &ChannelRecord::TwoToneNo},   {18, 0, 8, &ChannelRecord::FiveToneNo},
    {26, 0, 8, &ChannelRecord::BusyLock},    {27, 0, 8, &ChannelRecord::AuxOption},
    {28, 0, 4, &ChannelRecord::DtmfPttId},   {28, 4, 4, &ChannelRecord::FiveTonePttId},
    {29, 0, 8, &ChannelRecord::SquelchMode}, {30, 0, 8, &ChannelRecord::Scrambler},
};

constexpr std::size_t kRxByte = 0;
constexpr std::size_t kOffsetByte = 4;
constexpr std::size_t kOffsetDirByte = 10;  // bits 0-1
constexpr std::size_t kTone2DcsLowByte = 14;
constexpr std::size_t kTone1DcsLowByte = 15;
constexpr std::size_t kNameByte = 19;
constexpr std::size_t kNameLength = 7;
constexpr std::size_t kWrittenBytes = 31;  // byte 31 is never written
constexpr std::size_t kPttIdDigits = 5;
constexpr int kMappedEntries = 202;  // entries 0..201 have map bits; "VFO" has none

// Every bit of an entry belongs to at most one field, and no field reaches byte 31.
constexpr bool LayoutIsDisjoint() {
  std::array<int, kWrittenBytes> used{};
  auto claim = [&used](std::size_t byte, int mask) {
    if (byte >= kWrittenBytes || mask <= 0 || mask > 0xFF || (used[byte] & mask) != 0) return false;
    used[byte] |= mask;
    return true;
  };
  for (const PackedField& f : kPackedFields) {
    if (f.byte < 0 || f.firstBit + f.width > 8) return false;
    if (!claim(static_cast<std::size_t>(f.byte), ((1 << f.width) - 1) << f.firstBit)) return false;
  }
  bool ok = claim(kOffsetDirByte, 0x03) && claim(kTone2DcsLowByte, 0xFF) && claim(kTone1DcsLowByte, 0xFF);
  for (std::size_t k = 0; k < 4; ++k) ok = ok && claim(kRxByte + k, 0xFF) && claim(kOffsetByte + k, 0xFF);
  for (std::size_t k = 0; k < kNameLength; ++k) ok = ok && claim(kNameByte + k, 0xFF);
  return ok;
}
static_assert(LayoutIsDisjoint(), "two fields of the channel entry share a bit");

constexpr int kBcdDigits = 8;

// Value in MHz as eight BCD digits in 100 Hz units, rounded half to even.
std::string BandLimitDigits(double mhz) {
  const auto scaled = ScaleHalfEven(mhz, 4);
  if (!scaled || *scaled < 0 || *scaled > 99999999) throw CodecFailure{"band limit outside 0..9999.9999 MHz"};
  return FormatScaled(*scaled, 0, kBcdDigits);
}

// A stored frequency text as the four BCD bytes take it: digits missing on the right count as
// 0 and the ninth, the 10 Hz digit, is not stored.
void PackFrequency(std::string_view text, uint8_t* out) {
  auto digit = [&text](std::size_t k) { return k < text.size() ? text[k] : '0'; };
  for (std::size_t k = 0; k < 4; ++k) out[k] = HexPairValue(digit(2 * k), digit(2 * k + 1));
}

// The eight digits of four BCD bytes, or false when a nibble is not a decimal digit.
bool UnpackFrequency(const uint8_t* bytes, std::array<char, 9>& digits) {
  for (std::size_t k = 0; k < 4; ++k) {
    const int high = bytes[k] >> 4;
    const int low = bytes[k] & 0x0F;
    if (high > 9 || low > 9) return false;
    digits[2 * k] = static_cast<char>('0' + high);
    digits[2 * k + 1] = static_cast<char>('0' + low);
  }
  return true;
}

// The 10 Hz digit the radio does not store, from the digit before it: the 6.25 kHz grid ends in
// ...0625 or ...1875, the 8.33 kHz grid in ...0833 or ...1666; every other step ends in 0.
FixedText<9> RestoreTenHertz(std::array<char, 9> digits) {
  switch (digits[7]) {
    case '2':
    case '7':
      digits[8] = '5';
      break;
    case '3':
      digits[8] = '3';
      break;
    case '6':
      digits[8] = '6';
      break;
    default:
      digits[8] = '0';
  }
  return FixedText<9>::From(std::string_view(digits.data(), digits.size()));
}

int OffsetDirCode(int16_t offsetDir) {
  switch (offsetDir) {
    case offset_dir::kNone:
      return 0;
    case offset_dir::kMinus:
      return 2;
    case offset_dir::kPlus:
      return 3;
    default:
      throw CodecFailure{"OffsetDir outside 0..2"};
  }
}

int16_t OffsetDirFromCode(int code) {
  return static_cast<int16_t>(code <= 1 ? 0 : code - 1);
}

void CheckDcs(int16_t dcs) {
  if (dcs < 0 || dcs > 511) throw CodecFailure{"DCS code outside 0..511"};
}

void EncodeEntry(ChannelRecord& r, MemoryImage& image) {
  const int n = r.Number - 1;
  if (n < 0 || n >= kChannelSlots) throw CodecFailure{"channel number outside 1..203"};
  if (n < kMappedEntries) {
    if (r.InUse == 1) SetMapBit(image, kChannelEmptyMap, n, false);
    if (r.ScanSkip == 0) SetMapBit(image, kChannelSkipMap, n, false);
  }

  std::array<uint8_t, kWrittenBytes> entry{};
  const std::string rx = TrimText(r.RxFreq.view());
  PackFrequency(rx.empty() ? std::string_view("FFFFFFFF") : std::string_view(rx), &entry[kRxByte]);
  PackFrequency(r.Offset.view(), &entry[kOffsetByte]);  // untrimmed, as the radio always had it

  CheckDcs(r.Tone1Dcs);
  CheckDcs(r.Tone2Dcs);
  r.Tone2DcsHigh = static_cast<int16_t>(r.Tone2Dcs / 256);
  r.Tone1DcsHigh = static_cast<int16_t>(r.Tone1Dcs / 256);

  std::array<int, kWrittenBytes> packed{};
  packed[kOffsetDirByte] = OffsetDirCode(r.OffsetDir);
  packed[kTone2DcsLowByte] = r.Tone2Dcs % 256;
  packed[kTone1DcsLowByte] = r.Tone1Dcs % 256;
  for (const PackedField& f : kPackedFields) {
    // A value wider than its bits would spill into its neighbours' bits: refuse it.
    const int value = r.*f.field;
    if (value < 0 || value >= (1 << f.width)) throw CodecFailure{"channel field outside its range"};
    packed[static_cast<std::size_t>(f.byte)] += value << f.firstBit;
  }
  for (std::size_t b = 8; b < kWrittenBytes; ++b) {
    if (b < kNameByte || b >= kNameByte + kNameLength) entry[b] = CheckedByte(packed[b]);
  }

  const std::string name = TrimText(r.Name.view());
  for (std::size_t k = 0; k < kNameLength; ++k) {
    uint8_t byte = name.empty() ? 0x00 : 0x20;
    if (k < name.size()) {
      byte = static_cast<uint8_t>(name[k]);
      if (!HasSingleByteCode(byte)) throw CodecFailure{"name character without a single-byte code"};
    }
    entry[kNameByte + k] = byte;
  }

  std::array<uint8_t, kPttIdDigits> pttId{};
  if (n < kRegularChannels) {
    const std::string code = TrimText(r.PttIdCode.view());
    for (std::size_t k = 0; k < kPttIdDigits; ++k) pttId[k] = HexDigitValue(k < code.size() ? code[k] : '0');
  }

  // Byte 31 keeps whatever the image held.
  const std::size_t base = ChannelEntryAddress(r.Number);
  std::copy(entry.begin(), entry.end(), image.bytes.begin() + static_cast<std::ptrdiff_t>(base));
  if (n < kRegularChannels) {
    const std::size_t address = kPttIdCodesAddress + kPttIdDigits * static_cast<std::size_t>(n);
    std::copy(pttId.begin(), pttId.end(), image.bytes.begin() + static_cast<std::ptrdiff_t>(address));
  }
}

double DecodeBandLimit(const MemoryImage& image, std::size_t address, double fallback) {
  const std::string digits = ReadHexPairs(image, address, 4);
  if (!IsDecimalText(digits)) return fallback;
  return ParseDecimal(digits.substr(0, 4) + "." + digits.substr(4)).value_or(fallback);
}

// Everything the image does not hold starts clean, not from what the slot held before.
ChannelRecord DecodeEntry(MemoryImage& image, int n, const std::array<char, 9>& rxDigits) {
  ChannelRecord r;
  r.Number = static_cast<int16_t>(n + 1);
  r.InUse = 1;
  r.ScanSkip = n < kMappedEntries ? static_cast<int16_t>(MapBit(image, kChannelSkipMap, n)) : 1;

  std::array<uint8_t, kChannelEntrySize> e{};
  const auto base = static_cast<std::ptrdiff_t>(ChannelEntryAddress(r.Number));
  std::copy_n(image.bytes.begin() + base, e.size(), e.begin());

  r.RxFreq = RestoreTenHertz(rxDigits);
  std::array<char, 9> offset{};
  if (!UnpackFrequency(&e[kOffsetByte], offset)) offset.fill('0');
  r.Offset = RestoreTenHertz(offset);

  for (const PackedField& f : kPackedFields)
    r.*f.field =
        static_cast<int16_t>((e[static_cast<std::size_t>(f.byte)] >> f.firstBit) & ((1 << f.width) - 1));
  if (r.TxPower == 3) r.TxPower = tx_power::kLevel3;
  r.OffsetDir = OffsetDirFromCode(e[kOffsetDirByte] & 0x03);
  r.Tone2Dcs = static_cast<int16_t>(r.Tone2DcsHigh * 256 + e[kTone2DcsLowByte]);
  r.Tone1Dcs = static_cast<int16_t>(r.Tone1DcsHigh * 256 + e[kTone1DcsLowByte]);

  const std::string_view name(reinterpret_cast<const char*>(&e[kNameByte]), kNameLength);
  r.Name = NulTerminatedText<kNameLength>(TrimText(name));

  std::array<char, kPttIdDigits> code;
  code.fill('0');
  if (n < kRegularChannels) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t address = kPttIdCodesAddress + kPttIdDigits * static_cast<std::size_t>(n);
    for (std::size_t k = 0; k < kPttIdDigits; ++k) {
      uint8_t& digit = image[address + k];
      if (digit > 0x0F) digit = 0x00;  // the radio leaves such bytes; it reads them as 0
      code[k] = kHex[digit];
    }
  }
  r.PttIdCode = FixedText<kPttIdDigits>::From(std::string_view(code.data(), code.size()));
  return r;
}

}  // namespace

std::size_t ChannelEntryAddress(int number) {
  switch (number) {
    case kChannelPA:
      return 0x0280;
    case kChannelPB:
      return 0x0260;
    case kChannelVFO:
      return 0x02C0;
    default:
      return 0x2000 + kChannelEntrySize * static_cast<std::size_t>(number - 1);
  }
}

void EncodeChannelBlock(ChannelList& channels, const BandLimits& bands, MemoryImage& image) {
  const double limits[] = {bands.RxLow, bands.RxHigh, bands.TxLow, bands.TxHigh};
  for (std::size_t k = 0; k < 4; ++k)
    WriteHexPairs(image, kBandLimitsAddress + 4 * k, BandLimitDigits(limits[k]));
  if (channels.ChannelCount < 0 || channels.ChannelCount > kChannelSlots)
    throw CodecFailure{"channel count outside 0..203"};
  for (int m = 0; m < channels.ChannelCount; ++m)
    EncodeEntry(channels.records[static_cast<std::size_t>(m)], image);
}

void DecodeChannelBlock(MemoryImage& image, BandLimits& bands, ChannelList& channels) {
  bands.RxLow = DecodeBandLimit(image, kBandLimitsAddress, 100);
  bands.RxHigh = DecodeBandLimit(image, kBandLimitsAddress + 4, 500);
  bands.TxLow = DecodeBandLimit(image, kBandLimitsAddress + 8, 100);
  bands.TxHigh = DecodeBandLimit(image, kBandLimitsAddress + 12, 500);

  channels.ChannelCount = 0;
  for (int n = 0; n < kChannelSlots; ++n) {
    if (n < kMappedEntries && MapBit(image, kChannelEmptyMap, n)) continue;
    // Digits that are not BCD (FF FF FF FF above all) mean the entry has no frequency.
    std::array<uint8_t, 4> rxBytes{};
    const std::size_t rxAddress = ChannelEntryAddress(n + 1) + kRxByte;
    for (std::size_t k = 0; k < rxBytes.size(); ++k) rxBytes[k] = image[rxAddress + k];
    std::array<char, 9> rx{};
    if (!UnpackFrequency(rxBytes.data(), rx)) continue;
    channels.records[static_cast<std::size_t>(channels.ChannelCount++)] = DecodeEntry(image, n, rx);
  }
}

bool SetCommDataByFrequency(ChannelList& channels, const BandLimits& bands, MemoryImage& image,
                            Notifier& notifier) {
  return RunEncoder(notifier, "SetCommDataByFrequency", [&] { EncodeChannelBlock(channels, bands, image); });
}

void GetCommDataByFrequency(MemoryImage& image, BandLimits& bands, ChannelList& channels) {
  DecodeChannelBlock(image, bands, channels);
}

}  // namespace kt740
