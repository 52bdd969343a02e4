#include "program/reset_all_data.h"

#include "image/channel_record.h"
#include "program/model_template.h"
#include "program/program_state.h"

namespace kt740 {

void ResetAllData(ProgramState& state) {
  state.radio.Killed = false;
  state.radio.Stunned = false;
  state.CopyMarker = false;

  state.app.Untitled = true;
  state.app.CurrentFileName = "new.dat";
  state.app.CurrentBookFileName = "new.cb";

  SettingsRecord& s = state.current.settings;
  SignallingSettings& sig = s.Signalling;
  sig.Keys = {};
  sig.Dtmf = {};
  ResetTwoToneHeader(sig.TwoTone);
  ResetTwoToneEntries(sig.TwoTone);
  ResetFiveTone(sig.FiveTone, s.DecodeTime);
  sig.Option = {};
  sig.Scan = {};
  sig.Alert = {};
  s.Book = {};

  state.current.channels.ChannelCount = 1;
  state.current.channels.records[0] = DefaultVfoChannel(s.Bands);

  LoadModelTemplate(state);
}

}  // namespace kt740
