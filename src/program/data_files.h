// Saving and opening a configuration and the communication book, over the program state. Every
// failure is shown through the notifier as FileErrorText gives it: "file error." and a second
// line naming the file and the reason, in the program's language.
#pragma once

#include <string>

#include "files/data_file.h"
#include "files/file_ops.h"

namespace kt740 {

struct ProgramState;
class Notifier;

// The message of a file error in the program's language, as the notifier shows it.
std::string FileErrorMessage(const ProgramState& state, const FileError& error);

// Takes the snapshot and writes it to `path` and its channel file; on success CurrentFileName
// := path and Untitled := false. On failure the error is shown, both files on disk stay as they
// were, and the snapshot, CurrentFileName and Untitled stay as they were, so the changes still
// count as unsaved.
bool SaveDataFile(ProgramState& state, Notifier& notifier, const std::string& path,
                  FileOps& ops = DiskFileOps());
// Save to CurrentFileName.
bool SaveDataFile(ProgramState& state, Notifier& notifier, FileOps& ops = DiskFileOps());

// As SaveDataFile, but the error is returned instead of shown (None on success).
FileError TrySaveDataFile(ProgramState& state, const std::string& path, FileOps& ops = DiskFileOps());

// Loads `path` into the snapshot and the current configuration (the program's ModelCode is
// kept); CurrentFileName := path, Untitled := false. On failure the error is shown and nothing
// changes: current, snapshot, CurrentFileName and Untitled stay as they were. A data file whose
// channel file is missing opens, and then says so (information).
bool OpenDataFile(ProgramState& state, Notifier& notifier, const std::string& path,
                  FileOps& ops = DiskFileOps());

// As OpenDataFile, but nothing is shown: the caller prints result.error (FileErrorMessage) and
// the missing channel file (ChannelFileMissingText) itself.
ConfigurationRead TryOpenDataFile(ProgramState& state, const std::string& path, FileOps& ops = DiskFileOps());

// Reads the first 1792 bytes of `path` into `working`; CurrentBookFileName := path. A file that
// is missing, unreadable or shorter than 1792 bytes shows the error and leaves `working` and
// CurrentBookFileName as they were.
bool FreLoadBookFile(ProgramState& state, Notifier& notifier, CommuBook& working, const std::string& path,
                     FileOps& ops = DiskFileOps());
// Writes `working` as the first 1792 bytes of `path` (the bytes of a longer old file after
// them stay); CurrentBookFileName := path. The editor commits its open cell first. A failure
// shows the error and leaves the old file as it was.
bool FreSaveBookFile(ProgramState& state, Notifier& notifier, const CommuBook& working,
                     const std::string& path, FileOps& ops = DiskFileOps());

}  // namespace kt740
