#include "sim_memory.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace kt740::sim {
namespace {

bool LoadImage(const std::string& path, SimRadio& radio, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  const std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (data.size() != kMemorySize) {
    error = path + " is not a 16384-byte memory image";
    return false;
  }
  for (std::size_t i = 0; i < data.size(); ++i) radio.memory[i] = static_cast<uint8_t>(data[i]);
  return true;
}

}  // namespace

bool LoadInitialMemory(const SimCommandLine& cmd, SimRadio& radio, std::string& error) {
  std::error_code ec;
  if (!cmd.memoryFile.empty() && std::filesystem::exists(cmd.memoryFile, ec))
    return LoadImage(cmd.memoryFile, radio, error);
  if (cmd.blank) {
    radio.memory.fill(0xFF);
    return true;
  }
  if (LoadImage(cmd.factoryImage, radio, error)) return true;
  error += " (the factory image; --factory-image FILE names another, --blank starts erased)";
  return false;
}

void SaveMemory(const std::string& path, const SimRadio& radio) {
  if (path.empty()) return;
  const std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(radio.memory.data()),
              static_cast<std::streamsize>(radio.memory.size()));
    out.close();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return;
    }
  }
  std::error_code ec;
  if (std::filesystem::file_size(temp, ec) != kMemorySize) {
    std::filesystem::remove(temp, ec);
    return;
  }
  std::filesystem::rename(temp, path, ec);
}

}  // namespace kt740::sim
