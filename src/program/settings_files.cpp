#include "program/settings_files.h"

#include <charconv>
#include <filesystem>

#include "core/ini_file.h"
#include "core/profile.h"
#include "core/safe_file.h"
#include "core/utf8_path.h"

namespace kt740 {
namespace {

constexpr const char* kSection = "language";

std::optional<long> ParseInteger(const std::string& text) {
  long value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') ++first;
  const auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || first == last) return std::nullopt;
  return value;
}

std::optional<int16_t> ParseInt16(const std::string& text) {
  const auto v = ParseInteger(text);
  if (!v || *v < INT16_MIN || *v > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(*v);
}

// A number: 0 false, any other true; also the words True and False.
bool ParseTruth(const std::string& text) {
  if (const auto v = ParseInteger(text)) return *v != 0;
  std::string lower;
  for (char c : text) lower.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c);
  return lower == "true";
}

}  // namespace

std::string MySetupPath(const Folders& folders) {
  return PathToUtf8(PathFromUtf8(folders.userDir) / "mysetup.ini");
}

std::string SettingIniPath(const Folders& folders) {
  return PathToUtf8(PathFromUtf8(folders.userDir) / "Setting.ini");
}

MySetup ReadMySetup(const std::string& path) {
  const IniDocument doc = IniDocument::Load(path);
  MySetup setup;
  setup.IsFirstRun = ParseTruth(ReadProfileText(doc, kSection, "IsFirstRun"));
  setup.Skin = ReadProfileText(doc, kSection, "Skin");
  setup.ComPort = ParseInt16(ReadProfileText(doc, kSection, "comPort")).value_or(1);
  setup.FactoryFres = ParseInt16(ReadProfileText(doc, kSection, "FactoryFres")).value_or(0);
  return setup;
}

bool WriteMySetupValue(const std::string& path, const std::string& key, const std::string& value) {
  IniDocument doc = IniDocument::Load(path);
  doc.SetValue(kSection, key, value);
  return doc.Save(path);
}

FeatureFlags ReadSettingIni(const std::string& path) {
  const auto contents = ReadWholeFile(path);
  if (!contents || contents->size() < 10) return {};
  const auto word = [&](std::size_t offset) {
    const auto lo = static_cast<uint8_t>((*contents)[offset]);
    const auto hi = static_cast<uint8_t>((*contents)[offset + 1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
  };
  return {word(0), word(2), word(4), word(6), word(8)};
}

bool WriteSettingIni(const std::string& path, const FeatureFlags& flags) {
  std::string bytes;
  for (int16_t v : {flags.FiveToneEnabled, flags.TwoToneEnabled, flags.DTMFEnabled, flags.Reserved,
                    flags.FeatureMenusShown}) {
    const auto u = static_cast<uint16_t>(v);
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return WriteFileReplacing(path, bytes);
}

void SeedUserFolder(const Folders& folders) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(PathFromUtf8(folders.userDir), ec);
  const std::pair<fs::path, fs::path> seeds[] = {
      {PathFromUtf8(folders.programDir) / "language" / "mysetup.ini", PathFromUtf8(MySetupPath(folders))},
      {PathFromUtf8(folders.programDir) / "Setting.ini", PathFromUtf8(SettingIniPath(folders))},
  };
  for (const auto& [from, to] : seeds) {
    if (!fs::exists(to, ec) && fs::exists(from, ec)) fs::copy_file(from, to, ec);
  }
}

}  // namespace kt740
