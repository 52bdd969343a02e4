// Random valid channel lists survive encode then decode; what changes is exactly what the image
// cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "image/channel_codec.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "support/recording_notifier.h"

namespace kt740 {
namespace {

class RandomChannels {
 public:
  explicit RandomChannels(unsigned seed) : rng_(seed) {}

  int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  int16_t Field(int low, int high) { return static_cast<int16_t>(Int(low, high)); }

  // Eight digits and the 10 Hz digit the decoder restores from the eighth.
  std::string Frequency() {
    std::string digits;
    for (int k = 0; k < 8; ++k) digits += static_cast<char>('0' + Int(0, 9));
    switch (digits.back()) {
      case '2':
      case '7':
        return digits + '5';
      case '3':
        return digits + '3';
      case '6':
        return digits + '6';
      default:
        return digits + '0';
    }
  }

  // Printable single-byte characters, no trailing space (the encoder pads names with spaces).
  FixedText<7> Name() {
    std::string text;
    const int length = Int(0, 7);
    while (static_cast<int>(text.size()) < length) {
      const auto c = static_cast<unsigned char>(Int(0x20, 0xFF));
      if (c == 0x7F || (c >= 0x80 && c < 0xA0 && !HasSingleByteCode(c))) continue;
      if (c == ' ' && static_cast<int>(text.size()) == length - 1) continue;
      text += static_cast<char>(c);
    }
    return NulTerminatedText<7>(text);
  }

  FixedText<5> PttIdCode() {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string code;
    for (int k = 0; k < 5; ++k) code += kHex[Int(0, 15)];
    return FixedText<5>::From(code);
  }

  ChannelRecord Record(int number) {
    ChannelRecord r;
    r.Number = static_cast<int16_t>(number);
    r.InUse = 1;
    r.ScanSkip = Field(0, 1);
    r.RxFreq = FixedText<9>::From(Frequency());
    r.Offset = FixedText<9>::From(Frequency());
    r.Name = Name();
    r.Step = Field(0, 9);
    r.TxInhibit = Field(0, 1);
    r.Bandwidth = Field(0, 2);
    r.Tone2Invert = Field(0, 1);
    r.Tone2DcsHigh = Field(0, 1);
    r.GridOption = Field(0, 1);
    r.Spare1 = Field(-5, 5);
    r.Spare2 = Field(-5, 5);
    r.OffsetDir = Field(0, 2);
    r.TxPower = Field(0, 2);
    r.Talkaround = Field(0, 1);
    r.Tone1Invert = Field(0, 1);
    r.Tone1DcsHigh = Field(0, 1);
    r.Compander = Field(0, 1);
    r.Spare3 = Field(-5, 5);
    r.Tone2Type = Field(0, 2);
    r.Tone1Type = Field(0, 2);
    r.Tone2Ctcss = Field(0, 50);
    r.Tone1Ctcss = Field(0, 50);
    r.Tone2Dcs = Field(0, 511);
    r.Tone1Dcs = Field(0, 511);
    r.Signalling = Field(0, 3);
    r.Spare4 = Field(-5, 5);
    r.TwoToneNo = Field(0, 31);
    r.FiveToneNo = Field(0, 99);
    r.Spare5 = Field(-5, 5);
    r.Reverse = Field(0, 1);
    r.Scrambler = Field(0, 255);
    r.DtmfPttId = Field(0, 15);
    r.FiveTonePttId = Field(0, 15);
    r.SquelchMode = Field(0, 255);
    r.DtmfGroup = Field(0, 15);
    r.ExtraDisplay = Field(0, 3);
    r.BusyLock = Field(0, 255);
    r.AuxOption = Field(0, 255);
    r.PttIdDecode = Field(0, 1);
    r.PttIdCode = PttIdCode();
    return r;
  }

  // Unique numbers in random order, a random share of the 203 positions.
  std::vector<ChannelRecord> List() {
    std::vector<int> numbers(kChannelSlots);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), rng_);
    numbers.resize(static_cast<std::size_t>(Int(0, kChannelSlots)));
    std::vector<ChannelRecord> list;
    for (int n : numbers) list.push_back(Record(n));
    return list;
  }

  double BandLimit() { return Int(0, 99999999) / 10000.0; }

 private:
  std::mt19937 rng_;
};

// What decoding gives back: the image holds neither the fields below nor the VFO's skip flag;
// an absent VFO reads back from its blank bytes as a channel at 0 MHz.
ChannelRecord AfterRoundTrip(ChannelRecord r) {
  r.GridOption = r.ExtraDisplay = 0;
  r.Spare1 = r.Spare2 = r.Spare3 = r.Spare4 = r.Spare5 = 0;
  r.Tone1DcsHigh = static_cast<int16_t>(r.Tone1Dcs / 256);
  r.Tone2DcsHigh = static_cast<int16_t>(r.Tone2Dcs / 256);
  if (r.Number > kRegularChannels) r.PttIdCode = FixedText<5>::From("00000");
  if (r.Number == kChannelVFO) r.ScanSkip = 1;
  return r;
}

ChannelRecord BlankVfo() {
  ChannelRecord r;
  r.Number = kChannelVFO;
  r.InUse = 1;
  r.ScanSkip = 1;
  r.RxFreq = r.Offset = FixedText<9>::From("000000000");
  r.Name = NulTerminatedText<7>("");
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

TEST(ChannelCodecRoundTrip, RandomValidListsSurviveEncodeAndDecode) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    RandomChannels random(seed);
    ProgramState state;
    const std::vector<ChannelRecord> records = random.List();
    ChannelList& list = state.current.channels;
    list.ChannelCount = static_cast<int>(records.size());
    std::copy(records.begin(), records.end(), list.records.begin());
    const BandLimits bands{random.BandLimit(), random.BandLimit(), random.BandLimit(), random.BandLimit()};
    state.current.settings.Bands = bands;

    test::RecordingNotifier notifier;
    ClearImage(state.image);
    SetCommDataByFrequency(state, notifier);
    ASSERT_TRUE(state.CommDataOK) << "seed " << seed << ": " << notifier.Texts().at(0);
    const MemoryImage encoded = state.image;

    GetCommDataByFrequency(state);
    std::vector<ChannelRecord> want;
    for (const ChannelRecord& r : records) want.push_back(AfterRoundTrip(r));
    if (std::none_of(records.begin(), records.end(),
                     [](const ChannelRecord& r) { return r.Number == kChannelVFO; }))
      want.push_back(BlankVfo());
    std::sort(want.begin(), want.end(), [](const auto& a, const auto& b) { return a.Number < b.Number; });

    ASSERT_EQ(list.ChannelCount, static_cast<int>(want.size())) << "seed " << seed;
    for (std::size_t i = 0; i < want.size(); ++i)
      ASSERT_EQ(list.records[i], want[i]) << "seed " << seed << ", channel " << want[i].Number;
    EXPECT_EQ(state.current.settings.Bands, bands) << "seed " << seed;

    // And back: the decoded list writes the very same image.
    ClearImage(state.image);
    SetCommDataByFrequency(state, notifier);
    ASSERT_TRUE(state.CommDataOK);
    ASSERT_EQ(state.image, encoded) << "seed " << seed;
  }
}

}  // namespace
}  // namespace kt740
