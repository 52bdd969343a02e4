// A started program with the source tree's language files, a fresh per-user folder, a scripted
// Notifier and its own settings file.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <memory>

#include "program/program_state.h"
#include "program/startup.h"
#include "support/recording_notifier.h"
#include "support/temp_dir.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace kt740::test {

class UiFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
    state.app.folders.userDir = user.file("config");
    settings =
        std::make_unique<QSettings>(QString::fromStdString(user.file("KT_740.ini")), QSettings::IniFormat);
  }

  void Start(const std::string& locale = "en_US") {
    StartupEnvironment env;
    env.systemLocale = locale;
    env.today = {2026, 3, 7};
    RunStartup(state, env);
  }

  TempDir user;
  ProgramState state;
  RecordingNotifier notifier;
  std::unique_ptr<QSettings> settings;
};

}  // namespace kt740::test
