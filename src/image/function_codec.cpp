// Placeholder until the function-settings codec lands.
#include "core/program_state.h"
#include "image/codecs.h"

namespace kt740 {

void SetCommDataByKey(ProgramState&, Notifier&) {}
void SetCommDataByScan(ProgramState&, Notifier&) {}
void SetCommDataByAlert(ProgramState&, Notifier&) {}
void SetCommDataByOption(ProgramState&, Notifier&) {}
void GetCommDataByKey(ProgramState&) {}
void GetCommDataByScan(ProgramState&) {}
void GetCommDataByAlert(ProgramState&) {}
void GetCommDataByOption(ProgramState&) {}

}  // namespace kt740
