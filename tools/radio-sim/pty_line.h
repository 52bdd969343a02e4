// The simulator's end of a pseudo-terminal, and the pacing that makes it cost line time.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

namespace kt740::sim {

using Clock = std::chrono::steady_clock;

// The master side of a fresh pseudo-terminal in raw mode. The simulator keeps the slave side
// open itself, so that clients may come and go without the master seeing a hang-up.
class PtyLine {
 public:
  PtyLine() = default;
  ~PtyLine();
  PtyLine(const PtyLine&) = delete;
  PtyLine& operator=(const PtyLine&) = delete;

  bool Open(std::string& error);
  const std::string& DevicePath() const { return path_; }
  int MasterFd() const { return master_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

// Bytes waiting to go out, each with the moment it has crossed the line. With a baud rate every
// byte, in either direction, occupies the line for 10 bits: what the PC sends arrives one byte
// time after another, and each echoed or reply byte follows on the same line.
class PacedOutput {
 public:
  explicit PacedOutput(long baud) : baud_(baud) {}

  // A byte from the PC, read at `now`: the moment it has fully arrived.
  void Arrive(Clock::time_point now);
  void Push(Clock::time_point now, uint8_t byte);
  bool Empty() const { return queue_.empty(); }
  Clock::time_point NextDue() const { return queue_.front().due; }
  // Writes every byte that is due; false when the descriptor would block.
  bool WriteDue(int fd, Clock::time_point now);

 private:
  struct Item {
    Clock::time_point due;
    uint8_t byte;
  };
  Clock::duration ByteTime() const;

  long baud_;
  Clock::time_point line_{};
  std::deque<Item> queue_;
};

}  // namespace kt740::sim
