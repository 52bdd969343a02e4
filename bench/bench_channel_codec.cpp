// Encoding and decoding a full channel list: 200 memory channels, "PA", "PB" and "VFO".
#include <benchmark/benchmark.h>

#include <string>

#include "core/notifier.h"
#include "image/channel_codec.h"
#include "program/comm_data.h"
#include "program/grid_ops.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

void FillFullList(ProgramState& state) {
  ChannelList& list = state.current.channels;
  list.ChannelCount = kChannelSlots;
  for (int n = 1; n <= kChannelSlots; ++n) {
    ChannelRecord r = DefaultChannelRecord(n);
    r.InUse = 1;
    r.ScanSkip = n % 2;
    const std::string rx = std::to_string(14500000 + 1250 * n);
    r.RxFreq = FixedText<9>::From(std::string(9 - rx.size(), '0') + rx);
    r.Offset = FixedText<9>::From("000600000");
    r.Name = NulTerminatedText<7>("CH" + std::to_string(n));
    r.OffsetDir = static_cast<int16_t>(n % 3);
    r.Tone1Type = 2;
    r.Tone1Dcs = static_cast<int16_t>(n * 2);
    r.Tone2Type = 1;
    r.Tone2Ctcss = static_cast<int16_t>(n % 51);
    r.PttIdCode = FixedText<5>::From("12345");
    list.records[static_cast<std::size_t>(n - 1)] = r;
  }
}

void BM_SetCommDataByFrequency(benchmark::State& bench) {
  ProgramState state;
  FillFullList(state);
  SilentNotifier notifier;
  ClearImage(state.image);
  for (auto _ : bench) {
    SetCommDataByFrequency(state, notifier);
    benchmark::DoNotOptimize(state.image.bytes.data());
  }
  if (!state.CommDataOK) bench.SkipWithError("encoder failed");
}
BENCHMARK(BM_SetCommDataByFrequency)->Unit(benchmark::kMicrosecond);

// The decoder's own work, without the configuration reset that GetCommDataByFrequency starts with.
void BM_DecodeChannelBlock(benchmark::State& bench) {
  ProgramState state;
  FillFullList(state);
  SilentNotifier notifier;
  ClearImage(state.image);
  SetCommDataByFrequency(state, notifier);
  for (auto _ : bench) {
    DecodeChannelBlock(state.image, state.current.settings.Bands, state.current.channels);
    benchmark::DoNotOptimize(state.current.channels.records.data());
  }
  if (state.current.channels.ChannelCount != kChannelSlots) bench.SkipWithError("channels lost");
}
BENCHMARK(BM_DecodeChannelBlock)->Unit(benchmark::kMicrosecond);

void BM_GetCommDataByFrequency(benchmark::State& bench) {
  ProgramState state;
  FillFullList(state);
  SilentNotifier notifier;
  ClearImage(state.image);
  SetCommDataByFrequency(state, notifier);
  for (auto _ : bench) {
    GetCommDataByFrequency(state);
    benchmark::DoNotOptimize(state.current.channels.records.data());
  }
  if (state.current.channels.ChannelCount != kChannelSlots) bench.SkipWithError("channels lost");
}
BENCHMARK(BM_GetCommDataByFrequency)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kt740
