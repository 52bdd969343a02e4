// The desktop application: start-up to the main window shown, and ShowListByData for a full
// channel list (203 records).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/notifier.h"
#include "program/program_state.h"
#include "program/startup.h"
#include "ui/main/channel_grid.h"
#include "ui/main/frm_main.h"

namespace kt740 {
namespace {

void Prepare(ProgramState& state, const QTemporaryDir& user) {
  state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
  state.app.folders.userDir = user.filePath("config").toStdString();
  StartupEnvironment env;
  env.systemLocale = "en_US";
  RunStartup(state, env);
}

void FillAllChannels(ProgramState& state) {
  ChannelList& list = state.current.channels;
  list.ChannelCount = 0;
  for (int n = 1; n <= kChannelSlots; ++n) {
    ChannelRecord r;
    r.Number = static_cast<int16_t>(n);
    r.InUse = 1;
    const std::string rx = "0" + std::to_string(14000000 + n * 2500);
    r.RxFreq = FixedText<9>::From(rx);
    r.Offset = FixedText<9>::From("000060000");
    r.OffsetDir = static_cast<int16_t>(n % 3);
    r.Name = NulTerminatedText<7>("CH" + std::to_string(n));
    r.Tone1Type = static_cast<int16_t>(n % 3);
    r.Tone1Dcs = 19;
    r.Tone1Ctcss = 12;
    r.Tone2Type = 1;
    r.Signalling = static_cast<int16_t>(n % 4);
    r.Step = 5;
    list.records[static_cast<std::size_t>(list.ChannelCount++)] = r;
  }
}

// In-process: the start-up steps, the main window's load, show and first paint.
void BM_StartupToMainWindowShown(benchmark::State& st) {
  for (auto _ : st) {
    QTemporaryDir user;
    QSettings settings(user.filePath("KT_740.ini"), QSettings::IniFormat);
    SilentNotifier notifier;
    ProgramState state;
    Prepare(state, user);
    FrmMain window(state, notifier, settings);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) st.SkipWithError("window not exposed");
    window.repaint();
    benchmark::DoNotOptimize(window.isVisible());
    st.PauseTiming();
    window.hide();
    st.ResumeTiming();
  }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond)->Iterations(10);

// The whole program: a new kt740 process until its main window has shown and painted.
void BM_ProcessStartupToMainWindowShown(benchmark::State& st) {
  for (auto _ : st) {
    QTemporaryDir user;
    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KT740_CONFIG_DIR", user.path());
    app.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    app.start(QStringLiteral(KT740_APP_PATH), {"--no-splash", "--exit-when-shown"});
    if (!app.waitForFinished(20000) || app.exitCode() != 0) st.SkipWithError("kt740 did not start");
    st.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
}
BENCHMARK(BM_ProcessStartupToMainWindowShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// repaint 1: the grid's visible rows are painted too, as the user waits for them.
void BM_ShowListByData(benchmark::State& st) {
  const bool paint = st.range(0) != 0;
  QTemporaryDir user;
  QSettings settings(user.filePath("KT_740.ini"), QSettings::IniFormat);
  SilentNotifier notifier;
  ProgramState state;
  Prepare(state, user);
  FillAllChannels(state);
  FrmMain window(state, notifier, settings);
  window.resize(1200, 800);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) st.SkipWithError("window not exposed");
  for (auto _ : st) {
    window.ShowListByData();
    if (paint) window.grid().viewport()->repaint();
  }
  st.counters["channels"] = state.current.channels.ChannelCount;
}
BENCHMARK(BM_ShowListByData)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kt740

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
