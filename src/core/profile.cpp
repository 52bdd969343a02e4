#include "core/profile.h"

#include <filesystem>

#include "core/utf8_path.h"

namespace kt740 {

std::string ReadProfileText(const IniDocument& doc, std::string_view section, std::string_view key,
                            std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  std::string buffer(bufferSize, ' ');
  const std::string value = doc.Value(section, key).value_or("");
  const std::size_t n = std::min(value.size(), bufferSize - 1);
  buffer.replace(0, n, value, 0, n);
  buffer[n] = '\0';
  std::size_t first = buffer.find_first_not_of(' ');
  std::size_t last = buffer.find_last_not_of(' ');
  std::string trimmed = (first == std::string::npos) ? std::string() : buffer.substr(first, last - first + 1);
  if (!trimmed.empty()) trimmed.pop_back();
  return trimmed;
}

const IniDocument& TextCatalog::Document(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  long long stamp = -1;
  const fs::path p = PathFromUtf8(path);
  const auto time = fs::last_write_time(p, ec);
  if (!ec)
    stamp = static_cast<long long>(time.time_since_epoch().count()) ^
            static_cast<long long>(fs::file_size(p, ec));
  Entry& entry = cache_[path];
  if (!entry.doc || entry.stamp != stamp) {
    entry.doc = std::make_shared<IniDocument>(IniDocument::Load(path));
    entry.stamp = stamp;
  }
  return *entry.doc;
}

}  // namespace kt740
