// Placeholder until the 2-Tone codec lands.
#include "core/program_state.h"
#include "image/codecs.h"

namespace kt740 {

void SetCommDataBy2Tone(ProgramState&, Notifier&) {}
void GetCommDataBy2Tone(ProgramState&) {}

}  // namespace kt740
