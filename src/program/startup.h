// The start-up steps that prepare the process before any window shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/embed_info.h"

namespace kt740 {

struct AppState;
struct ProgramState;
class Notifier;
class PortList;

// 0x0804 for a Chinese (PRC) locale name such as "zh_CN" or "zh-Hans-CN", 0x0409 otherwise.
uint16_t LocaleIdFromName(std::string_view localeName);

struct StartupEnvironment {
  std::string systemLocale;         // the system default locale's name
  CivilDate today;                  // for the information defaults
  const PortList* ports = nullptr;  // null skips the remembered-port check
};

// Start-up check: a remembered port that is not present becomes the first port (0 with none);
// nothing changes where the system keeps a fixed port list.
void CheckRememberedPort(AppState& app, const PortList& ports);

// Language, model, band texts, mysetup.ini (read and written back), the port check,
// ResetAllData, the information defaults and Setting.ini. state.app.folders must be set.
void RunStartup(ProgramState& state, const StartupEnvironment& env);

}  // namespace kt740
