// The encode-all and decode-all drivers.
#pragma once

#include <span>

namespace kt740 {

struct ProgramState;
class Notifier;

using Encoder = void (*)(ProgramState&, Notifier&);
using Decoder = void (*)(ProgramState&);

struct EncoderStep {
  Encoder encode;
  bool stopUnlessOk;  // run only while CommDataOK is still true
};

// The radio's order: keys, scan and alert cannot fail; every later step runs only while
// CommDataOK holds.
std::span<const EncoderStep> DefaultEncoderChain();
std::span<const Decoder> DefaultDecoderChain();

// Encodes every record into state.image. The caller clears the image and sets CommDataOK first.
void SetCommData(ProgramState& state, Notifier& notifier);
void SetCommData(ProgramState& state, Notifier& notifier, std::span<const EncoderStep> chain);

// Decodes every record from state.image.
void GetCommData(ProgramState& state);

// Runs an encoder body, turning any failure inside it into "<name>Error" and CommDataOK false.
template <typename Body>
void RunEncoder(ProgramState& state, Notifier& notifier, const char* name, Body&& body);

}  // namespace kt740

#include "program/comm_data_inl.h"
