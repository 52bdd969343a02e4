#include "program/data_files.h"

#include "core/notifier.h"
#include "files/file_format.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"

namespace kt740 {
namespace {

bool Shown(const ProgramState& state, Notifier& notifier, const FileError& error) {
  if (!error) return true;
  notifier.Message(FileErrorMessage(state, error), Icon::None);
  return false;
}

}  // namespace

std::string FileErrorMessage(const ProgramState& state, const FileError& error) {
  return FileErrorText(error, state.app.LanguageId);
}

FileError TrySaveDataFile(ProgramState& state, const std::string& path, FileOps& ops) {
  const Configuration previous = state.snapshot;
  TakeSnapshot(state);
  if (FileError error = WriteConfigurationFiles(ops, path, state.snapshot)) {
    state.snapshot = previous;
    return error;
  }
  state.app.CurrentFileName = path;
  state.app.Untitled = false;
  return {};
}

bool SaveDataFile(ProgramState& state, Notifier& notifier, const std::string& path, FileOps& ops) {
  return Shown(state, notifier, TrySaveDataFile(state, path, ops));
}

bool SaveDataFile(ProgramState& state, Notifier& notifier, FileOps& ops) {
  const std::string path = state.app.CurrentFileName;
  return SaveDataFile(state, notifier, path, ops);
}

ConfigurationRead TryOpenDataFile(ProgramState& state, const std::string& path, FileOps& ops) {
  Configuration loaded = state.snapshot;
  ConfigurationRead read = ReadConfigurationFiles(ops, path, loaded);
  if (!read) return read;
  // The model code stored in the file is not used.
  loaded.settings.ModelCode = state.app.ModelCode;
  state.snapshot = loaded;
  RestoreSnapshot(state);
  state.app.CurrentFileName = path;
  state.app.Untitled = false;
  return read;
}

bool OpenDataFile(ProgramState& state, Notifier& notifier, const std::string& path, FileOps& ops) {
  const ConfigurationRead read = TryOpenDataFile(state, path, ops);
  if (!Shown(state, notifier, read.error)) return false;
  if (read.channelFileMissing)
    notifier.Message(ChannelFileMissingText(ChannelFileName(path), state.app.LanguageId), Icon::Information);
  return true;
}

bool FreLoadBookFile(ProgramState& state, Notifier& notifier, CommuBook& working, const std::string& path,
                     FileOps& ops) {
  if (!Shown(state, notifier, ReadBookFile(ops, path, working))) return false;
  state.app.CurrentBookFileName = path;
  return true;
}

bool FreSaveBookFile(ProgramState& state, Notifier& notifier, const CommuBook& working,
                     const std::string& path, FileOps& ops) {
  if (!Shown(state, notifier, WriteBookFile(ops, path, working))) return false;
  state.app.CurrentBookFileName = path;
  return true;
}

}  // namespace kt740
