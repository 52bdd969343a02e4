// Rows of texts printed for people (aligned columns) or for scripts (tab- or comma-separated).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kt740 {

enum class TableFormat { Aligned, Tsv, Csv };

using TextRow = std::vector<std::string>;

// Columns of an aligned table, in terminal cells: East Asian wide characters take two.
std::size_t DisplayWidth(const std::string& utf8);

// The first row is the header. Aligned: columns padded to their widest cell, two spaces apart,
// no trailing spaces. Every format keeps a row on one line: tabs and line breaks inside a cell
// become spaces (CR LF one space). Csv quotes a cell holding a comma or a quote (RFC 4180).
void PrintTable(std::ostream& out, const std::vector<TextRow>& rows, TableFormat format);

}  // namespace kt740
