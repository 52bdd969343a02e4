#include "link/read_completion.h"

#include "core/band_text.h"
#include "core/program_state.h"
#include "files/snapshot.h"
#include "image/codecs.h"
#include "image/comm_data.h"
#include "link/link_observer.h"

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
