// The communication-book file (.cb): export and import of the book editor's working copy.
#pragma once

#include <string>

#include "files/file_ops.h"

namespace kt740 {

struct ProgramState;
struct CommuBook;
class Notifier;

// Reads the first 1792 bytes of `path` into `working`; CurrentBookFileName := path. A file that
// is missing, unreadable or shorter than 1792 bytes shows "file error." and leaves `working`
// and CurrentBookFileName as they were.
bool FreLoadBookFile(ProgramState& state, Notifier& notifier, CommuBook& working, const std::string& path,
                     FileOps& ops = DiskFileOps());

// Writes `working` as the first 1792 bytes of `path` (the bytes of a longer old file after
// them stay); CurrentBookFileName := path. The editor commits its open cell first. A failure
// shows "file error." and leaves the old file as it was.
bool FreSaveBookFile(ProgramState& state, Notifier& notifier, const CommuBook& working,
                     const std::string& path, FileOps& ops = DiskFileOps());

}  // namespace kt740
