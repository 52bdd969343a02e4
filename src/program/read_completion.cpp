#include "program/read_completion.h"

#include "link/link_observer.h"
#include "program/band_text.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"

namespace kt740 {

int16_t ModelCodeFromReport(int16_t reportedCode) {
  return static_cast<int16_t>(reportedCode & 0x0F);
}

void CompleteRead(ProgramState& state, LinkObserver& observer) {
  GetCommData(state);
  state.app.ModelCode = ModelCodeFromReport(state.radio.ReportedModelCode);
  ApplyBandLimits(state.app, state.current.settings.Bands);
  state.app.Untitled = true;
  state.app.CurrentFileName = "new.dat";
  TakeSnapshot(state);
  observer.Redraw();
}

void CompleteInfoRead(ProgramState& state, LinkObserver& observer) {
  GetCommDataByEmbedInfo(state);
  observer.ShowEmbedInfo();
}

}  // namespace kt740
