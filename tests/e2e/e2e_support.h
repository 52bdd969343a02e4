// End-to-end helpers: a kt740-radio-sim process on its pseudo-terminal, and kt740-cli runs
// against it, each with their own per-user folder.
#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/notifier.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/startup.h"
#include "support/temp_dir.h"

namespace kt740::test {

using Memory = std::array<uint8_t, 0x4000>;

// QProcess wants an application object.
inline QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "e2e_tests";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

inline std::string ToBytes(const Memory& m) {
  return std::string(reinterpret_cast<const char*>(m.data()), m.size());
}

inline Memory FromBytes(const std::string& s) {
  Memory m{};
  for (std::size_t i = 0; i < m.size() && i < s.size(); ++i) m[i] = static_cast<uint8_t>(s[i]);
  return m;
}

// Random bytes everywhere, no programming password.
inline Memory RandomMemory(uint32_t seed) {
  std::mt19937 rng(seed);
  Memory m{};
  for (auto& b : m) b = static_cast<uint8_t>(rng());
  for (int i = 0x4C; i < 0x50; ++i) m[static_cast<std::size_t>(i)] = 0xFF;
  return m;
}

// A state as kt740-cli prepares it, with its own per-user folder.
inline void PrepareLikeCli(ProgramState& state, const TempDir& dir) {
  state.app.folders = {KT740_SOURCE_DATA_DIR, dir.file("expect-config")};
  StartupEnvironment env;
  env.systemLocale = "en_US";
  RunStartup(state, env);
}

// A configuration file as the program saves a fresh one (the model template), with a few
// channels so that the write carries more than blank blocks.
inline bool SaveFreshConfig(const TempDir& dir, const std::string& path) {
  ProgramState state;
  PrepareLikeCli(state, dir);
  SilentNotifier notifier;
  return SaveDataFile(state, notifier, path);
}

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Each process run ends within this, so that a hang fails the test long before CTest's limit.
constexpr int kProcessLimitMs = 45000;

class SimRadioProcess {
 public:
  // Starts the simulator on `memory` with `options`; the device path is its first line. Without
  // a memory the simulator starts as it does with no memory file yet (the factory image, or
  // erased with --blank) and keeps its memory in radio.bin from then on.
  SimRadioProcess(const TempDir& dir, std::optional<Memory> memory, const QStringList& options) : dir_(dir) {
    App();
    if (memory) dir.Write("radio.bin", ToBytes(*memory));
    QStringList args = {"--memory", QString::fromStdString(dir.file("radio.bin")), "--log",
                        QString::fromStdString(dir.file("radio.log"))};
    args << options;
    process_.start(KT740_RADIO_SIM, args);
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
      device = QString::fromLocal8Bit(process_.readLine()).trimmed().toStdString();
  }
  ~SimRadioProcess() { Stop(); }
  SimRadioProcess(const SimRadioProcess&) = delete;
  SimRadioProcess& operator=(const SimRadioProcess&) = delete;

  // Ends the simulator, which saves its memory.
  void Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) process_.kill();
    process_.waitForFinished(1000);
  }

  Memory MemoryNow() {
    Stop();
    return FromBytes(dir_.Read("radio.bin"));
  }
  std::string Log() const { return dir_.Read("radio.log"); }

  std::string device;

 private:
  const TempDir& dir_;
  QProcess process_;
};

inline CliRun RunCli(const TempDir& dir, const QStringList& args, int timeoutMs = kProcessLimitMs) {
  App();
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("KT740_HOME", KT740_SOURCE_DATA_DIR);
  env.insert("KT740_CONFIG_DIR", QString::fromStdString(dir.file("config")));
  p.setProcessEnvironment(env);
  p.start(KT740_CLI, args);
  CliRun r;
  if (!p.waitForStarted(5000)) return r;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished(1000);
    r.err = "kt740-cli " + args.join(' ').toStdString() + " did not end within " +
            std::to_string(timeoutMs / 1000) + " s\n" + p.readAllStandardError().toStdString();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

}  // namespace kt740::test
