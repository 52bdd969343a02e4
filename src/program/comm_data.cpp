#include "program/comm_data.h"

#include "image/codecs.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"

namespace kt740 {

namespace {

void Fold(ProgramState& state, bool ok) {
  if (!ok) state.CommDataOK = false;
}

}  // namespace

void SetCommDataByKey(ProgramState& state, Notifier&) {
  SetCommDataByKey(state.current.settings.Signalling.Keys, state.image);
}
void SetCommDataByScan(ProgramState& state, Notifier&) {
  SetCommDataByScan(state.current.settings.Signalling.Scan, state.image);
}
void SetCommDataByAlert(ProgramState& state, Notifier&) {
  SetCommDataByAlert(state.current.settings.Signalling.Alert, state.image);
}
void SetCommDataByFrequency(ProgramState& state, Notifier& notifier) {
  Fold(state,
       SetCommDataByFrequency(state.current.channels, state.current.settings.Bands, state.image, notifier));
}
void SetCommDataByOption(ProgramState& state, Notifier& notifier) {
  const SignallingSettings& sig = state.current.settings.Signalling;
  Fold(state, SetCommDataByOption(sig.Option, sig.Dtmf, state.image, notifier));
}
void SetCommDataBy5Tone(ProgramState& state, Notifier& notifier) {
  const SettingsRecord& s = state.current.settings;
  Fold(state, SetCommDataBy5Tone(s.Signalling.FiveTone, s.DecodeTime, state.image, notifier));
}
void SetCommDataBy2Tone(ProgramState& state, Notifier& notifier) {
  Fold(state, SetCommDataBy2Tone(state.current.settings.Signalling.TwoTone, state.image, notifier));
}
void SetCommDataByDTMF(ProgramState& state, Notifier& notifier) {
  Fold(state, SetCommDataByDTMF(state.current.settings.Signalling.Dtmf, state.image, notifier));
}
void SetCommDataByDTMFCommuBook(ProgramState& state, Notifier& notifier) {
  Fold(state, SetCommDataByDTMFCommuBook(state.current.settings.Book, state.image, notifier));
}

void GetCommDataByFrequency(ProgramState& state) {
  ResetAllData(state);
  GetCommDataByFrequency(state.image, state.current.settings.Bands, state.current.channels);
}
void GetCommDataByKey(ProgramState& state) {
  GetCommDataByKey(state.image, state.current.settings.Signalling.Keys);
}
void GetCommDataByScan(ProgramState& state) {
  GetCommDataByScan(state.image, state.current.settings.Signalling.Scan);
}
void GetCommDataByAlert(ProgramState& state) {
  GetCommDataByAlert(state.image, state.current.settings.Signalling.Alert);
}
void GetCommDataByEmbedInfo(ProgramState& state) {
  GetCommDataByEmbedInfo(state.image, state.embedInfo);
}
void GetCommDataByOption(ProgramState& state) {
  SignallingSettings& sig = state.current.settings.Signalling;
  GetCommDataByOption(state.image, sig.Option, sig.Dtmf);
}
void GetCommDataBy5Tone(ProgramState& state) {
  SettingsRecord& s = state.current.settings;
  GetCommDataBy5Tone(state.image, s.Signalling.FiveTone, s.DecodeTime);
}
void GetCommDataBy2Tone(ProgramState& state) {
  GetCommDataBy2Tone(state.image, state.current.settings.Signalling.TwoTone);
}
void GetCommDataByDTMF(ProgramState& state) {
  GetCommDataByDTMF(state.image, state.current.settings.Signalling.Dtmf);
}
void GetCommDataByDTMFCommuBook(ProgramState& state) {
  GetCommDataByDTMFCommuBook(state.image, state.current.settings.Book);
}

namespace {

constexpr EncoderStep kEncoders[] = {
    {SetCommDataByKey, false},       {SetCommDataByScan, false},  {SetCommDataByAlert, false},
    {SetCommDataByFrequency, false}, {SetCommDataByOption, true}, {SetCommDataBy5Tone, true},
    {SetCommDataBy2Tone, true},      {SetCommDataByDTMF, true},   {SetCommDataByDTMFCommuBook, true},
};

constexpr Decoder kDecoders[] = {
    GetCommDataByFrequency, GetCommDataByKey,           GetCommDataByScan,  GetCommDataByAlert,
    GetCommDataByEmbedInfo, GetCommDataByOption,        GetCommDataBy5Tone, GetCommDataBy2Tone,
    GetCommDataByDTMF,      GetCommDataByDTMFCommuBook,
};

}  // namespace

std::span<const EncoderStep> DefaultEncoderChain() {
  return kEncoders;
}
std::span<const Decoder> DefaultDecoderChain() {
  return kDecoders;
}

void SetCommData(ProgramState& state, Notifier& notifier) {
  SetCommData(state, notifier, kEncoders);
}

void SetCommData(ProgramState& state, Notifier& notifier, std::span<const EncoderStep> chain) {
  for (const EncoderStep& step : chain) {
    if (step.stopUnlessOk && !state.CommDataOK) return;
    step.encode(state, notifier);
  }
}

void GetCommData(ProgramState& state) {
  for (Decoder decode : kDecoders) decode(state);
}

}  // namespace kt740
