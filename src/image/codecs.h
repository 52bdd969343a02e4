// Every block codec. Encoders write into state.image (cleared first by the caller) and trap
// their own failures: on failure they clear state.CommDataOK and report "<name>Error".
// Decoders never fail: bad stored values fall back to defaults.
#pragma once

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

}  // namespace kt740
