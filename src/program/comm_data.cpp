#include "program/comm_data.h"

#include "image/codecs.h"
#include "program/program_state.h"

namespace kt740 {

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
