// Whole-file reads and writes that never destroy the file they replace.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kt740 {

// Nothing when the file cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes contents to a temporary file in the same folder, flushes it and renames it over path.
// On failure the old file stays as it was and the temporary file is removed.
bool WriteFileReplacing(const std::string& path, std::string_view contents);

}  // namespace kt740
