#include "cli/text_table.h"

#include <algorithm>
#include <ostream>

namespace kt740 {
namespace {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// A header's CR LF line break becomes one space, like any other tab or line break.
std::string Flattened(const std::string& cell) {
  std::string s;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    const char c = cell[i];
    if (c == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n') continue;
    s.push_back(c == '\t' || c == '\r' || c == '\n' ? ' ' : c);
  }
  return s;
}

std::string CsvCell(const std::string& text) {
  const std::string cell = Flattened(text);
  if (cell.find_first_of(",\"") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::size_t DisplayWidth(const std::string& utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t len = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    char32_t c = len == 1 ? lead : lead & (0x3F >> (len - 1));
    for (std::size_t k = 1; k < len && i + k < utf8.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    width += IsWide(c) ? 2 : 1;
    i += len;
  }
  return width;
}

void PrintTable(std::ostream& out, const std::vector<TextRow>& rows, TableFormat format) {
  if (format != TableFormat::Aligned) {
    const char sep = format == TableFormat::Tsv ? '\t' : ',';
    for (const TextRow& row : rows) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0) out << sep;
        out << (format == TableFormat::Tsv ? Flattened(row[i]) : CsvCell(row[i]));
      }
      out << "\n";
    }
    return;
  }
  std::vector<std::size_t> widths;
  for (const TextRow& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i)
      widths[i] = std::max(widths[i], DisplayWidth(Flattened(row[i])));
  }
  for (const TextRow& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string cell = Flattened(row[i]);
      line += cell;
      if (i + 1 < row.size()) line += std::string(widths[i] - DisplayWidth(cell) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

}  // namespace kt740
