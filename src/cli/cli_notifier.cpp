#include "cli/cli_notifier.h"

#include <ostream>

namespace kt740 {
namespace {

// Message boxes use CR LF inside texts; a terminal wants plain line breaks.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

}  // namespace

void CliNotifier::Message(const std::string& text, Icon) {
  lastMessage = text;
  err_ << OneLine(text) << "\n";
}

Answer CliNotifier::Ask(const std::string& text, Buttons buttons, Icon) {
  switch (buttons) {
    case Buttons::RetryCancel:
      if (retriesLeft > 0) {
        --retriesLeft;
        err_ << OneLine(text) << " [retrying]\n";
        return Answer::Retry;
      }
      err_ << OneLine(text) << " [cancelled]\n";
      return Answer::Cancel;
    case Buttons::Ok:
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
      return Answer::Yes;
  }
  return Answer::Cancel;
}

}  // namespace kt740
