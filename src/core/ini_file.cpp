#include "core/ini_file.h"

#include <algorithm>

#include "core/safe_file.h"

namespace kt740 {
namespace {

std::string_view TrimSpaces(std::string_view s) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
           return lower(x) == lower(y);
         });
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument doc;
  if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::string section;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    Line line{std::string(raw), {}, {}, {}};
    const std::string_view t = TrimSpaces(raw);
    if (!t.empty() && t.front() == '[') {
      const std::size_t close = t.find(']');
      section =
          std::string(TrimSpaces(t.substr(1, close == std::string_view::npos ? t.size() - 1 : close - 1)));
    } else if (!t.empty() && t.front() != ';' && t.front() != '#') {
      const std::size_t eq = t.find('=');
      if (eq != std::string_view::npos) {
        line.section = section;
        line.key = std::string(TrimSpaces(t.substr(0, eq)));
        std::string_view v = TrimSpaces(t.substr(eq + 1));
        if (v.size() >= 2 &&
            ((v.front() == '"' && v.back() == '"') || (v.front() == '\'' && v.back() == '\''))) {
          v = v.substr(1, v.size() - 2);
        }
        line.value = std::string(v);
      }
    }
    doc.lines_.push_back(std::move(line));
    pos = end + 1;
  }
  return doc;
}

IniDocument IniDocument::Load(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return {};
  return Parse(*text);
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  for (const Line& line : lines_) {
    if (!line.key.empty() && SameName(line.section, section) && SameName(line.key, key)) return line.value;
  }
  return std::nullopt;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  std::string text = std::string(key) + "=" + std::string(value);
  std::ptrdiff_t lastOfSection = -1;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line& line = lines_[i];
    const std::string_view t = TrimSpaces(line.text);
    const bool header = !t.empty() && t.front() == '[';
    if (header && SameName(TrimSpaces(t.substr(1, t.find(']') - 1)), section)) {
      lastOfSection = static_cast<std::ptrdiff_t>(i);
    } else if (!line.key.empty() && SameName(line.section, section)) {
      lastOfSection = static_cast<std::ptrdiff_t>(i);
      if (SameName(line.key, key)) {
        line.text = text;
        line.value = std::string(value);
        return;
      }
    }
  }
  Line added{text, std::string(section), std::string(key), std::string(value)};
  if (lastOfSection < 0) {
    lines_.push_back({"[" + std::string(section) + "]", {}, {}, {}});
    lines_.push_back(std::move(added));
  } else {
    lines_.insert(lines_.begin() + lastOfSection + 1, std::move(added));
  }
}

std::string IniDocument::Serialize() const {
  std::string out;
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

bool IniDocument::Save(const std::string& path) const {
  return WriteFileReplacing(path, Serialize());
}

}  // namespace kt740
