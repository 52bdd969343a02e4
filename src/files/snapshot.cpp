#include "files/snapshot.h"

#include <algorithm>
#include <tuple>

#include "program/band_text.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

void CopyChannels(const ChannelList& from, ChannelList& to) {
  std::copy_n(from.records.begin(), from.ChannelCount, to.records.begin());
  to.ChannelCount = from.ChannelCount;
}

// The integer fields IsModified compares: all but Number, Tone1DcsHigh, Tone2DcsHigh (the
// encoder recomputes them), AuxOption and the spare after FiveToneNo.
bool SameChannelIntegers(const ChannelRecord& a, const ChannelRecord& b) {
  auto key = [](const ChannelRecord& r) {
    return std::tie(r.InUse, r.ScanSkip, r.Step, r.TxInhibit, r.Bandwidth, r.Tone2Invert, r.GridOption,
                    r.Spare1, r.Spare2, r.OffsetDir, r.TxPower, r.Talkaround, r.Tone1Invert, r.Compander,
                    r.Spare3, r.Tone2Type, r.Tone1Type, r.Tone2Ctcss, r.Tone1Ctcss, r.Tone2Dcs, r.Tone1Dcs,
                    r.Signalling, r.Spare4, r.TwoToneNo, r.FiveToneNo, r.Reverse, r.Scrambler, r.DtmfPttId,
                    r.FiveTonePttId, r.SquelchMode, r.DtmfGroup, r.ExtraDisplay, r.BusyLock, r.PttIdDecode);
  };
  return key(a) == key(b);
}

bool SameChannel(const ChannelRecord& a, const ChannelRecord& b) {
  return a.Name.trimmed() == b.Name.trimmed() && a.RxFreq.trimmed() == b.RxFreq.trimmed() &&
         a.Offset.trimmed() == b.Offset.trimmed() && a.PttIdCode.trimmed() == b.PttIdCode.trimmed() &&
         SameChannelIntegers(a, b);
}

// A code's digits past its length are filler and do not count.
template <std::size_t N>
bool SameCode(const FixedText<N>& a, int16_t lengthA, const FixedText<N>& b, int16_t lengthB) {
  if (lengthA != lengthB) return false;
  const auto n = static_cast<std::size_t>(std::clamp<int>(lengthA, 0, static_cast<int>(N)));
  return a.view().substr(0, n) == b.view().substr(0, n);
}

bool SameDtmf(const DtmfSettings& a, const DtmfSettings& b) {
  for (std::size_t k = 0; k < a.DtmfCodes.size(); ++k) {
    const DtmfCodeEntry& x = a.DtmfCodes[k];
    const DtmfCodeEntry& y = b.DtmfCodes[k];
    if (!SameCode(x.CodeDigits, x.CodeLength, y.CodeDigits, y.CodeLength)) return false;
  }
  if (!SameCode(a.PttIdBeginCode, a.PttIdBeginLength, b.PttIdBeginCode, b.PttIdBeginLength) ||
      !SameCode(a.PttIdEndCode, a.PttIdEndLength, b.PttIdEndCode, b.PttIdEndLength) ||
      !SameCode(a.KillCode, a.KillCodeLength, b.KillCode, b.KillCodeLength) ||
      !SameCode(a.StunCode, a.StunCodeLength, b.StunCode, b.StunCodeLength))
    return false;
  auto rest = [](const DtmfSettings& d) {
    return std::tie(d.AniEnabled, d.DigitTime, d.PttIdMode, d.OwnId, d.SeparatorChar, d.GroupChar,
                    d.DecodeResponse, d.FirstDigitDelay, d.PreSendDelay, d.ResetTime, d.PostSendDelay,
                    d.PauseTime, d.DtmfSideTone);
  };
  return rest(a) == rest(b);
}

}  // namespace

void TakeSnapshot(ProgramState& state) {
  state.current.settings.ModelCode = state.app.ModelCode;
  state.snapshot.settings = state.current.settings;
  CopyChannels(state.current.channels, state.snapshot.channels);
}

void RestoreSnapshot(ProgramState& state) {
  state.current.settings = state.snapshot.settings;
  state.app.ModelCode = state.snapshot.settings.ModelCode;
  ApplyBandLimits(state.app, state.current.settings.Bands);
  CopyChannels(state.snapshot.channels, state.current.channels);
}

bool IsModified(const ProgramState& state) {
  const SettingsRecord& cur = state.current.settings;
  const SettingsRecord& snap = state.snapshot.settings;
  const ChannelList& curList = state.current.channels;
  const ChannelList& snapList = state.snapshot.channels;

  if (state.app.ModelCode != snap.ModelCode || curList.ChannelCount != snapList.ChannelCount ||
      cur.DecodeTime != snap.DecodeTime)
    return true;

  for (int i = 0; i < snapList.ChannelCount; ++i) {
    const ChannelRecord& s = snapList.records[static_cast<std::size_t>(i)];
    const ChannelRecord* c = &curList.records[static_cast<std::size_t>(i)];
    if (c->Number != s.Number) c = curList.Find(s.Number);
    if (c == nullptr || !SameChannel(*c, s)) return true;
  }

  const SignallingSettings& a = cur.Signalling;
  const SignallingSettings& b = snap.Signalling;
  return !(cur.Bands == snap.Bands && a.Keys == b.Keys && SameDtmf(a.Dtmf, b.Dtmf) &&
           a.TwoTone == b.TwoTone && a.FiveTone == b.FiveTone && a.Option == b.Option && a.Scan == b.Scan &&
           a.Alert == b.Alert && cur.Book == snap.Book);
}

}  // namespace kt740
