// The command line's Notifier: messages go to stderr; questions are answered from options
// (Retry up to a given number of times, then Cancel; everything else its affirmative answer).
#pragma once

#include <iosfwd>
#include <string>

#include "core/notifier.h"

namespace kt740 {

class CliNotifier : public Notifier {
 public:
  explicit CliNotifier(std::ostream& err) : err_(err) {}

  void Message(const std::string& text, Icon icon) override;
  Answer Ask(const std::string& text, Buttons buttons, Icon icon) override;

  int retriesLeft = 2;  // answers to the Retry / Cancel question
  std::string lastMessage;

 private:
  std::ostream& err_;
};

}  // namespace kt740
