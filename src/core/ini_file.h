// Private-profile (INI) files: sections and keys compared without regard to ASCII case,
// values trimmed of surrounding spaces; writing keeps every other line as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kt740 {

class IniDocument {
 public:
  static IniDocument Parse(std::string_view text);
  // An empty document when the file is missing or unreadable.
  static IniDocument Load(const std::string& path);

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  std::string Serialize() const;
  // Writes through a temporary file and a rename, so a failed write keeps the old file.
  bool Save(const std::string& path) const;

 private:
  struct Line {
    std::string text;     // the line as it stands in the file
    std::string section;  // for key lines: the section they belong to
    std::string key;      // empty for non-key lines
    std::string value;
  };
  std::vector<Line> lines_;
};

}  // namespace kt740
