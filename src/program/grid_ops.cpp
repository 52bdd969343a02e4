#include "program/grid_ops.h"

#include "program/program_state.h"

namespace kt740 {

void CopyChannel(ProgramState& state, bool skip, int number) {
  CopyChannel(state.current.channels, state.ChannelClipboard, skip, number);
}

void CutChannel(ProgramState& state, bool skip, int number) {
  CutChannel(state.current.channels, state.ChannelClipboard, skip, number);
}

void PasteChannel(ProgramState& state, bool skip, int number) {
  PasteChannel(state.current.channels, state.ChannelClipboard, skip, number);
}

void RepairChannelReferences(ProgramState& state) {
  SignallingSettings& sig = state.current.settings.Signalling;
  RepairChannelReferences(sig.Option, sig.Scan, sig.Alert, state.current.channels);
}

void RepairSignallingReferences(ProgramState& state, const std::function<void()>& redraw) {
  const SignallingSettings& sig = state.current.settings.Signalling;
  RepairSignallingReferences(state.current.channels, sig.TwoTone, sig.FiveTone);
  if (redraw) redraw();
}

void RepairAlarmIdReference(ProgramState& state) {
  SignallingSettings& sig = state.current.settings.Signalling;
  RepairAlarmIdReference(sig.Alert, sig.FiveTone);
}

ChannelRowLanguage LookUpChannelRowLanguage(const ProgramState& state) {
  return LookUpChannelRowLanguage(TextsOf(state));
}

ChannelRowTexts ChannelGridHeaders(const ProgramState& state) {
  return ChannelGridHeaders(TextsOf(state));
}

ChannelRowTexts RenderChannelRow(const ProgramState& state, const ChannelRecord& r,
                                 const ChannelRowLanguage& texts, Notifier* notifier) {
  return RenderChannelRow(state.app.WorkingLimits, r, texts, notifier);
}

}  // namespace kt740
