// Profile reads with the program's buffer rules, and the parsed language files.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/ini_file.h"

namespace kt740 {

// Reads a value into a buffer of bufferSize spaces as the profile reader does: the value is cut
// to bufferSize - 1 characters, surrounding spaces are trimmed and the terminating NUL dropped.
// A missing file or key gives an empty text.
std::string ReadProfileText(const IniDocument& doc, std::string_view section, std::string_view key,
                            std::size_t bufferSize = 512);

// Parsed language files, loaded once per path and reloaded when the file changes.
class TextCatalog {
 public:
  const IniDocument& Document(const std::string& path);

 private:
  struct Entry {
    std::shared_ptr<IniDocument> doc;
    long long stamp = 0;
  };
  std::map<std::string, Entry> cache_;
};

}  // namespace kt740
