// The encode-all and decode-all drivers, and the codecs under the system's names over the whole
// program state. The codecs themselves (image/codecs.h) take only the records they move; these
// wrappers pick the records, fold each encoder's result into CommDataOK, and do what the state
// needs around a decode (GetCommDataByFrequency first resets the configuration and loads the
// model template).
#pragma once

#include <span>

namespace kt740 {

struct ProgramState;
class Notifier;

void SetCommDataByKey(ProgramState& state, Notifier& notifier);
void SetCommDataByScan(ProgramState& state, Notifier& notifier);
void SetCommDataByAlert(ProgramState& state, Notifier& notifier);
void SetCommDataByFrequency(ProgramState& state, Notifier& notifier);
void SetCommDataByOption(ProgramState& state, Notifier& notifier);
void SetCommDataBy5Tone(ProgramState& state, Notifier& notifier);
void SetCommDataBy2Tone(ProgramState& state, Notifier& notifier);
void SetCommDataByDTMF(ProgramState& state, Notifier& notifier);
void SetCommDataByDTMFCommuBook(ProgramState& state, Notifier& notifier);

// ResetAllData (which loads the model template), then the channel block.
void GetCommDataByFrequency(ProgramState& state);
void GetCommDataByKey(ProgramState& state);
void GetCommDataByScan(ProgramState& state);
void GetCommDataByAlert(ProgramState& state);
void GetCommDataByEmbedInfo(ProgramState& state);
void GetCommDataByOption(ProgramState& state);
void GetCommDataBy5Tone(ProgramState& state);
void GetCommDataBy2Tone(ProgramState& state);
void GetCommDataByDTMF(ProgramState& state);
void GetCommDataByDTMFCommuBook(ProgramState& state);

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

}  // namespace kt740
