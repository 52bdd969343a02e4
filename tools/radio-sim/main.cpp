// kt740-radio-sim: a simulated radio behind a programming cable, on a pseudo-terminal.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "pty_line.h"
#include "sim_options.h"
#include "sim_radio.h"

namespace {

volatile sig_atomic_t g_stop = 0;

void OnSignal(int) {
  g_stop = 1;
}

// A command left half-received this long is forgotten, as the radio's inter-byte time-out does.
constexpr auto kCommandGap = std::chrono::milliseconds(100);

bool LoadMemory(const std::string& path, kt740::sim::SimRadio& radio, std::string& error) {
  std::error_code ec;
  if (path.empty() || !std::filesystem::exists(path, ec)) return true;
  std::ifstream in(path, std::ios::binary);
  std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (data.size() != kt740::sim::kMemorySize) {
    error = path + " is not a 16384-byte memory image";
    return false;
  }
  for (std::size_t i = 0; i < data.size(); ++i) radio.memory[i] = static_cast<uint8_t>(data[i]);
  return true;
}

void SaveMemory(const std::string& path, const kt740::sim::SimRadio& radio) {
  if (path.empty()) return;
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(radio.memory.data()),
              static_cast<std::streamsize>(radio.memory.size()));
    if (!out) return;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kt740::sim;
  SimCommandLine cmd;
  std::string error;
  if (!ParseSimCommandLine(argc, argv, cmd, error)) {
    std::cerr << "kt740-radio-sim: " << error << "\n(--help lists the options)\n";
    return 2;
  }
  if (cmd.help) {
    PrintSimHelp(std::cout);
    return 0;
  }
  SimRadio radio(cmd.radio);
  if (!LoadMemory(cmd.memoryFile, radio, error)) {
    std::cerr << "kt740-radio-sim: " << error << "\n";
    return 2;
  }
  if (cmd.password) radio.SetPassword(*cmd.password);
  std::ofstream log;
  if (!cmd.logFile.empty()) {
    log.open(cmd.logFile, std::ios::trunc);
    radio.onLog = [&log](const std::string& line) { log << line << '\n' << std::flush; };
  }
  radio.onEnd = [&] { SaveMemory(cmd.memoryFile, radio); };

  PtyLine line;
  if (!line.Open(error)) {
    std::cerr << "kt740-radio-sim: " << error << "\n";
    return 1;
  }

  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);
  // The signals are let through only while waiting, so none is lost between test and wait.
  sigset_t blocked, waiting;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGINT);
  sigaddset(&blocked, SIGTERM);
  sigprocmask(SIG_BLOCK, &blocked, &waiting);
  sigdelset(&waiting, SIGINT);
  sigdelset(&waiting, SIGTERM);

  std::cout << line.DevicePath() << std::endl;

  PacedOutput output(cmd.baud);
  Clock::time_point lastByte = Clock::now();
  bool blockedOnWrite = false;
  while (!g_stop) {
    const Clock::time_point now = Clock::now();
    Clock::time_point wake = Clock::time_point::max();
    if (!output.Empty() && !blockedOnWrite) wake = output.NextDue();
    if (radio.HasPartialCommand()) wake = std::min(wake, lastByte + kCommandGap);
    timespec ts{};
    timespec* timeout = nullptr;
    if (wake != Clock::time_point::max()) {
      const auto wait = std::max(Clock::duration::zero(), wake - now);
      const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
      ts.tv_sec = static_cast<time_t>(ns / 1000000000);
      ts.tv_nsec = static_cast<long>(ns % 1000000000);
      timeout = &ts;
    }
    pollfd pfd{line.MasterFd(), static_cast<short>(POLLIN | (blockedOnWrite ? POLLOUT : 0)), 0};
    const int ready = ppoll(&pfd, 1, timeout, &waiting);
    if (ready < 0 && errno != EINTR) break;
    if (g_stop) break;
    if (ready > 0 && (pfd.revents & POLLIN)) {
      uint8_t buf[4096];
      const ssize_t n = read(line.MasterFd(), buf, sizeof buf);
      const Clock::time_point at = Clock::now();
      if (n > 0) {
        if (radio.HasPartialCommand() && at - lastByte > kCommandGap) radio.ResetParser();
        lastByte = at;
        for (ssize_t i = 0; i < n; ++i) {
          output.Arrive(at);
          for (uint8_t b : radio.Receive(buf[i])) output.Push(at, b);
        }
      }
    }
    const Clock::time_point after = Clock::now();
    if (radio.HasPartialCommand() && after - lastByte > kCommandGap) radio.ResetParser();
    blockedOnWrite = !output.WriteDue(line.MasterFd(), after);
  }
  SaveMemory(cmd.memoryFile, radio);
  return 0;
}
