// Why opening or saving a file failed, as a value: what failed, the file and the detail. One
// function turns it into the message the program shows.
#pragma once

#include <cstdint>
#include <string>

#include "files/file_format.h"
#include "files/file_ops.h"

namespace kt740 {

enum class FileFailure {
  None,
  Missing,         // nothing at the path
  CannotRead,      // reason: the system's reason
  CannotWrite,     // a new file could not be written (reason when known)
  CannotReplace,   // the new file could not take the old one's place
  OwnChannelFile,  // the data file's name is that of its own channel file
  Damaged,         // damage and number say how
};

struct FileError {
  FileFailure what = FileFailure::None;
  std::string path;    // UTF-8, as the program named it
  std::string reason;  // the system's reason, when it gave one
  FileDamage damage = FileDamage::None;
  long long number = 0;  // bytes present, the count or the channel number the damage names

  explicit operator bool() const { return what != FileFailure::None; }
};

// What a read of `path` that did not give bytes means.
FileError ReadError(const std::string& path, const ReadResult& read);
FileError DamageError(const std::string& path, FileDamage damage, long long number);
FileError ReplaceError(const ReplaceFailure& failure);

// Two lines in the program's language: "file error." and the file with the reason, for
// instance "a.dat is shorter than a configuration file: 100 of 8667 bytes."
std::string FileErrorText(const FileError& error, int16_t languageId);

// The information shown after opening a data file whose channel file is missing.
std::string ChannelFileMissingText(const std::string& channelPath, int16_t languageId);

}  // namespace kt740
