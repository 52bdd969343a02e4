// Link benchmark: a full read and a full write against kt740-radio-sim paced at 9600 baud,
// each timed and set against the line time (bytes the PC sends plus bytes the radio side
// sends, echo included, at 960 bytes a second). Not a test: run it by hand.
//   link_bench [path/to/kt740-radio-sim]
#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "core/notifier.h"
#include "link/link_session.h"
#include "platform/qt_reply_timer.h"
#include "platform/qt_serial_transport.h"
#include "program/program_state.h"
#include "program/radio_link.h"

namespace {

// Counts every byte that crosses the line in either direction.
class CountingTransport : public kt740::QtSerialTransport {
 public:
  bool Write(std::span<const uint8_t> bytes) override {
    sent += bytes.size();
    return QtSerialTransport::Write(bytes);
  }
  std::vector<uint8_t> ReadAll() override {
    auto b = QtSerialTransport::ReadAll();
    received += b.size();
    return b;
  }
  std::size_t sent = 0;
  std::size_t received = 0;
};

class EndObserver : public kt740::LinkObserver {
 public:
  void SessionEnded(kt740::LinkMode, kt740::LinkOutcome outcome) override {
    success = outcome == kt740::LinkOutcome::Succeeded;
    if (loop) loop->quit();
  }
  QEventLoop* loop = nullptr;
  bool success = false;
};

bool Measure(const char* name, const std::string& device, bool write) {
  kt740::ProgramState state;
  state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
  state.app.ComPortDevice = device;
  kt740::SilentNotifier notifier;
  EndObserver observer;
  CountingTransport transport;
  kt740::QtReplyTimer timer;
  kt740::ProgramLinkSession session(state, transport, timer, notifier, observer);
  QEventLoop loop;
  observer.loop = &loop;
  const auto t0 = std::chrono::steady_clock::now();
  const bool started = write ? kt740::StartWriteAll(session) : kt740::StartReadAll(session);
  if (!started) {
    std::cerr << name << ": the session did not start\n";
    return false;
  }
  loop.exec();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  const double lineSeconds = static_cast<double>(transport.sent + transport.received) / 960.0;
  std::printf("%-6s %s  %.2f s, line time %.2f s (%zu bytes sent, %zu received): ratio %.4f\n", name,
              observer.success ? "ok    " : "FAILED", seconds, lineSeconds, transport.sent,
              transport.received, seconds / lineSeconds);
  return observer.success;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString sim = argc > 1 ? QString(argv[1]) : QString(KT740_RADIO_SIM);
  QProcess radio;
  radio.start(sim, {"--baud", "9600"});
  if (!radio.waitForStarted() || !radio.waitForReadyRead(5000)) {
    std::cerr << "cannot start " << sim.toStdString() << "\n";
    return 1;
  }
  const std::string device = QString::fromLocal8Bit(radio.readLine()).trimmed().toStdString();
  std::printf("simulated radio on %s, paced at 9600 baud\n", device.c_str());
  const bool ok = Measure("read", device, false) && Measure("write", device, true);
  radio.terminate();
  radio.waitForFinished(3000);
  return ok ? 0 : 1;
}
