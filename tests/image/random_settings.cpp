#include "random_settings.h"

#include <string>
#include <string_view>

namespace kt740::test {
namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kHex = "0123456789ABCDEF";
constexpr std::string_view kBookName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";
// Printable ASCII and a few Windows-1252 letters that have a single-byte code.
constexpr std::string_view kName =
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"
    "\x80\xC4\xE9\xFC";

class Rng {
 public:
  explicit Rng(uint32_t seed) : gen_(seed) {}

  int In(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen_); }
  uint8_t Byte(int lo = 0, int hi = 255) { return static_cast<uint8_t>(In(lo, hi)); }
  int16_t Int(int lo, int hi) { return static_cast<int16_t>(In(lo, hi)); }
  bool Coin() { return In(0, 1) == 1; }

  // Names as the editors store them: trailing spaces already removed.
  std::string Name(std::string_view alphabet = kName) { return TrimText(Text(alphabet, In(0, 7))); }

  std::string Text(std::string_view alphabet, int length) {
    std::string s;
    for (int i = 0; i < length; ++i)
      s.push_back(alphabet[static_cast<std::size_t>(In(0, static_cast<int>(alphabet.size()) - 1))]);
    return s;
  }

 private:
  std::mt19937 gen_;
};

template <std::size_t N>
void Trim(FixedText<N>& t) {
  t = FixedText<N>::From(t.trimmed());
}

uint8_t ToneLength(Rng& r) {
  return static_cast<uint8_t>(10 * r.In(3, 10));
}

OptionSettings RandomOptions(Rng& r) {
  OptionSettings o;
  o.Option0 = r.Int(0, 2);
  o.Option1 = r.Int(0, 1);
  o.Option2 = r.Int(0, 201);
  o.Option3 = r.Int(0, 20);
  o.Option5 = r.Int(0, 2);
  o.Option18 = r.Int(0, 1);
  o.Option7 = r.Int(0, 4);
  o.Option8 = r.Int(0, 31);
  o.Option9 = r.Int(0, 3);
  o.Option10 = r.Int(0, 30);
  o.Option11 = r.Int(0, 3);
  o.Option12 = r.Int(0, 1);
  o.Option14 = r.Int(0, 1);
  o.OptionSwitch3 = r.Int(0, 1);
  o.Option15 = r.Int(0, 2);
  o.OptionSwitch0 = r.Int(0, 1);
  o.OptionSwitch1 = r.Int(0, 1);
  o.OptionSwitch2 = r.Int(0, 1);
  o.Option16 = r.Int(0, 2);
  o.Option17 = r.Int(0, 1);
  o.Option4 = r.Int(0, 25);
  o.Option6 = r.Int(0, 2);
  o.Option13 = r.Int(0, 1);
  o.PowerOnMessage = NulTerminatedText<7>(r.Name());
  o.PowerOnPasswordEnabled = r.Int(0, 1);
  o.PowerOnPassword = NulTerminatedText<6>(r.Text(kDigits, r.In(0, 6)));
  return o;
}

KeyAssignments RandomKeys(Rng& r, bool functionTenOnShortPress) {
  KeyAssignments keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    int f = r.In(0, 20);
    if (i < 5 && !functionTenOnShortPress && f == 10) f = 11;
    keys[i] = static_cast<uint8_t>(f);
  }
  return keys;
}

ScanSettings RandomScan(Rng& r) {
  return {r.Byte(0, 1),  r.Byte(0, 3),   r.Byte(0, 7), r.Byte(5, 50), r.Byte(5, 50),
          r.Byte(1, 50), r.Byte(1, 50),  r.Byte(0, 3), r.Byte(0, 1),  r.Byte(2, 255),
          r.Byte(),      r.Byte(0, 203), r.Byte(),     r.Byte(0, 203)};
}

AlertSettings RandomAlert(Rng& r) {
  return {r.Byte(0, 3), r.Byte(0, 2),   r.Byte(0, 99), r.Byte(1, 255), r.Byte(1, 255), r.Byte(1, 255),
          r.Byte(0, 1), r.Byte(0, 203), r.Byte(),      r.Byte(0, 1),   r.Byte(1, 254), r.Byte(5, 255)};
}

template <std::size_t N>
void RandomCode(Rng& r, FixedText<N>& text, int16_t& length) {
  length = r.Int(0, static_cast<int>(N));
  text = NulTerminatedText<N>(r.Text(kHex, length));
}

DtmfSettings RandomDtmf(Rng& r) {
  DtmfSettings d;
  for (DtmfCodeEntry& e : d.DtmfCodes) RandomCode(r, e.CodeDigits, e.CodeLength);
  RandomCode(r, d.PttIdBeginCode, d.PttIdBeginLength);
  RandomCode(r, d.PttIdEndCode, d.PttIdEndLength);
  RandomCode(r, d.KillCode, d.KillCodeLength);
  RandomCode(r, d.StunCode, d.StunCodeLength);
  d.AniEnabled = r.Int(0, 1);
  d.DigitTime = r.Int(0, 5);
  d.PttIdMode = r.Int(0, 3);
  d.OwnId = FixedText<3>::From(r.Text(kDigits, 3));
  d.SeparatorChar = r.Int(10, 15);
  d.GroupChar = r.In(0, 6) == 0 ? 255 : r.Int(10, 15);
  d.DecodeResponse = r.Int(0, 2);
  d.FirstDigitDelay = r.Int(0, 250);
  d.PreSendDelay = r.Int(1, 250);
  d.ResetTime = r.Int(0, 250);
  d.PostSendDelay = r.Int(1, 250);
  d.PauseTime = r.Coin() ? 0 : r.Int(5, 75);
  d.DtmfSideTone = r.Int(0, 1);
  return d;
}

void SplitTone(int tenthsHz, uint8_t& high, uint8_t& low) {
  high = static_cast<uint8_t>(tenthsHz >> 8);
  low = static_cast<uint8_t>(tenthsHz & 0xFF);
}

TwoToneSettings RandomTwoTone(Rng& r) {
  TwoToneSettings t;
  SplitTone(r.In(2800, 31160), t.OwnTone1FreqHigh, t.OwnTone1FreqLow);
  SplitTone(r.In(1, 65535), t.OwnTone1DivisorHigh, t.OwnTone1DivisorLow);
  t.OwnCallPattern = r.Byte(0, 14);
  if (t.OwnCallPattern < 12) {
    SplitTone(r.In(2800, 31160), t.OwnTone2FreqHigh, t.OwnTone2FreqLow);
    SplitTone(r.In(1, 65535), t.OwnTone2DivisorHigh, t.OwnTone2DivisorLow);
  }
  t.ListSetting4 = r.Byte(0, 250);
  t.ChoiceSetting = r.Byte(0, 2);
  t.SideTone = r.Byte(0, 1);
  t.ToneA = static_cast<uint16_t>(r.In(2800, 31160));
  t.ToneB = static_cast<uint16_t>(r.In(2800, 31160));
  t.ToneC = static_cast<uint16_t>(r.In(2800, 31160));
  t.ToneD = static_cast<uint16_t>(r.In(2800, 31160));
  t.ListSetting0 = r.Byte(5, 100);
  t.ListSetting1 = r.Byte(5, 100);
  t.ListSetting2 = r.Byte(5, 100);
  t.ListSetting3 = r.Byte(0, 20);
  for (TwoToneEntry& e : t.Entries) {
    e = TwoToneEntry{};
    e.Name = NulTerminatedText<7>("");
    e.EmptyFlag = r.Coin() ? 1 : 0;
    if (e.EmptyFlag == 1) continue;
    SplitTone(r.In(2880, 31160), e.Tone1FreqHigh, e.Tone1FreqLow);
    SplitTone(r.In(1, 65535), e.Tone1DivisorHigh, e.Tone1DivisorLow);
    if (r.Coin()) {
      SplitTone(r.In(2880, 31160), e.Tone2FreqHigh, e.Tone2FreqLow);
      SplitTone(r.In(1, 65535), e.Tone2DivisorHigh, e.Tone2DivisorLow);
    }
    e.Name = NulTerminatedText<7>(r.Name());
  }
  return t;
}

FiveToneCode RandomFiveToneCode(Rng& r, int maxDigits) {
  FiveToneCode c;
  c.EmptyFlag = r.Coin() ? 1 : 0;
  c.Spare = r.Byte();
  c.StandardIndex = r.Byte(0, 15);
  c.DigitCount = r.Byte(0, maxDigits);
  c.ToneLength = ToneLength(r);
  c.Digits = FixedText<40>::From(r.Text(kHex, c.DigitCount));
  c.Name = NulTerminatedText<7>(r.Name());
  return c;
}

FiveToneSettings RandomFiveTone(Rng& r) {
  FiveToneSettings f;
  f.HeaderByte0 = r.Byte();
  f.DecodeResponse = r.Byte(0, 2);
  f.StandardIndex = r.Byte(0, 15);
  f.IdLength = r.In(0, 4) == 0 ? 0 : 5;
  f.ToneLength = ToneLength(r);
  f.OwnId = NulTerminatedText<6>(r.Text(kDigits, f.IdLength));
  f.ListValue5 = r.Byte(0, 250);
  f.ListValue4 = r.Byte(1, 255);
  f.ListValue6 = r.Byte(1, 255);
  f.ListValue7 = r.Coin() ? 0 : r.Byte(5, 75);
  f.FirstDigitDelay = r.Int(1, 255);
  f.PauseTime = r.Int(0, 255);
  constexpr int16_t kPauseCodes[] = {0, 11, 12, 13, 15};
  f.PauseCode = kPauseCodes[r.In(0, 4)];
  f.FirstCodeDelayAfterPause = r.Int(0, 250);
  f.SideTone = r.Int(0, 1);
  f.SpecialDigit = r.Coin() ? 0 : r.Int(10, 15);
  for (FiveToneInfoCode& info : f.InfoCodes) {
    info.DecodeFunction = r.Byte(0, 6);
    info.Response = r.Byte(0, 2);
    info.DigitCount = r.Byte(0, 12);
    info.Digits = NulTerminatedText<12>(r.Text(kHex, info.DigitCount));
    info.Name = FixedText<7>::From(r.Name());
  }
  f.PttIdBegin = RandomFiveToneCode(r, 24);
  f.PttIdEnd = RandomFiveToneCode(r, 24);
  for (FiveToneCode& c : f.Calls) c = RandomFiveToneCode(r, 40);
  for (uint16_t& v : f.UserStandard) v = static_cast<uint16_t>(r.In(0, 65535));
  return f;
}

// The forms the book editor stores: a shorter text is followed by one NUL (two for no code).
CommuBook RandomBook(Rng& r) {
  CommuBook book;
  for (CommuBookEntry& e : book.entries) {
    const std::string code = r.Text(kDigits, r.In(0, 5));
    e.CallCode = code.empty() ? FixedText<5>::From(std::string(2, '\0')) : NulTerminatedText<5>(code);
    e.CallName = NulTerminatedText<7>(r.Name(kBookName));
  }
  return book;
}

}  // namespace

RandomSettings MakeRandomSettings(uint32_t seed) {
  Rng r(seed);
  RandomSettings s;
  SignallingSettings& sig = s.signalling;
  sig.Option = RandomOptions(r);
  sig.Keys = RandomKeys(r, sig.Option.Option14 != 0);
  sig.Scan = RandomScan(r);
  sig.Alert = RandomAlert(r);
  sig.Dtmf = RandomDtmf(r);
  sig.TwoTone = RandomTwoTone(r);
  sig.FiveTone = RandomFiveTone(r);
  s.book = RandomBook(r);
  s.decodeTime = r.Byte(0, 200);
  return s;
}

void CarryRecordOnlyFields(const SignallingSettings& from, SignallingSettings& to) {
  to.Option.Option4 = from.Option.Option4;
  to.Option.Option6 = from.Option.Option6;
  to.Option.Option13 = from.Option.Option13;
  to.Dtmf.PttIdMode = from.Dtmf.PttIdMode;
  for (auto [src, dst] : {std::pair{&from.FiveTone.PttIdBegin, &to.FiveTone.PttIdBegin},
                          std::pair{&from.FiveTone.PttIdEnd, &to.FiveTone.PttIdEnd}}) {
    dst->EmptyFlag = src->EmptyFlag;
    dst->Spare = src->Spare;
    dst->Name = src->Name;
  }
  for (std::size_t n = 0; n < to.FiveTone.Calls.size(); ++n)
    to.FiveTone.Calls[n].Spare = from.FiveTone.Calls[n].Spare;
}

void TrimTexts(SignallingSettings& s) {
  Trim(s.Option.PowerOnMessage);
  Trim(s.Option.PowerOnPassword);
  for (TwoToneEntry& e : s.TwoTone.Entries) Trim(e.Name);
  FiveToneSettings& f = s.FiveTone;
  Trim(f.OwnId);
  for (FiveToneInfoCode& info : f.InfoCodes) {
    Trim(info.Digits);
    Trim(info.Name);
  }
  for (FiveToneCode* c : {&f.PttIdBegin, &f.PttIdEnd}) {
    Trim(c->Digits);
    Trim(c->Name);
  }
  for (FiveToneCode& c : f.Calls) {
    Trim(c.Digits);
    Trim(c.Name);
  }
}

void TrimTexts(CommuBook& book) {
  for (CommuBookEntry& e : book.entries) {
    Trim(e.CallCode);
    Trim(e.CallName);
  }
}

}  // namespace kt740::test
