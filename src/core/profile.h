// Profile reads with the program's buffer rules, and the language-text lookup.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "core/ini_file.h"

namespace kt740 {

struct AppState;
struct ProgramState;

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

// Full path of the language file in use.
std::string LanguageFilePath(const AppState& app);

// Section "OTHER", key = decimal id, buffer 255 (values cut to 254 characters).
std::string LangText(const AppState& app, TextCatalog& catalog, int id);
// The same read pattern for the sections "MSG" and "OPTION" (keys may be hexadecimal-looking).
std::string LangSectionText(const AppState& app, TextCatalog& catalog, std::string_view section,
                            std::string_view key);

// The same, with the state's own catalog.
std::string LangText(const ProgramState& state, int id);
std::string LangSectionText(const ProgramState& state, std::string_view section, std::string_view key);

}  // namespace kt740
