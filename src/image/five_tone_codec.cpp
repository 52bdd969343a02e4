// Placeholder until the 5-Tone codec lands.
#include "core/program_state.h"
#include "image/codecs.h"

namespace kt740 {

void SetCommDataBy5Tone(ProgramState&, Notifier&) {}
void GetCommDataBy5Tone(ProgramState&) {}

}  // namespace kt740
