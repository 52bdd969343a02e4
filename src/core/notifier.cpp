#include "core/notifier.h"

namespace kt740 {

Answer SilentNotifier::Ask(const std::string&, Buttons buttons, Icon) {
  switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
    case Buttons::RetryCancel:
      return Answer::Cancel;
  }
  return Answer::Cancel;
}

}  // namespace kt740
