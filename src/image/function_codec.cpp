// The function-settings blocks: programmable keys (0x01F0), scan (0x03B0), alarm and lone
// worker (0x03A0) and the function options (0x0220, with the password at 0x0210 and the power-on
// message at 0x03E0).
#include <cstddef>
#include <cstdint>

#include "image/codecs.h"
#include "image/encodings.h"
#include "image/run_encoder.h"
#include "image/text_bytes.h"

namespace kt740 {
namespace {

constexpr std::size_t kKeyBase = 0x01F0;
constexpr std::size_t kPasswordBase = 0x0210;
constexpr std::size_t kMessageBase = 0x03E0;
constexpr std::size_t kOptionSwitchesA = 0x0230;  // bit 0 Option14, 1 OptionSwitch3, 2 AniEnabled
constexpr std::size_t kOptionSwitchesB = 0x0233;  // bit 0 OptionSwitch0, 1 OptionSwitch1, 3 OptionSwitch2

// The single-field bytes of the option block in address order. An entry names an option field,
// a DTMF field (the two DTMF values that live here) or neither (written as 0x00, never read).
// 0x0224, 0x0236 and 0x0237 are neither written nor read.
struct OptionByte {
  uint16_t address;
  int16_t OptionSettings::*option;
  int16_t DtmfSettings::*dtmf;
};

constexpr OptionByte kOptionBytes[] = {
    {0x0220, &OptionSettings::Option0, nullptr},
    {0x0221, &OptionSettings::Option1, nullptr},
    {0x0222, &OptionSettings::Option2, nullptr},
    {0x0223, &OptionSettings::Option3, nullptr},
    {0x0225, &OptionSettings::Option5, nullptr},
    {0x0226, &OptionSettings::Option18, nullptr},
    {0x0227, &OptionSettings::Option7, nullptr},
    {0x0228, &OptionSettings::Option8, nullptr},
    {0x0229, nullptr, nullptr},
    {0x022A, nullptr, nullptr},
    {0x022B, &OptionSettings::Option9, nullptr},
    {0x022C, &OptionSettings::Option10, nullptr},
    {0x022D, nullptr, nullptr},
    {0x022E, &OptionSettings::Option11, nullptr},
    {0x022F, &OptionSettings::Option12, nullptr},
    {0x0231, &OptionSettings::Option15, nullptr},
    {0x0232, nullptr, &DtmfSettings::DigitTime},
    {0x0234, &OptionSettings::Option16, nullptr},
    {0x0235, &OptionSettings::Option17, nullptr},
    {0x0238, &OptionSettings::PowerOnPasswordEnabled, nullptr},
};

// A byte of the scan or alarm block: stored as it is, or less one for the channel and group
// references (0 "none" stores as 0xFF). One table per block serves both directions.
enum class ByteStore { AsIs, MinusOne };

template <typename R>
struct SettingsByte {
  uint16_t address;
  uint8_t R::*field;
  ByteStore store;
};

constexpr SettingsByte<ScanSettings> kScanBytes[] = {
    {0x03B0, &ScanSettings::ScanMode, ByteStore::AsIs},
    {0x03B1, &ScanSettings::PriorityMode, ByteStore::AsIs},
    {0x03B2, &ScanSettings::RevertChoice, ByteStore::AsIs},
    {0x03B3, &ScanSettings::ScanBackTimeA, ByteStore::AsIs},
    {0x03B4, &ScanSettings::ScanBackTimeB, ByteStore::AsIs},
    {0x03B5, &ScanSettings::RxResumeDelay, ByteStore::AsIs},
    {0x03B6, &ScanSettings::TxResumeDelay, ByteStore::AsIs},
    {0x03B7, &ScanSettings::ScanType, ByteStore::AsIs},
    {0x03B8, &ScanSettings::ScanEntryTone, ByteStore::AsIs},
    {0x03B9, &ScanSettings::ScanWaitTime, ByteStore::AsIs},
    {0x03BA, &ScanSettings::PriorityGroup1, ByteStore::MinusOne},
    {0x03BB, &ScanSettings::PriorityChannel1, ByteStore::MinusOne},
    {0x03BC, &ScanSettings::PriorityGroup2, ByteStore::MinusOne},
    {0x03BD, &ScanSettings::PriorityChannel2, ByteStore::MinusOne},
};

// 0x03A7 is neither written nor read.
constexpr SettingsByte<AlertSettings> kAlertBytes[] = {
    {0x03A0, &AlertSettings::AlarmMode, ByteStore::AsIs},
    {0x03A1, &AlertSettings::AlarmIdType, ByteStore::AsIs},
    {0x03A2, &AlertSettings::AlarmIdIndex, ByteStore::AsIs},
    {0x03A3, &AlertSettings::AlarmTime, ByteStore::AsIs},
    {0x03A4, &AlertSettings::AlarmTxTime, ByteStore::AsIs},
    {0x03A5, &AlertSettings::AlarmRxTime, ByteStore::AsIs},
    {0x03A6, &AlertSettings::AlarmChannelSelect, ByteStore::AsIs},
    {0x03A8, &AlertSettings::EmergencyChannel, ByteStore::MinusOne},
    {0x03A9, &AlertSettings::AlarmCycle, ByteStore::AsIs},
    {0x03AA, &AlertSettings::LoneWorkerAutoDetect, ByteStore::AsIs},
    {0x03AB, &AlertSettings::PreAlertTime, ByteStore::AsIs},
    {0x03AC, &AlertSettings::LoneWorkerTime, ByteStore::AsIs},
};

template <typename R, std::size_t N>
void WriteSettingsBytes(const R& record, const SettingsByte<R> (&table)[N], MemoryImage& image) {
  for (const SettingsByte<R>& b : table) {
    const uint8_t value = record.*b.field;
    image[b.address] = b.store == ByteStore::MinusOne ? StoreMinusOne(value) : value;
  }
}

template <typename R, std::size_t N>
void ReadSettingsBytes(const MemoryImage& image, const SettingsByte<R> (&table)[N], R& record) {
  for (const SettingsByte<R>& b : table) {
    const uint8_t stored = image[b.address];
    record.*b.field = b.store == ByteStore::MinusOne ? LoadPlusOne(stored) : stored;
  }
}

bool Bit(uint8_t byte, int bit) {
  return ((byte >> bit) & 1) != 0;
}

// Characters up to the first 0x00 or 0xFF; a shorter text than the field ends with a NUL.
template <std::size_t N>
FixedText<N> ReadOptionText(const MemoryImage& image, std::size_t address) {
  return NulTerminatedText<N>(ReadTextBytes(image, address, N));
}

}  // namespace

void SetCommDataByKey(const KeyAssignments& keys, MemoryImage& image) {
  for (std::size_t i = 0; i < keys.size(); ++i) image[kKeyBase + i] = keys[i];
}

void GetCommDataByKey(const MemoryImage& image, KeyAssignments& keys) {
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = image[kKeyBase + i];
}

void SetCommDataByScan(const ScanSettings& scan, MemoryImage& image) {
  WriteSettingsBytes(scan, kScanBytes, image);
}

void GetCommDataByScan(const MemoryImage& image, ScanSettings& scan) {
  ReadSettingsBytes(image, kScanBytes, scan);
}

void SetCommDataByAlert(const AlertSettings& alert, MemoryImage& image) {
  WriteSettingsBytes(alert, kAlertBytes, image);
}

void GetCommDataByAlert(const MemoryImage& image, AlertSettings& alert) {
  ReadSettingsBytes(image, kAlertBytes, alert);
}

bool SetCommDataByOption(const OptionSettings& o, const DtmfSettings& d, MemoryImage& image,
                         Notifier& notifier) {
  return RunEncoder(notifier, "SetCommDataByOption", [&] {
    for (const OptionByte& b : kOptionBytes) {
      int value = 0;
      if (b.option != nullptr) value = o.*b.option;
      if (b.dtmf != nullptr) value = d.*b.dtmf;
      image[b.address] = CheckedByte(value);
    }
    image[kOptionSwitchesA] = CheckedByte(4 * d.AniEnabled + 2 * o.OptionSwitch3 + o.Option14);
    image[kOptionSwitchesB] = CheckedByte(o.OptionSwitch0 + 2 * o.OptionSwitch1 + 8 * o.OptionSwitch2);
    WriteTextBytes(image, kMessageBase, o.PowerOnMessage.trimmed(), 7, 0x00);
    WriteTextBytes(image, kPasswordBase, o.PowerOnPassword.trimmed(), 6, 0x00);
  });
}

// Option4, Option6 and Option13 live in the record only and keep their values.
void GetCommDataByOption(const MemoryImage& image, OptionSettings& o, DtmfSettings& d) {
  for (const OptionByte& b : kOptionBytes) {
    if (b.option != nullptr) o.*b.option = image[b.address];
    if (b.dtmf != nullptr) d.*b.dtmf = image[b.address];
  }
  if (o.Option18 > 1) o.Option18 = 0;
  const uint8_t a = image[kOptionSwitchesA];
  o.Option14 = Bit(a, 0);
  o.OptionSwitch3 = Bit(a, 1);
  d.AniEnabled = Bit(a, 2);
  const uint8_t b = image[kOptionSwitchesB];
  o.OptionSwitch0 = Bit(b, 0);
  o.OptionSwitch1 = Bit(b, 1);
  o.OptionSwitch2 = Bit(b, 3);
  o.PowerOnPassword = ReadOptionText<6>(image, kPasswordBase);
  o.PowerOnMessage = ReadOptionText<7>(image, kMessageBase);
}

}  // namespace kt740
