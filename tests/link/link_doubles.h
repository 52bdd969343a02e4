// Test doubles of the link's seams: a manual reply timer, a transport that records what the PC
// sends and delivers scripted replies, and one that puts the simulated radio behind the cable.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "link/link_observer.h"
#include "link/link_protocol.h"
#include "link/reply_timer.h"
#include "link/serial_transport.h"
#include "sim_radio.h"

namespace kt740::test {

class ManualTimer : public ReplyTimer {
 public:
  void Start(int ms) override {
    active = true;
    interval = ms;
    ++starts;
  }
  void Stop() override { active = false; }
  bool IsActive() const override { return active; }
  // The time-out, when the timer runs.
  bool Fire() {
    if (!active) return false;
    active = false;
    elapsedMs += interval;
    RaiseTimeout();
    return true;
  }

  bool active = false;
  int interval = 0;
  int starts = 0;
  long elapsedMs = 0;
};

// Records every write; Deliver puts bytes in the input buffer and raises the receive event when
// the threshold is reached, as the serial control does.
class ScriptedTransport : public SerialTransport {
 public:
  bool SetDevice(const std::string& d) override {
    device = d;
    return deviceOk;
  }
  bool SetLineSettings(const LineSettings& s) override {
    line = s;
    return true;
  }
  bool SetHardwareHandshake(bool on) override {
    rtsCts = on;
    return true;
  }
  bool Open() override {
    ++opens;
    open = openOk;
    return open;
  }
  void Close() override { open = false; }
  bool IsOpen() const override { return open; }
  void SetReceiveThreshold(std::size_t n) override { threshold = n; }
  void ClearBuffers() override {
    input.clear();
    ++clears;
  }
  bool Write(std::span<const uint8_t> bytes) override {
    writes.emplace_back(bytes.begin(), bytes.end());
    OnWrite(writes.back());
    return writeOk;
  }
  std::vector<uint8_t> ReadAll() override {
    std::vector<uint8_t> all(input.begin(), input.end());
    input.clear();
    return all;
  }

  void Deliver(const Bytes& bytes) {
    input.insert(input.end(), bytes.begin(), bytes.end());
    if (input.size() >= threshold) RaiseReceive();
  }
  // The echo of the last command followed by `reply`.
  void Answer(const Bytes& reply) {
    Bytes b = writes.back();
    b.insert(b.end(), reply.begin(), reply.end());
    Deliver(b);
  }

  const Bytes& Last() const { return writes.back(); }

  std::string device;
  LineSettings line;
  bool rtsCts = false;
  bool open = false;
  bool deviceOk = true;
  bool openOk = true;
  bool writeOk = true;
  int opens = 0;
  int clears = 0;
  std::size_t threshold = 0;
  std::vector<uint8_t> input;
  std::vector<Bytes> writes;

 protected:
  virtual void OnWrite(const Bytes&) {}
};

// The simulated radio behind the cable. Its answers wait until Pump hands them over, so that no
// reply arrives inside the write that caused it.
class SimTransport : public ScriptedTransport {
 public:
  explicit SimTransport(sim::SimOptions options) : radio(std::move(options)) {}

  // Hands over what the radio has sent; false when nothing was on the line.
  bool Pump() {
    if (inFlight.empty()) return false;
    Bytes b;
    b.swap(inFlight);
    Deliver(b);
    return true;
  }

  sim::SimRadio radio;
  Bytes inFlight;

 protected:
  void OnWrite(const Bytes& bytes) override {
    const Bytes out = radio.Receive(bytes);
    inFlight.insert(inFlight.end(), out.begin(), out.end());
  }
};

class RecordingObserver : public LinkObserver {
 public:
  void ShowProgress(LinkMode m) override {
    shown = true;
    shownMode = m;
  }
  void SetProgressValue(int p) override { progress.push_back(p); }
  void CloseProgress() override { closed = true; }
  void ImageRead(const MemoryImage& image) override { imageRead = image; }
  void Redraw() override { ++redraws; }
  void ShowEmbedInfo() override { ++infoShown; }
  std::optional<std::string> AskPassword(const std::string& current) override {
    passwordAsked.push_back(current);
    if (passwordAnswers.empty()) return std::nullopt;
    auto a = passwordAnswers.front();
    passwordAnswers.pop_front();
    return a;
  }
  void PasswordRefused() override { ++refused; }
  void SessionEnded(LinkMode m, LinkOutcome o) override {
    ended = true;
    endedMode = m;
    outcome = o;
    success = o == LinkOutcome::Succeeded;
  }

  bool shown = false;
  LinkMode shownMode = LinkMode::Idle;
  std::vector<int> progress;
  bool closed = false;
  MemoryImage imageRead;
  int redraws = 0;
  int infoShown = 0;
  std::vector<std::string> passwordAsked;
  std::deque<std::optional<std::string>> passwordAnswers;
  int refused = 0;
  bool ended = false;
  LinkMode endedMode = LinkMode::Idle;
  bool success = false;
  LinkOutcome outcome = LinkOutcome::Failed;
};

}  // namespace kt740::test
