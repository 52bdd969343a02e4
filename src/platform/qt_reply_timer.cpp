#include "platform/qt_reply_timer.h"

namespace kt740 {

QtReplyTimer::QtReplyTimer() {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { RaiseTimeout(); });
}

void QtReplyTimer::Start(int milliseconds) {
  timer_.start(milliseconds);
}

void QtReplyTimer::Stop() {
  timer_.stop();
}

bool QtReplyTimer::IsActive() const {
  return timer_.isActive();
}

}  // namespace kt740
