// The function-settings blocks: programmable keys (0x01F0), scan (0x03B0), alarm and lone
// worker (0x03A0) and the function options (0x0220, with the password at 0x0210 and the power-on
// message at 0x03E0).
#include <cstddef>
#include <cstdint>

#include "image/codecs.h"
#include "image/encodings.h"
#include "image/text_bytes.h"
#include "program/comm_data.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

constexpr std::size_t kKeyBase = 0x01F0;
constexpr std::size_t kScanBase = 0x03B0;
constexpr std::size_t kAlertBase = 0x03A0;
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

bool Bit(uint8_t byte, int bit) {
  return ((byte >> bit) & 1) != 0;
}

// Characters up to the first 0x00 or 0xFF; a shorter text than the field ends with a NUL.
template <std::size_t N>
FixedText<N> ReadOptionText(const MemoryImage& image, std::size_t address) {
  return NulTerminatedText<N>(ReadTextBytes(image, address, N));
}

}  // namespace

void SetCommDataByKey(ProgramState& state, Notifier&) {
  const KeyAssignments& keys = state.current.settings.Signalling.Keys;
  for (std::size_t i = 0; i < keys.size(); ++i) state.image[kKeyBase + i] = keys[i];
}

void GetCommDataByKey(ProgramState& state) {
  KeyAssignments& keys = state.current.settings.Signalling.Keys;
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = state.image[kKeyBase + i];
}

// Bytes 0..9 as they are; the group and channel references stored less one (0 "none" -> 0xFF).
void SetCommDataByScan(ProgramState& state, Notifier&) {
  const ScanSettings& s = state.current.settings.Signalling.Scan;
  MemoryImage& image = state.image;
  const uint8_t plain[] = {s.ScanMode,      s.PriorityMode,  s.RevertChoice, s.ScanBackTimeA, s.ScanBackTimeB,
                           s.RxResumeDelay, s.TxResumeDelay, s.ScanType,     s.ScanEntryTone, s.ScanWaitTime};
  for (std::size_t i = 0; i < std::size(plain); ++i) image[kScanBase + i] = plain[i];
  image[0x03BA] = StoreMinusOne(s.PriorityGroup1);
  image[0x03BB] = StoreMinusOne(s.PriorityChannel1);
  image[0x03BC] = StoreMinusOne(s.PriorityGroup2);
  image[0x03BD] = StoreMinusOne(s.PriorityChannel2);
}

void GetCommDataByScan(ProgramState& state) {
  ScanSettings& s = state.current.settings.Signalling.Scan;
  const MemoryImage& image = state.image;
  uint8_t* plain[] = {&s.ScanMode,      &s.PriorityMode,  &s.RevertChoice, &s.ScanBackTimeA, &s.ScanBackTimeB,
                      &s.RxResumeDelay, &s.TxResumeDelay, &s.ScanType,     &s.ScanEntryTone, &s.ScanWaitTime};
  for (std::size_t i = 0; i < std::size(plain); ++i) *plain[i] = image[kScanBase + i];
  s.PriorityGroup1 = LoadPlusOne(image[0x03BA]);
  s.PriorityChannel1 = LoadPlusOne(image[0x03BB]);
  s.PriorityGroup2 = LoadPlusOne(image[0x03BC]);
  s.PriorityChannel2 = LoadPlusOne(image[0x03BD]);
}

// 0x03A0-0x03A6 AlarmMode..AlarmChannelSelect, 0x03A7 untouched, 0x03A8 EmergencyChannel less
// one, 0x03A9-0x03AC AlarmCycle..LoneWorkerTime.
void SetCommDataByAlert(ProgramState& state, Notifier&) {
  const AlertSettings& a = state.current.settings.Signalling.Alert;
  MemoryImage& image = state.image;
  const uint8_t head[] = {a.AlarmMode,   a.AlarmIdType, a.AlarmIdIndex,      a.AlarmTime,
                          a.AlarmTxTime, a.AlarmRxTime, a.AlarmChannelSelect};
  for (std::size_t i = 0; i < std::size(head); ++i) image[kAlertBase + i] = head[i];
  image[0x03A8] = StoreMinusOne(a.EmergencyChannel);
  image[0x03A9] = a.AlarmCycle;
  image[0x03AA] = a.LoneWorkerAutoDetect;
  image[0x03AB] = a.PreAlertTime;
  image[0x03AC] = a.LoneWorkerTime;
}

void GetCommDataByAlert(ProgramState& state) {
  AlertSettings& a = state.current.settings.Signalling.Alert;
  const MemoryImage& image = state.image;
  uint8_t* head[] = {&a.AlarmMode,   &a.AlarmIdType, &a.AlarmIdIndex,      &a.AlarmTime,
                     &a.AlarmTxTime, &a.AlarmRxTime, &a.AlarmChannelSelect};
  for (std::size_t i = 0; i < std::size(head); ++i) *head[i] = image[kAlertBase + i];
  a.EmergencyChannel = LoadPlusOne(image[0x03A8]);
  a.AlarmCycle = image[0x03A9];
  a.LoneWorkerAutoDetect = image[0x03AA];
  a.PreAlertTime = image[0x03AB];
  a.LoneWorkerTime = image[0x03AC];
}

void SetCommDataByOption(ProgramState& state, Notifier& notifier) {
  RunEncoder(state, notifier, "SetCommDataByOption", [&] {
    const OptionSettings& o = state.current.settings.Signalling.Option;
    const DtmfSettings& d = state.current.settings.Signalling.Dtmf;
    MemoryImage& image = state.image;
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
void GetCommDataByOption(ProgramState& state) {
  OptionSettings& o = state.current.settings.Signalling.Option;
  DtmfSettings& d = state.current.settings.Signalling.Dtmf;
  const MemoryImage& image = state.image;
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
