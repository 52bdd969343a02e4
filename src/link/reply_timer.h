// The one-shot timer that bounds the wait for each reply of the radio.
#pragma once

#include <functional>

namespace kt740 {

constexpr int kReplyTimeoutMs = 300;

class ReplyTimer {
 public:
  virtual ~ReplyTimer() = default;
  // One shot: after `milliseconds` the time-out event fires once, unless Stop came first.
  // Starting a running timer starts it afresh.
  virtual void Start(int milliseconds) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;

  void SetTimeoutHandler(std::function<void()> handler) { onTimeout_ = std::move(handler); }

 protected:
  void RaiseTimeout() {
    if (onTimeout_) onTimeout_();
  }

 private:
  std::function<void()> onTimeout_;
};

}  // namespace kt740
