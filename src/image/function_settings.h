// Function options, programmable keys, scan and emergency-alarm settings.
#pragma once

#include <array>
#include <cstdint>

#include "core/fixed_text.h"

namespace kt740 {

// Field order is the data file's order (61 bytes).
struct OptionSettings {
  int16_t Option0 = 0;        // FrmOption Combo1(0)
  int16_t Option1 = 0;        // FrmOption Combo1(1)
  int16_t Option2 = 0;        // FrmOption Combo1(2): channel Number - 1: 0..199, 200 "PA", 201 "PB"
  int16_t Option3 = 0;        // FrmOption Combo1(3)
  int16_t Option5 = 0;        // FrmOption Combo1(5)
  int16_t Option18 = 0;       // FrmOption Combo1(18), unlabelled, right of Combo1(0)
  int16_t Option7 = 0;        // FrmOption Combo1(7), never visible
  int16_t Option8 = 0;        // FrmOption Combo1(8)
  int16_t Option9 = 0;        // FrmOption Combo1(9)
  int16_t Option10 = 0;       // FrmOption Combo1(10)
  int16_t Option11 = 0;       // FrmOption Combo1(11)
  int16_t Option12 = 0;       // FrmOption Combo1(12)
  int16_t Option14 = 0;       // FrmOption Combo1(14); 0: key function 10 not allowed on the short presses
  int16_t OptionSwitch3 = 0;  // FrmOption Check1(3)
  int16_t Option15 = 0;       // FrmOption Combo1(15), never visible
  int16_t OptionSwitch0 = 0;  // FrmOption Check1(0)
  int16_t OptionSwitch1 = 0;  // FrmOption Check1(1)
  int16_t OptionSwitch2 = 0;  // FrmOption Check1(2)
  int16_t Option16 = 0;       // FrmOption Combo1(16)
  int16_t Option17 = 0;       // FrmOption Combo1(17)
  int16_t Option4 = 0;        // FrmOption Combo1(4), never visible; record only (not in the image)
  int16_t Option6 = 0;        // FrmOption Combo1(6), never visible; record only (not in the image)
  int16_t Option13 = 0;       // FrmOption Combo1(13), never visible; record only (not in the image)
  FixedText<7> PowerOnMessage = FixedText<7>::From("Welcome");
  int16_t PowerOnPasswordEnabled = 0;  // FrmOption Check2
  FixedText<6> PowerOnPassword = NulTerminatedText<6>("");

  bool operator==(const OptionSettings&) const = default;
};

// Slots 0..4 short press P1..P5, 5..9 long press, 10..14 FUNC+P1..P5; function numbers 0..20.
constexpr int kKeySlots = 15;
using KeyAssignments = std::array<uint8_t, kKeySlots>;

struct ScanSettings {
  uint8_t ScanMode = 0;
  uint8_t PriorityMode = 0;
  uint8_t RevertChoice = 0;
  uint8_t ScanBackTimeA = 5;
  uint8_t ScanBackTimeB = 5;
  uint8_t RxResumeDelay = 0;
  uint8_t TxResumeDelay = 0;
  uint8_t ScanType = 0;
  uint8_t ScanEntryTone = 0;
  uint8_t ScanWaitTime = 0;
  uint8_t PriorityGroup1 = 0;
  uint8_t PriorityChannel1 = 0;  // channel Number, 0 = none
  uint8_t PriorityGroup2 = 0;
  uint8_t PriorityChannel2 = 0;  // channel Number, 0 = none

  bool operator==(const ScanSettings&) const = default;
};

// AlertSettings::AlarmIdType: which call identifies the alarm.
namespace alarm_id_type {
constexpr uint8_t kNone = 0;
constexpr uint8_t kDtmf = 1;
constexpr uint8_t kFiveTone = 2;
}  // namespace alarm_id_type

struct AlertSettings {
  uint8_t AlarmMode = 0;
  uint8_t AlarmIdType = 0;  // alarm_id_type::
  uint8_t AlarmIdIndex = 0;
  uint8_t AlarmTime = 0;
  uint8_t AlarmTxTime = 0;
  uint8_t AlarmRxTime = 0;
  uint8_t AlarmChannelSelect = 0;
  uint8_t EmergencyChannel = 0;  // channel Number, 0 = none
  uint8_t AlarmCycle = 0;
  uint8_t LoneWorkerAutoDetect = 0;
  uint8_t PreAlertTime = 1;
  uint8_t LoneWorkerTime = 5;

  bool operator==(const AlertSettings&) const = default;
};

}  // namespace kt740
