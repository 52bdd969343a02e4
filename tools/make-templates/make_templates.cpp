// Builds the model templates of the program folder's Init/ with the program's own file writer:
//   make-templates OUTDIR        writes KT-740.dat/.fre and RB-5100.dat/.fre into OUTDIR
//   make-templates --check DIR   exits 1 unless the files in DIR are what it would write
// Both templates hold the reset settings and the factory channels below. With FactoryFres 0
// a reset keeps only the VFO of the model template; the fallback template's channels are
// replaced by the default VFO, so only its settings ever count.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "core/notifier.h"
#include "files/file_format.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"

namespace kt740 {
namespace {

namespace fs = std::filesystem;

// Tone kinds of the two tone columns: tone 1 decodes (receive), tone 2 encodes (transmit).
enum Tone : int16_t { NoTone = 0, Ctcss = 1, Dcs = 2 };

struct FactoryChannel {
  int16_t number;
  const char* rx;      // MHz with five decimals
  int16_t offsetDir;   // 0 none, 1 minus, 2 plus
  const char* offset;  // MHz with five decimals
  const char* name;    // up to 7 characters
  int16_t step;        // 5 = 12.5K, 7 = 25K
  int16_t bandwidth;   // 0 = 25K, 2 = 12.5K
  int16_t power;       // 0 high, 1 medium, 2 low
  Tone tone1;
  int16_t tone1Code;  // CTCSS list index or DCS code (9 bits, octal digits)
  Tone tone2;
  int16_t tone2Code;
};

// clang-format off
constexpr FactoryChannel kFactoryChannels[] = {
  // No.  RX           dir offset      name       step bw pwr  tone 1        tone 2
  {  1, "145.50000", 0, "0.00000", "CALL",    7, 0, 0, NoTone, 20, NoTone, 20},
  {  2, "145.52500", 0, "0.00000", "SIMPLX1", 7, 0, 0, NoTone, 20, NoTone, 20},
  {  3, "145.55000", 0, "0.00000", "SIMPLX2", 7, 0, 1, NoTone, 20, NoTone, 20},
  {  4, "145.57500", 0, "0.00000", "SIMPLX3", 7, 0, 1, NoTone, 20, NoTone, 20},
  {  5, "145.60000", 1, "0.60000", "RPT1",    5, 0, 0, NoTone, 20, Ctcss,   9},   // TX 145.0, 88.5 Hz
  {  6, "145.65000", 1, "0.60000", "RPT2",    5, 0, 0, Ctcss,  13, Ctcss,  13},   // 100.0 Hz both ways
  {  7, "145.72500", 1, "0.60000", "RPT3",    5, 2, 0, NoTone, 20, Ctcss,  19},   // 123.0 Hz
  {  8, "146.52000", 0, "0.00000", "SIMPLX4", 7, 0, 0, NoTone, 20, NoTone, 20},
  {  9, "151.62500", 0, "0.00000", "WORK1",   5, 2, 1, Ctcss,   1, Ctcss,   1},   // 67.0 Hz
  { 10, "151.95500", 0, "0.00000", "WORK2",   5, 2, 1, Dcs,    19, Dcs,    19},   // D023N
  { 11, "152.87000", 0, "0.00000", "WORK3",   5, 2, 1, NoTone, 20, NoTone, 20},
  { 12, "154.57000", 0, "0.00000", "WORK4",   5, 2, 2, Ctcss,  20, Ctcss,  20},   // 127.3 Hz
  { 13, "156.80000", 0, "0.00000", "MAR 16",  7, 0, 2, NoTone, 20, NoTone, 20},
  { 14, "156.45000", 0, "0.00000", "MAR 09",  7, 0, 2, NoTone, 20, NoTone, 20},
  { 15, "158.40000", 2, "4.60000", "DUPLEX",  5, 2, 0, Dcs,   492, Dcs,   492},   // TX 163.0, D754N
  { 16, "173.22500", 0, "0.00000", "TOP",     5, 2, 2, NoTone, 20, NoTone, 20},
  {203, "155.00000", 0, "0.00000", "",        5, 0, 0, NoTone, 20, NoTone, 20},   // VFO
};
// clang-format on

// "145.50000" -> "014550000" (10 Hz units, nine digits).
std::string StoredFrequency(std::string_view mhz) {
  std::string digits;
  for (char c : mhz) {
    if (c != '.') digits.push_back(c);
  }
  return std::string(9 - digits.size(), '0') + digits;
}

ChannelRecord MakeChannel(const FactoryChannel& f) {
  ChannelRecord r;
  r.Number = f.number;
  r.InUse = 1;
  r.ScanSkip = f.number == kChannelVFO ? 1 : 0;
  r.RxFreq = FixedText<9>::From(StoredFrequency(f.rx));
  r.Offset = FixedText<9>::From(StoredFrequency(f.offset));
  r.Name = NulTerminatedText<7>(f.name);
  r.Step = f.step;
  r.Bandwidth = f.bandwidth;
  r.OffsetDir = f.offsetDir;
  r.TxPower = f.power;
  r.Tone1Type = f.tone1;
  r.Tone2Type = f.tone2;
  r.Tone1Ctcss = f.tone1 == Dcs ? 20 : f.tone1Code;
  r.Tone2Ctcss = f.tone2 == Dcs ? 20 : f.tone2Code;
  r.Tone1Dcs = f.tone1 == Dcs ? f.tone1Code : 0;
  r.Tone2Dcs = f.tone2 == Dcs ? f.tone2Code : 0;
  r.Tone1DcsHigh = static_cast<int16_t>(r.Tone1Dcs / 256);
  r.Tone2DcsHigh = static_cast<int16_t>(r.Tone2Dcs / 256);
  r.PttIdCode = FixedText<5>::From("00000");
  return r;
}

class StderrNotifier : public Notifier {
 public:
  void Message(const std::string& text, Icon) override { std::cerr << "make-templates: " << text << "\n"; }
  Answer Ask(const std::string&, Buttons, Icon) override { return Answer::Cancel; }
};

constexpr const char* kTemplates[] = {"KT-740", "RB-5100"};

bool WriteTemplates(const fs::path& dir) {
  ProgramState state;  // no program folder: the reset configuration without templates
  ResetAllData(state);
  ChannelList& list = state.current.channels;
  list.ChannelCount = 0;
  for (const FactoryChannel& f : kFactoryChannels)
    list.records[static_cast<std::size_t>(list.ChannelCount++)] = MakeChannel(f);

  StderrNotifier notifier;
  for (const char* name : kTemplates) {
    const std::string dat = (dir / (std::string(name) + ".dat")).string();
    // Start afresh: a save keeps the tail of a longer old channel file.
    fs::remove(dat);
    fs::remove(ChannelFileName(dat));
    if (!SaveDataFile(state, notifier, dat)) return false;
  }
  return true;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

int Check(const fs::path& dir) {
  const fs::path temp =
      fs::temp_directory_path() / ("kt740-templates-" + std::to_string(std::random_device{}()));
  fs::create_directories(temp);
  int status = WriteTemplates(temp) ? 0 : 1;
  for (const char* name : kTemplates) {
    for (const char* ext : {".dat", ".fre"}) {
      const std::string file = std::string(name) + ext;
      if (!fs::exists(dir / file) || ReadAll(dir / file) != ReadAll(temp / file)) {
        std::cerr << "make-templates: " << (dir / file).string()
                  << " differs from the generator's output; run scripts/make-templates\n";
        status = 1;
      }
    }
  }
  fs::remove_all(temp);
  return status;
}

}  // namespace
}  // namespace kt740

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--check") return kt740::Check(args[1]);
  if (args.size() == 1 && args[0].rfind("-", 0) != 0) {
    std::filesystem::create_directories(args[0]);
    return kt740::WriteTemplates(args[0]) ? 0 : 1;
  }
  std::cerr << "Usage: make-templates OUTDIR | make-templates --check DIR\n";
  return 2;
}
