// The byte layout of the configuration files, declared once per record and walked by the
// reader, the writer and the offset checks alike.
//
// Each Describe() lists a record's members in the order the files store them. A visitor is
// called as v(name, member) for every member; members are serialized with no padding:
//   uint8_t          1 byte
//   int16_t/uint16_t 2 bytes, little-endian (two's complement for the signed ones)
//   double           8 bytes, IEEE 754, little-endian
//   FixedText<N>     N bytes as stored (NUL and space fill included)
//   std::array       element by element, in index order
//   records          their own Describe(), member by member
//
// Data file (.dat), one 8667-byte record:
//   0 ModelCode | 2 BandLimits | 34 KeyAssignments | 49 DtmfSettings | 576 TwoToneSettings |
//   1144 FiveToneSettings | 6785 OptionSettings | 6846 ScanSettings | 6860 AlertSettings |
//   6872 ChannelCount | 6874 CommuBook | 8666 DecodeTime
// Channel file (.fre): ChannelCount records of 108 bytes.
// Communication-book file (.cb): one CommuBook, 1792 bytes.
#pragma once

#include <concepts>
#include <type_traits>

#include "image/settings_record.h"

namespace kt740 {

// R is T or const T, so one Describe() serves reading (mutable) and writing (const).
template <typename R, typename T>
concept RecordOf = std::same_as<std::remove_const_t<R>, T>;

template <typename V, RecordOf<BandLimits> R>
void Describe(V& v, R& r) {
  v("RxLow", r.RxLow);
  v("RxHigh", r.RxHigh);
  v("TxLow", r.TxLow);
  v("TxHigh", r.TxHigh);
}

template <typename V, RecordOf<DtmfCodeEntry> R>
void Describe(V& v, R& r) {
  v("CodeDigits", r.CodeDigits);
  v("CodeLength", r.CodeLength);
}

template <typename V, RecordOf<DtmfSettings> R>
void Describe(V& v, R& r) {
  v("DtmfCodes", r.DtmfCodes);
  v("PttIdBeginCode", r.PttIdBeginCode);
  v("PttIdBeginLength", r.PttIdBeginLength);
  v("PttIdEndCode", r.PttIdEndCode);
  v("PttIdEndLength", r.PttIdEndLength);
  v("KillCode", r.KillCode);
  v("KillCodeLength", r.KillCodeLength);
  v("StunCode", r.StunCode);
  v("StunCodeLength", r.StunCodeLength);
  v("AniEnabled", r.AniEnabled);
  v("DigitTime", r.DigitTime);
  v("PttIdMode", r.PttIdMode);
  v("OwnId", r.OwnId);
  v("SeparatorChar", r.SeparatorChar);
  v("GroupChar", r.GroupChar);
  v("DecodeResponse", r.DecodeResponse);
  v("FirstDigitDelay", r.FirstDigitDelay);
  v("PreSendDelay", r.PreSendDelay);
  v("ResetTime", r.ResetTime);
  v("PostSendDelay", r.PostSendDelay);
  v("PauseTime", r.PauseTime);
  v("DtmfSideTone", r.DtmfSideTone);
}

template <typename V, RecordOf<TwoToneEntry> R>
void Describe(V& v, R& r) {
  v("EmptyFlag", r.EmptyFlag);
  v("Tone1DivisorHigh", r.Tone1DivisorHigh);
  v("Tone1DivisorLow", r.Tone1DivisorLow);
  v("Tone2DivisorHigh", r.Tone2DivisorHigh);
  v("Tone2DivisorLow", r.Tone2DivisorLow);
  v("Tone1FreqHigh", r.Tone1FreqHigh);
  v("Tone1FreqLow", r.Tone1FreqLow);
  v("Tone2FreqHigh", r.Tone2FreqHigh);
  v("Tone2FreqLow", r.Tone2FreqLow);
  v("Name", r.Name);
}

template <typename V, RecordOf<TwoToneSettings> R>
void Describe(V& v, R& r) {
  v("OwnTone1FreqHigh", r.OwnTone1FreqHigh);
  v("OwnTone1FreqLow", r.OwnTone1FreqLow);
  v("OwnTone2FreqHigh", r.OwnTone2FreqHigh);
  v("OwnTone2FreqLow", r.OwnTone2FreqLow);
  v("OwnCallPattern", r.OwnCallPattern);
  v("OwnTone1DivisorHigh", r.OwnTone1DivisorHigh);
  v("OwnTone1DivisorLow", r.OwnTone1DivisorLow);
  v("OwnTone2DivisorHigh", r.OwnTone2DivisorHigh);
  v("OwnTone2DivisorLow", r.OwnTone2DivisorLow);
  v("ListSetting4", r.ListSetting4);
  v("ChoiceSetting", r.ChoiceSetting);
  v("SideTone", r.SideTone);
  v("ToneA", r.ToneA);
  v("ToneB", r.ToneB);
  v("ToneC", r.ToneC);
  v("ToneD", r.ToneD);
  v("ListSetting0", r.ListSetting0);
  v("ListSetting1", r.ListSetting1);
  v("ListSetting2", r.ListSetting2);
  v("ListSetting3", r.ListSetting3);
  v("Entries", r.Entries);
}

template <typename V, RecordOf<FiveToneCode> R>
void Describe(V& v, R& r) {
  v("EmptyFlag", r.EmptyFlag);
  v("Spare", r.Spare);
  v("StandardIndex", r.StandardIndex);
  v("DigitCount", r.DigitCount);
  v("ToneLength", r.ToneLength);
  v("Digits", r.Digits);
  v("Name", r.Name);
}

template <typename V, RecordOf<FiveToneInfoCode> R>
void Describe(V& v, R& r) {
  v("DecodeFunction", r.DecodeFunction);
  v("Response", r.Response);
  v("DigitCount", r.DigitCount);
  v("Digits", r.Digits);
  v("Name", r.Name);
}

template <typename V, RecordOf<FiveToneSettings> R>
void Describe(V& v, R& r) {
  v("HeaderByte0", r.HeaderByte0);
  v("DecodeResponse", r.DecodeResponse);
  v("StandardIndex", r.StandardIndex);
  v("IdLength", r.IdLength);
  v("ToneLength", r.ToneLength);
  v("OwnId", r.OwnId);
  v("ListValue5", r.ListValue5);
  v("ListValue4", r.ListValue4);
  v("ListValue6", r.ListValue6);
  v("ListValue7", r.ListValue7);
  v("FirstDigitDelay", r.FirstDigitDelay);
  v("PauseTime", r.PauseTime);
  v("PauseCode", r.PauseCode);
  v("FirstCodeDelayAfterPause", r.FirstCodeDelayAfterPause);
  v("SideTone", r.SideTone);
  v("SpecialDigit", r.SpecialDigit);
  v("InfoCodes", r.InfoCodes);
  v("PttIdBegin", r.PttIdBegin);
  v("PttIdEnd", r.PttIdEnd);
  v("Calls", r.Calls);
  v("UserStandard", r.UserStandard);
}

template <typename V, RecordOf<OptionSettings> R>
void Describe(V& v, R& r) {
  v("Option0", r.Option0);
  v("Option1", r.Option1);
  v("Option2", r.Option2);
  v("Option3", r.Option3);
  v("Option5", r.Option5);
  v("Option18", r.Option18);
  v("Option7", r.Option7);
  v("Option8", r.Option8);
  v("Option9", r.Option9);
  v("Option10", r.Option10);
  v("Option11", r.Option11);
  v("Option12", r.Option12);
  v("Option14", r.Option14);
  v("OptionSwitch3", r.OptionSwitch3);
  v("Option15", r.Option15);
  v("OptionSwitch0", r.OptionSwitch0);
  v("OptionSwitch1", r.OptionSwitch1);
  v("OptionSwitch2", r.OptionSwitch2);
  v("Option16", r.Option16);
  v("Option17", r.Option17);
  v("Option4", r.Option4);
  v("Option6", r.Option6);
  v("Option13", r.Option13);
  v("PowerOnMessage", r.PowerOnMessage);
  v("PowerOnPasswordEnabled", r.PowerOnPasswordEnabled);
  v("PowerOnPassword", r.PowerOnPassword);
}

template <typename V, RecordOf<ScanSettings> R>
void Describe(V& v, R& r) {
  v("ScanMode", r.ScanMode);
  v("PriorityMode", r.PriorityMode);
  v("RevertChoice", r.RevertChoice);
  v("ScanBackTimeA", r.ScanBackTimeA);
  v("ScanBackTimeB", r.ScanBackTimeB);
  v("RxResumeDelay", r.RxResumeDelay);
  v("TxResumeDelay", r.TxResumeDelay);
  v("ScanType", r.ScanType);
  v("ScanEntryTone", r.ScanEntryTone);
  v("ScanWaitTime", r.ScanWaitTime);
  v("PriorityGroup1", r.PriorityGroup1);
  v("PriorityChannel1", r.PriorityChannel1);
  v("PriorityGroup2", r.PriorityGroup2);
  v("PriorityChannel2", r.PriorityChannel2);
}

template <typename V, RecordOf<AlertSettings> R>
void Describe(V& v, R& r) {
  v("AlarmMode", r.AlarmMode);
  v("AlarmIdType", r.AlarmIdType);
  v("AlarmIdIndex", r.AlarmIdIndex);
  v("AlarmTime", r.AlarmTime);
  v("AlarmTxTime", r.AlarmTxTime);
  v("AlarmRxTime", r.AlarmRxTime);
  v("AlarmChannelSelect", r.AlarmChannelSelect);
  v("EmergencyChannel", r.EmergencyChannel);
  v("AlarmCycle", r.AlarmCycle);
  v("LoneWorkerAutoDetect", r.LoneWorkerAutoDetect);
  v("PreAlertTime", r.PreAlertTime);
  v("LoneWorkerTime", r.LoneWorkerTime);
}

template <typename V, RecordOf<CommuBookEntry> R>
void Describe(V& v, R& r) {
  v("SlotNumber", r.SlotNumber);
  v("CallCode", r.CallCode);
  v("CallName", r.CallName);
}

template <typename V, RecordOf<CommuBook> R>
void Describe(V& v, R& r) {
  v("Entries", r.entries);
}

template <typename V, RecordOf<ChannelRecord> R>
void Describe(V& v, R& r) {
  v("Number", r.Number);
  v("InUse", r.InUse);
  v("ScanSkip", r.ScanSkip);
  v("RxFreq", r.RxFreq);
  v("Offset", r.Offset);
  v("Name", r.Name);
  v("Step", r.Step);
  v("TxInhibit", r.TxInhibit);
  v("Bandwidth", r.Bandwidth);
  v("Tone2Invert", r.Tone2Invert);
  v("Tone2DcsHigh", r.Tone2DcsHigh);
  v("GridOption", r.GridOption);
  v("Spare1", r.Spare1);
  v("Spare2", r.Spare2);
  v("OffsetDir", r.OffsetDir);
  v("TxPower", r.TxPower);
  v("Talkaround", r.Talkaround);
  v("Tone1Invert", r.Tone1Invert);
  v("Tone1DcsHigh", r.Tone1DcsHigh);
  v("Compander", r.Compander);
  v("Spare3", r.Spare3);
  v("Tone2Type", r.Tone2Type);
  v("Tone1Type", r.Tone1Type);
  v("Tone2Ctcss", r.Tone2Ctcss);
  v("Tone1Ctcss", r.Tone1Ctcss);
  v("Tone2Dcs", r.Tone2Dcs);
  v("Tone1Dcs", r.Tone1Dcs);
  v("Signalling", r.Signalling);
  v("Spare4", r.Spare4);
  v("TwoToneNo", r.TwoToneNo);
  v("FiveToneNo", r.FiveToneNo);
  v("Spare5", r.Spare5);
  v("Reverse", r.Reverse);
  v("Scrambler", r.Scrambler);
  v("DtmfPttId", r.DtmfPttId);
  v("FiveTonePttId", r.FiveTonePttId);
  v("SquelchMode", r.SquelchMode);
  v("DtmfGroup", r.DtmfGroup);
  v("ExtraDisplay", r.ExtraDisplay);
  v("BusyLock", r.BusyLock);
  v("AuxOption", r.AuxOption);
  v("PttIdDecode", r.PttIdDecode);
  v("PttIdCode", r.PttIdCode);
}

// The data file's one record: the settings with the channel count between the alarm settings
// and the book. The count is the channel list's; the settings record has no member for it.
template <typename S, typename C>
struct DataFileRecord {
  S& settings;
  C& ChannelCount;
};

template <typename V, typename S, typename C>
requires RecordOf<S, SettingsRecord> && RecordOf<C, int16_t>
void Describe(V& v, const DataFileRecord<S, C>& r) {
  auto& sig = r.settings.Signalling;
  v("ModelCode", r.settings.ModelCode);
  v("BandLimits", r.settings.Bands);
  v("KeyAssignments", sig.Keys);
  v("DtmfSettings", sig.Dtmf);
  v("TwoToneSettings", sig.TwoTone);
  v("FiveToneSettings", sig.FiveTone);
  v("OptionSettings", sig.Option);
  v("ScanSettings", sig.Scan);
  v("AlertSettings", sig.Alert);
  v("ChannelCount", r.ChannelCount);
  v("CommuBook", r.settings.Book);
  v("DecodeTime", r.settings.DecodeTime);
}

}  // namespace kt740
