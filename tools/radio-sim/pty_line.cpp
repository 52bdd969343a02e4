#include "pty_line.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kt740::sim {

PtyLine::~PtyLine() {
  if (slave_ >= 0) close(slave_);
  if (master_ >= 0) close(master_);
}

bool PtyLine::Open(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  const char* name = ptsname(master_);
  if (!name) {
    error = "no name for the pseudo-terminal";
    return false;
  }
  path_ = name;
  slave_ = open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    error = "cannot open " + path_ + ": " + std::strerror(errno);
    return false;
  }
  // Raw until a client sets its own line settings: no echo by the line discipline, no
  // translation of line ends.
  termios tio{};
  if (tcgetattr(slave_, &tio) == 0) {
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
  }
  const int flags = fcntl(master_, F_GETFL);
  fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  return true;
}

Clock::duration PacedOutput::ByteTime() const {
  return std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(10.0 / static_cast<double>(baud_)));
}

void PacedOutput::Arrive(Clock::time_point now) {
  if (baud_ <= 0) return;
  line_ = std::max(line_, now) + ByteTime();
}

void PacedOutput::Push(Clock::time_point now, uint8_t byte) {
  if (baud_ <= 0) {
    queue_.push_back({now, byte});
    return;
  }
  line_ = std::max(line_, now) + ByteTime();
  queue_.push_back({line_, byte});
}

bool PacedOutput::WriteDue(int fd, Clock::time_point now) {
  std::vector<uint8_t> chunk;
  std::size_t due = 0;
  while (due < queue_.size() && queue_[due].due <= now) chunk.push_back(queue_[due++].byte);
  if (chunk.empty()) return true;
  const ssize_t n = write(fd, chunk.data(), chunk.size());
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return false;
  // Any other error: the line is gone; what was due is lost, as on a cable with no one on it.
  const std::size_t written = n < 0 ? due : static_cast<std::size_t>(n);
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(written));
  return written == chunk.size() || n < 0;
}

}  // namespace kt740::sim
