// The one whole-file reader and the one atomic file writer of the program. Paths are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kt740 {

enum class ReadStatus { Ok, Missing, Failed };

struct ReadResult {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  std::string reason;  // the system's reason when the status is Failed (may be empty)
};

constexpr std::size_t kWholeFile = static_cast<std::size_t>(-1);

// At most `limit` bytes from the start of the file. Missing only when nothing exists at path;
// anything there that cannot be read (a folder, no permission) is Failed.
ReadResult ReadFileBytes(const std::string& path, std::size_t limit = kWholeFile);

// The whole file; nothing when it is missing or cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

enum class DiskSync {
  ToDisk,    // the bytes reach the device before the call returns
  ToSystem,  // the bytes are handed to the operating system only
};

// Creates or truncates path and writes contents, flushed as `sync` says. `reason` receives the
// system's reason on failure.
bool WriteNewFile(const std::string& path, std::string_view contents, DiskSync sync,
                  std::string* reason = nullptr);

// Replaces path in one step: contents go to a temporary file beside it, reach the device, and
// the temporary file is renamed over path (keeping the permissions the old file had). On
// failure the old file stays as it was and the temporary file is removed.
bool WriteFileReplacing(const std::string& path, std::string_view contents, std::string* reason = nullptr);

// Renames from over to, keeping the permissions `to` had.
bool RenameReplacing(const std::string& from, const std::string& to, std::string* reason = nullptr);

// A name for a temporary file beside path.
std::string TemporaryNameFor(const std::string& path);

}  // namespace kt740
