// Encode-all and decode-all of a full configuration: 200 channels, 32 2-Tone entries, 100 5-Tone
// calls, 128 book entries, every DTMF code. Encode-all includes the ClearImage that precedes it
// on a write; decode-all works on a fresh copy of the encoded image each time (it repairs bytes).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "core/notifier.h"
#include "image/channel_codec.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"

namespace kt740 {
namespace {

std::string Digits(int value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

void FillChannels(ChannelList& list, const BandLimits& bands) {
  for (int n = 1; n <= kRegularChannels; ++n) {
    ChannelRecord r = DefaultVfoChannel(bands);
    r.Number = static_cast<int16_t>(n);
    r.ScanSkip = static_cast<int16_t>(n % 2);
    r.RxFreq = FixedText<9>::From(Digits(14000000 + 1250 * n, 9));  // 140.0125 MHz upwards
    r.Name = NulTerminatedText<7>("CH" + Digits(n, 3));
    r.PttIdCode = FixedText<5>::From(Digits(n, 5));
    r.Signalling = static_cast<int16_t>(n % 4);
    r.TwoToneNo = static_cast<int16_t>(n % 32);
    r.FiveToneNo = static_cast<int16_t>(n % 100);
    list.records[static_cast<std::size_t>(n - 1)] = r;
  }
  list.records[kRegularChannels] = DefaultVfoChannel(bands);
  list.ChannelCount = kRegularChannels + 1;
}

void FillSignalling(SettingsRecord& s) {
  SignallingSettings& sig = s.Signalling;
  for (std::size_t k = 0; k < sig.Dtmf.DtmfCodes.size(); ++k)
    sig.Dtmf.DtmfCodes[k] = {FixedText<24>::From("123456789ABCDEF012345678"), 24};
  sig.Dtmf.KillCode = FixedText<14>::From("0123456789ABCD");
  sig.Dtmf.KillCodeLength = 14;
  for (std::size_t n = 0; n < sig.TwoTone.Entries.size(); ++n) {
    TwoToneEntry& e = sig.TwoTone.Entries[n];
    e.EmptyFlag = 0;
    e.Tone1FreqHigh = 0x27;
    e.Tone1FreqLow = static_cast<uint8_t>(n);
    e.Tone1DivisorHigh = 0x02;
    e.Tone1DivisorLow = 0x58;
    e.Name = NulTerminatedText<7>("TT" + Digits(static_cast<int>(n), 2));
  }
  FiveToneSettings& f = sig.FiveTone;
  f.OwnId = NulTerminatedText<6>("12345");
  f.IdLength = 5;
  for (std::size_t n = 0; n < f.Calls.size(); ++n) {
    FiveToneCode& c = f.Calls[n];
    c.EmptyFlag = 0;
    c.DigitCount = 10;
    c.Digits = FixedText<40>::From(Digits(static_cast<int>(n), 5) + "A1E45");
    c.Name = NulTerminatedText<7>("CALL" + Digits(static_cast<int>(n), 2));
  }
  for (FiveToneInfoCode& info : f.InfoCodes) {
    info.DigitCount = 12;
    info.Digits = FixedText<12>::From("123456789ABC");
    info.Name = NulTerminatedText<7>("INFO");
  }
  for (std::size_t a = 0; a < s.Book.entries.size(); ++a) {
    s.Book.entries[a].CallCode = FixedText<5>::From(Digits(static_cast<int>(a), 5));
    s.Book.entries[a].CallName = NulTerminatedText<7>("NAME" + Digits(static_cast<int>(a), 3));
  }
}

std::unique_ptr<ProgramState> FullConfiguration() {
  auto state = std::make_unique<ProgramState>();
  ResetAllData(*state);
  FillChannels(state->current.channels, state->current.settings.Bands);
  FillSignalling(state->current.settings);
  return state;
}

void EncodeAll(ProgramState& state, Notifier& notifier) {
  ClearImage(state.image);
  state.CommDataOK = true;
  SetCommData(state, notifier);
}

void BM_EncodeAll(benchmark::State& bench) {
  auto state = FullConfiguration();
  SilentNotifier notifier;
  for (auto _ : bench) {
    EncodeAll(*state, notifier);
    benchmark::DoNotOptimize(state->image.bytes.data());
  }
  if (!state->CommDataOK) bench.SkipWithError("encode-all failed");
}
BENCHMARK(BM_EncodeAll)->Unit(benchmark::kMicrosecond);

void BM_DecodeAll(benchmark::State& bench) {
  auto source = FullConfiguration();
  SilentNotifier notifier;
  EncodeAll(*source, notifier);
  auto state = std::make_unique<ProgramState>();
  for (auto _ : bench) {
    state->image = source->image;
    GetCommData(*state);
    benchmark::DoNotOptimize(state->current.settings.Signalling.FiveTone.Calls.data());
  }
}
BENCHMARK(BM_DecodeAll)->Unit(benchmark::kMicrosecond);

// Each block on its own, to see where the time goes.
template <void (*Encode)(ProgramState&, Notifier&)>
void BM_Encode(benchmark::State& bench) {
  auto state = FullConfiguration();
  SilentNotifier notifier;
  ClearImage(state->image);
  for (auto _ : bench) {
    Encode(*state, notifier);
    benchmark::DoNotOptimize(state->image.bytes.data());
  }
}

template <void (*Decode)(ProgramState&)>
void BM_Decode(benchmark::State& bench) {
  auto state = FullConfiguration();
  SilentNotifier notifier;
  EncodeAll(*state, notifier);
  for (auto _ : bench) {
    Decode(*state);
    benchmark::DoNotOptimize(state->current.settings.Signalling.FiveTone.Calls.data());
  }
}

BENCHMARK(BM_Encode<SetCommDataByFrequency>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Encode<SetCommDataByOption>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Encode<SetCommDataBy5Tone>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Encode<SetCommDataBy2Tone>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Encode<SetCommDataByDTMF>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Encode<SetCommDataByDTMFCommuBook>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode<GetCommDataByFrequency>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode<GetCommDataByOption>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode<GetCommDataBy5Tone>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode<GetCommDataBy2Tone>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode<GetCommDataByDTMF>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Decode<GetCommDataByDTMFCommuBook>)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kt740
