#include "program/startup.h"

#include "link/port_list.h"
#include "program/band_text.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"
#include "program/settings_files.h"

namespace kt740 {

uint16_t LocaleIdFromName(std::string_view name) {
  std::string n;
  for (char c : name) n.push_back(c == '-' ? '_' : c);
  const bool chinese = n.rfind("zh", 0) == 0;
  const bool prc = n.find("_CN") != std::string::npos || n == "zh" || n.rfind("zh_Hans", 0) == 0;
  const bool otherRegion = n.find("_TW") != std::string::npos || n.find("_HK") != std::string::npos ||
                           n.find("_MO") != std::string::npos || n.find("_SG") != std::string::npos;
  return (chinese && prc && !otherRegion) ? 0x0804 : 0x0409;
}

void CheckRememberedPort(AppState& app, const PortList& ports) {
  if (app.IsVistaOS) return;
  app.ComPort = static_cast<int16_t>(RememberedPortOrFirst(ports, app.ComPort));
}

void SetLanguage(AppState& app, int16_t languageId) {
  app.LanguageId = languageId == kLanguageChinese ? kLanguageChinese : kLanguageEnglish;
  app.LanguageFile = app.LanguageId == kLanguageChinese ? "chinese.ini" : "english.ini";
  app.LanguagePath = "language/" + app.LanguageFile;
}

void RunStartup(ProgramState& state, const StartupEnvironment& env) {
  AppState& app = state.app;
  app.InitialSetupMode = false;
  // Every number text of the program is formatted and parsed with "." whatever the locale,
  // so the decimal separator of the user's locale is neither changed nor restored.
  SetLanguage(app, LocaleIdFromName(env.systemLocale) == 0x0804 ? kLanguageChinese : kLanguageEnglish);

  app.ModelName = "RB-5100";
  app.ModelDisplayName = "KT-740";
  app.ModelCode = 7;
  app.VersionText = "V100";
  state.current.settings.Bands = BandLimits{136, 174, 136, 174};
  ApplyBandLimits(app, state.current.settings.Bands);
  app.IsVistaOS = false;

  SeedUserFolder(app.folders);
  const std::string setupPath = MySetupPath(app.folders);
  const MySetup setup = ReadMySetup(setupPath);
  app.IsFirstRun = setup.IsFirstRun;
  app.ComPort = setup.ComPort;
  app.FactoryFres = setup.FactoryFres;
  if (env.ports) CheckRememberedPort(app, *env.ports);
  if (app.IsFirstRun) WriteMySetupValue(setupPath, "IsFirstRun", "0");
  WriteMySetupValue(setupPath, "comPort", std::to_string(app.ComPort));

  app.EditPosition = {};
  ResetAllData(state);
  state.embedInfo = DefaultEmbedInfo(env.today);
  app.Flags = ReadSettingIni(SettingIniPath(app.folders));
}

}  // namespace kt740
