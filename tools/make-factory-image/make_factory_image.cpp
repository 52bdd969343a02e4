// Builds the memory of a KT-740 as it leaves the factory, which the simulated radio starts with:
//   make-factory-image FILE          writes the 16384-byte image
//   make-factory-image --check FILE  exits 1 unless FILE holds what it would write
// 0x0100-0x3FFF is the KT-740 template with its factory channels, encoded as a write to the
// radio encodes it (what kt740-cli new and encode give with FactoryFres=1 in mysetup.ini);
// below it, the radio information a factory writes.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/notifier.h"
#include "image/memory_image.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "program/startup.h"

namespace kt740 {
namespace {

namespace fs = std::filesystem;

class StderrNotifier : public Notifier {
 public:
  void Message(const std::string& text, Icon) override {
    std::cerr << "make-factory-image: " << text << "\n";
  }
  Answer Ask(const std::string&, Buttons, Icon) override { return Answer::Cancel; }
};

// A per-user folder of its own for the start-up, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder()
      : path_(fs::temp_directory_path() / ("kt740-factory-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// The configuration part: start-up with the factory channels kept, then encode-all. This is
// the one place that builds core objects.
bool EncodeFactoryConfiguration(const std::string& programDir, MemoryImage& image) {
  ScratchFolder user;
  std::ofstream(user.path() / "mysetup.ini", std::ios::binary)
      << "[language]\r\nIsFirstRun=0\r\nSkin=0\r\ncomPort=1\r\nFactoryFres=1\r\n";
  ProgramState state;
  state.app.folders = {programDir, user.path().string()};
  StartupEnvironment env;
  env.systemLocale = "en_US";
  RunStartup(state, env);
  StderrNotifier notifier;
  ClearImage(state.image);
  state.CommDataOK = true;
  SetCommData(state, notifier);
  image = state.image;
  return state.CommDataOK;
}

// The radio information (0x0017-0x00FF): a text, then 0x00 up to the field's end.
struct InfoField {
  std::size_t address;
  std::size_t length;
  std::string_view text;
};

// clang-format off
constexpr InfoField kFactoryInfo[] = {
  {0x0019,  4, "0595"},                               // area code
  {0x0020, 16, "2024061200000123"},                   // serial number
  {0x0030, 16, "2024-06-12"},                         // production date
  {0x0040,  8, "06-1-E-1"},                           // manufacture code
  {0x0048,  4, "001A"},                               // user code
  {0x0050, 16, ""},                                   // maintenance date: never serviced
  {0x0060, 16, "D-0042"},                             // dealer code
  {0x0070, 16, "2024-07-01"},                         // stock date
  {0x0080, 16, "2024-07-15"},                         // sell date
  {0x0090, 16, "Sample Radio Co"},                    // seller
  {0x00A0, 96, "Factory configuration, not yet serviced"},  // maintenance description
};
// clang-format on

void PutFactoryInfo(MemoryImage& image) {
  for (const InfoField& f : kFactoryInfo) {
    for (std::size_t i = 0; i < f.length; ++i)
      image[f.address + i] = i < f.text.size() ? static_cast<uint8_t>(f.text[i]) : 0x00;
  }
}

std::optional<std::string> FactoryImage() {
  MemoryImage image;
  if (!EncodeFactoryConfiguration(KT740_SOURCE_DATA_DIR, image)) return std::nullopt;
  PutFactoryInfo(image);
  return std::string(reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size());
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Write(const fs::path& path) {
  const auto image = FactoryImage();
  if (!image) return 1;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << *image;
  out.close();
  if (!out) {
    std::cerr << "make-factory-image: cannot write " << path.string() << "\n";
    return 1;
  }
  return 0;
}

int Check(const fs::path& path) {
  const auto image = FactoryImage();
  if (!image) return 1;
  if (ReadAll(path) != *image) {
    std::cerr << "make-factory-image: " << path.string()
              << " differs from the generator's output; run scripts/make-templates\n";
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace kt740

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "--check") return kt740::Check(args[1]);
  if (args.size() == 1 && args[0].rfind("-", 0) != 0) return kt740::Write(args[0]);
  std::cerr << "Usage: make-factory-image FILE | make-factory-image --check FILE\n";
  return 2;
}
