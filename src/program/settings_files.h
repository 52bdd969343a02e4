// mysetup.ini (language section: first run, skin, port, factory channels) and Setting.ini
// (five 16-bit feature flags), both in the per-user folder.
#pragma once

#include <cstdint>
#include <string>

#include "program/app_state.h"

namespace kt740 {

struct MySetup {
  bool IsFirstRun = false;
  std::string Skin;
  int16_t ComPort = 1;
  int16_t FactoryFres = 0;
};

std::string MySetupPath(const Folders& folders);
std::string SettingIniPath(const Folders& folders);

// Missing or malformed keys take IsFirstRun false, ComPort 1, FactoryFres 0.
MySetup ReadMySetup(const std::string& path);
// Writes one key of the "language" section, keeping the rest of the file.
bool WriteMySetupValue(const std::string& path, const std::string& key, const std::string& value);

// Exactly 10 bytes; a missing or short file gives all five flags 0.
FeatureFlags ReadSettingIni(const std::string& path);
bool WriteSettingIni(const std::string& path, const FeatureFlags& flags);

// Copies mysetup.ini and Setting.ini from the program folder into the per-user folder when the
// per-user folder does not have them yet.
void SeedUserFolder(const Folders& folders);

}  // namespace kt740
