// RunEncoder: the one place where an encoder's failure becomes its message.
#pragma once

#include <exception>
#include <string>

#include "core/notifier.h"
#include "image/encodings.h"

namespace kt740 {

// Runs an encoder body; any failure inside it is reported as "<name>Error" and gives false, which
// the driver turns into CommDataOK false.
template <typename Body>
bool RunEncoder(Notifier& notifier, const char* name, Body&& body) {
  bool failed = false;
  try {
    body();
  } catch (const CodecFailure&) {
    failed = true;
  } catch (const std::exception&) {
    failed = true;
  }
  if (failed) notifier.Message(std::string(name) + "Error", Icon::Critical);
  return !failed;
}

}  // namespace kt740
