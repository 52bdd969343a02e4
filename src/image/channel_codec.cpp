// Placeholder until the channel codec lands.
#include "image/channel_codec.h"

#include "core/program_state.h"
#include "image/codecs.h"

namespace kt740 {

ChannelRecord DefaultVfoChannel(const BandLimits&) {
  ChannelRecord r;
  r.Number = kChannelVFO;
  r.InUse = 1;
  r.ScanSkip = 1;
  r.RxFreq = FixedText<9>::From("015500000");
  r.Offset = FixedText<9>::From("000000000");
  r.Name = NulTerminatedText<7>("");
  r.Tone1Ctcss = 20;
  r.Tone2Ctcss = 20;
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

void SetCommDataByFrequency(ProgramState&, Notifier&) {}
void GetCommDataByFrequency(ProgramState&) {}

}  // namespace kt740
