// RunEncoder: the one place where an encoder's failure becomes its message.
#pragma once

#include <exception>
#include <string>

#include "core/notifier.h"
#include "image/encodings.h"
#include "program/program_state.h"

namespace kt740 {

template <typename Body>
void RunEncoder(ProgramState& state, Notifier& notifier, const char* name, Body&& body) {
  bool failed = false;
  try {
    body();
  } catch (const CodecFailure&) {
    failed = true;
  } catch (const std::exception&) {
    failed = true;
  }
  if (failed) {
    state.CommDataOK = false;
    notifier.Message(std::string(name) + "Error", Icon::Critical);
  }
}

}  // namespace kt740
