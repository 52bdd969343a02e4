// Placeholder until the DTMF codec lands.
#include "core/program_state.h"
#include "image/codecs.h"

namespace kt740 {

void SetCommDataByDTMF(ProgramState&, Notifier&) {}
void GetCommDataByDTMF(ProgramState&) {}
void SetCommDataByDTMFCommuBook(ProgramState&, Notifier&) {}
void GetCommDataByDTMFCommuBook(ProgramState&) {}

}  // namespace kt740
