// Reading and writing a configuration as files: the data file and the channel file beside it,
// and the communication-book file. Each takes the records it moves; the procedures over the
// program state (OpenDataFile, SaveDataFile ...) are in program/data_files.h.
#pragma once

#include <string>

#include "files/file_error.h"
#include "files/file_ops.h"
#include "image/settings_record.h"

namespace kt740 {

struct ConfigurationRead {
  FileError error;
  bool channelFileMissing = false;  // the data file names channels its missing channel file lacks

  explicit operator bool() const { return !error; }
};

// Reads a data file and its channel file into `into`, which should start as a copy of the
// snapshot (slots past the loaded channels keep their contents). An error when the data file is
// missing, unreadable, short or damaged, or the channel file exists but cannot be read or holds
// a record with a bad Number; a missing or short channel file loads the whole records it has.
// `into` may be partly changed on failure.
ConfigurationRead ReadConfigurationFiles(FileOps& ops, const std::string& path, Configuration& into);

// Writes the settings and channels to `path` and its channel file, or neither (ReplaceFiles).
FileError WriteConfigurationFiles(FileOps& ops, const std::string& path, const Configuration& config);

// The first 1792 bytes of `path` into `book`; on failure `book` stays as it was.
FileError ReadBookFile(FileOps& ops, const std::string& path, CommuBook& book);
// `book` as the first 1792 bytes of `path` (the bytes of a longer old file after them stay).
FileError WriteBookFile(FileOps& ops, const std::string& path, const CommuBook& book);

}  // namespace kt740
