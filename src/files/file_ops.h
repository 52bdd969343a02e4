// The file operations that opening and saving need, behind a seam so that tests can make any
// one of them fail (a full disk, a failed rename, an unreadable file).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/safe_file.h"

namespace kt740 {

class FileOps {
 public:
  static constexpr std::size_t kWholeFile = kt740::kWholeFile;

  virtual ~FileOps() = default;
  // At most `limit` bytes from the start of the file. Missing only when nothing exists at
  // path; anything there that cannot be read is Failed.
  virtual ReadResult Read(const std::string& path, std::size_t limit = kWholeFile) = 0;
  // Creates or truncates path, writes contents and flushes them to the disk.
  virtual bool WriteNew(const std::string& path, std::string_view contents) = 0;
  // Replaces `to` by `from` in one step, keeping the permissions `to` had.
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// The real file system. ToDisk costs a device flush per file (milliseconds) and guards against
// a power cut right after a save leaving an empty file in place of the old one; the rename
// itself needs no flush (after a crash either the old or the new file is there, whole).
FileOps& DiskFileOps(DiskSync sync = DiskSync::ToDisk);

struct FileReplacement {
  std::string path;
  std::string contents;
};

// Replaces every file of the list, or none of them:
// 1. each file's old contents are read (an unreadable existing file fails the whole save);
//    an old file longer than its new contents keeps its extra bytes, so the result is what an
//    in-place write of the record would leave;
// 2. every new file is written to a temporary file beside it and flushed; a failure removes
//    the temporaries and leaves every old file untouched;
// 3. the temporaries are renamed over their files in list order; when a rename fails, the
//    files already replaced get their old contents back (or are removed when they did not
//    exist before) and the remaining temporaries are removed.
// Only a crash between two renames of step 3 can leave the files of one save mixed.
enum class ReplaceStep { ReadOld, Write, Rename };
struct ReplaceFailure {
  std::string path;  // the file whose step failed
  ReplaceStep step = ReplaceStep::Write;
  std::string reason;  // the system's reason, when the seam gave one
};
bool ReplaceFiles(FileOps& ops, std::span<FileReplacement> files, ReplaceFailure* failure = nullptr);

}  // namespace kt740
