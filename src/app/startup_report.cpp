#include "app/startup_report.h"

#include <sstream>

#include "program/program_state.h"

namespace kt740 {

std::string StartupReport(const ProgramState& s) {
  std::ostringstream out;
  const AppState& a = s.app;
  out << "KT_740[" << a.ModelDisplayName << ":" << a.BandText << "]\n"
      << "Program folder: " << a.folders.programDir << "\n"
      << "Settings folder: " << a.folders.userDir << "\n"
      << "Language: " << a.LanguageFile << " (" << a.LanguageId << ")\n"
      << "Serial port: COM" << a.ComPort << "\n"
      << "Model: " << a.ModelName << ", code " << a.ModelCode << ", version " << a.VersionText << "\n"
      << "Configuration: " << a.CurrentFileName << (a.Untitled ? " (untitled)" : "") << ", "
      << s.current.channels.ChannelCount << " channel(s)\n"
      << "Features: DTMF " << a.Flags.DTMFEnabled << ", 2-Tone " << a.Flags.TwoToneEnabled << ", 5-Tone "
      << a.Flags.FiveToneEnabled << ", switches shown " << a.Flags.FeatureMenusShown << "\n";
  return out.str();
}

}  // namespace kt740
