// Saving and opening a configuration: the data file and the channel file beside it.
#pragma once

#include <string>

#include "files/file_ops.h"

namespace kt740 {

struct ProgramState;
struct Configuration;
class Notifier;

// Reads a data file and its channel file into `into`, which should start as a copy of the
// snapshot (slots past the loaded channels keep their contents). False when the data file is
// missing, unreadable, short or damaged, or the channel file exists but cannot be read or holds
// a record with a bad Number; a missing or short channel file loads the whole records it has.
// `into` may be partly changed on failure.
bool ReadConfigurationFiles(FileOps& ops, const std::string& path, Configuration& into);

// Takes the snapshot and writes it to `path` and its channel file; on success CurrentFileName
// := path and Untitled := false. On failure "file error." is shown, both files on disk stay as
// they were, and the snapshot, CurrentFileName and Untitled stay as they were, so the changes
// still count as unsaved.
bool SaveDataFile(ProgramState& state, Notifier& notifier, const std::string& path,
                  FileOps& ops = DiskFileOps());
// Save to CurrentFileName.
bool SaveDataFile(ProgramState& state, Notifier& notifier, FileOps& ops = DiskFileOps());

// Loads `path` into the snapshot and the current configuration (the program's ModelCode is
// kept); CurrentFileName := path, Untitled := false. On failure "file error." is shown and
// nothing changes: current, snapshot, CurrentFileName and Untitled stay as they were.
bool OpenDataFile(ProgramState& state, Notifier& notifier, const std::string& path,
                  FileOps& ops = DiskFileOps());

}  // namespace kt740
