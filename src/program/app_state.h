// The application state that start-up prepares and many subsystems share.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/language_texts.h"
#include "image/settings_record.h"

namespace kt740 {

// Setting.ini: five little-endian 16-bit flags, 0 = off.
struct FeatureFlags {
  int16_t FiveToneEnabled = 0;
  int16_t TwoToneEnabled = 0;
  int16_t DTMFEnabled = 0;
  int16_t Reserved = 0;  // set from the radio's identify reply while 0
  int16_t FeatureMenusShown = 0;

  bool operator==(const FeatureFlags&) const = default;
};

struct GridCell {
  int row = 0;
  int column = 0;
};

// Folders of the program: read-only data and the per-user folder where settings are written.
struct Folders {
  std::string programDir;  // language/, Init/, splash pictures
  std::string userDir;     // mysetup.ini, Setting.ini
};

constexpr int16_t kLanguageEnglish = static_cast<int16_t>(LanguageId::English);
constexpr int16_t kLanguageChinese = static_cast<int16_t>(LanguageId::Chinese);

struct AppState {
  int16_t LanguageId = kLanguageEnglish;
  std::string LanguageFile = "english.ini";
  std::string LanguagePath = "language/english.ini";  // relative to the program folder
  int16_t ComPort = 1;
  std::string ComPortDevice;  // device path chosen directly (a path or a simulated radio)
  bool IsFirstRun = false;
  int16_t FactoryFres = 0;
  bool InitialSetupMode = false;
  bool IsVistaOS = false;  // no platform of ours has the fixed-port-list quirk
  std::string ModelName = "RB-5100";
  std::string ModelDisplayName = "KT-740";
  int16_t ModelCode = 7;
  std::string VersionText = "V100";
  std::string BandText;
  std::string RxBandText;
  std::string TxBandText;
  BandLimits WorkingLimits;  // what every frequency check uses
  std::string CurrentFileName = "new.dat";
  std::string CurrentBookFileName = "new.cb";
  bool Untitled = true;
  FeatureFlags Flags;
  GridCell EditPosition;
  std::string InfoVersionText = "V1.00";
  Folders folders;
};

void SetLanguage(AppState& app, int16_t languageId);

}  // namespace kt740
