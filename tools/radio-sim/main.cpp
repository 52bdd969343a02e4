// kt740-radio-sim: a simulated radio behind a programming cable, on a pseudo-terminal.
#include <fcntl.h>
#include <signal.h>
#include <sys/select.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iostream>

#include "pty_line.h"
#include "sim_memory.h"
#include "sim_options.h"
#include "sim_radio.h"

namespace {

volatile sig_atomic_t g_stop = 0;
int g_wakeFd = -1;

// The self-pipe wakes the wait, so that a signal arriving just before it is not lost.
void OnSignal(int) {
  g_stop = 1;
  const char byte = 1;
  if (g_wakeFd >= 0) (void)!write(g_wakeFd, &byte, 1);
}

// SIGINT and SIGTERM end the simulator; wakeRead becomes readable when one arrives.
bool InstallSignals(int& wakeRead, std::string& error) {
  int fds[2];
  if (pipe(fds) != 0) {
    error = "cannot create a pipe";
    return false;
  }
  for (int fd : fds) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  wakeRead = fds[0];
  g_wakeFd = fds[1];
  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);
  return true;
}

// A command left half-received this long is forgotten, as the radio's inter-byte time-out does.
constexpr auto kCommandGap = std::chrono::milliseconds(100);

using kt740::sim::Clock;

// Microseconds, rounded up so that the wait never ends before a byte is due.
timeval WaitUntil(Clock::time_point wake, Clock::time_point now) {
  const auto wait = std::max(Clock::duration::zero(), wake - now);
  const auto us = std::chrono::ceil<std::chrono::microseconds>(wait).count();
  timeval tv{};
  tv.tv_sec = static_cast<time_t>(us / 1000000);
  tv.tv_usec = static_cast<suseconds_t>(us % 1000000);
  return tv;
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
  if (!LoadInitialMemory(cmd, radio, error)) {
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
  int wakeRead = -1;
  if (!line.Open(error) || !InstallSignals(wakeRead, error)) {
    std::cerr << "kt740-radio-sim: " << error << "\n";
    return 1;
  }
  std::cout << line.DevicePath() << std::endl;

  const int master = line.MasterFd();
  PacedOutput output(cmd.baud);
  Clock::time_point lastByte = Clock::now();
  bool blockedOnWrite = false;
  while (!g_stop) {
    const Clock::time_point now = Clock::now();
    Clock::time_point wake = Clock::time_point::max();
    if (!output.Empty() && !blockedOnWrite) wake = output.NextDue();
    if (radio.HasPartialCommand()) wake = std::min(wake, lastByte + kCommandGap);
    timeval tv{};
    timeval* timeout = nullptr;
    if (wake != Clock::time_point::max()) {
      tv = WaitUntil(wake, now);
      timeout = &tv;
    }
    fd_set readable, writable;
    FD_ZERO(&readable);
    FD_ZERO(&writable);
    FD_SET(master, &readable);
    FD_SET(wakeRead, &readable);
    if (blockedOnWrite) FD_SET(master, &writable);
    const int ready = select(std::max(master, wakeRead) + 1, &readable, &writable, nullptr, timeout);
    if (ready < 0 && errno != EINTR) break;
    if (g_stop) break;
    if (ready > 0 && FD_ISSET(master, &readable)) {
      uint8_t buf[4096];
      const ssize_t n = read(master, buf, sizeof buf);
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
    blockedOnWrite = !output.WriteDue(master, after);
  }
  SaveMemory(cmd.memoryFile, radio);
  return 0;
}
