// The reply timer on a single-shot QTimer of the event loop.
#pragma once

#include <QTimer>

#include "link/reply_timer.h"

namespace kt740 {

class QtReplyTimer : public ReplyTimer {
 public:
  QtReplyTimer();
  void Start(int milliseconds) override;
  void Stop() override;
  bool IsActive() const override;

 private:
  QTimer timer_;
};

}  // namespace kt740
