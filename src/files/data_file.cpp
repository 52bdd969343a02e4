#include "files/data_file.h"

#include <array>

#include "core/builtin_text.h"
#include "core/notifier.h"
#include "files/file_format.h"
#include "files/snapshot.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

void ShowFileError(const ProgramState& state, Notifier& notifier) {
  notifier.Message(BuiltInText(BuiltIn::TextFileError, state.app.LanguageId), Icon::None);
}

}  // namespace

bool ReadConfigurationFiles(FileOps& ops, const std::string& path, Configuration& into) {
  const ReadResult dat = ops.Read(path, kDataFileSize);
  if (dat.status != ReadStatus::Ok) return false;
  int count = 0;
  if (DecodeDataFile(dat.bytes, into.settings, count) != FileDamage::None) return false;
  const ReadResult fre =
      ops.Read(ChannelFileName(path), kChannelFileRecordSize * static_cast<std::size_t>(count));
  // A channel file that exists but cannot be read is an error: loading it as empty would
  // make the next save overwrite the channels with nothing.
  if (fre.status == ReadStatus::Failed) return false;
  return DecodeChannelFile(fre.bytes, count, into.channels) == FileDamage::None;
}

bool SaveDataFile(ProgramState& state, Notifier& notifier, const std::string& path, FileOps& ops) {
  const std::string channelPath = ChannelFileName(path);
  // A data file named like its own channel file (x.fre) would be overwritten by it.
  if (channelPath == path) {
    ShowFileError(state, notifier);
    return false;
  }
  const Configuration previous = state.snapshot;
  TakeSnapshot(state);
  const Configuration& snap = state.snapshot;
  // The data file goes last: until it is replaced the old pair stays whole.
  std::array<FileReplacement, 2> files{{
      {channelPath, EncodeChannelFile(snap.channels)},
      {path, EncodeDataFile(snap.settings, snap.channels.ChannelCount)},
  }};
  if (!ReplaceFiles(ops, files)) {
    state.snapshot = previous;
    ShowFileError(state, notifier);
    return false;
  }
  state.app.CurrentFileName = path;
  state.app.Untitled = false;
  return true;
}

bool SaveDataFile(ProgramState& state, Notifier& notifier, FileOps& ops) {
  const std::string path = state.app.CurrentFileName;
  return SaveDataFile(state, notifier, path, ops);
}

bool OpenDataFile(ProgramState& state, Notifier& notifier, const std::string& path, FileOps& ops) {
  Configuration loaded = state.snapshot;
  if (!ReadConfigurationFiles(ops, path, loaded)) {
    ShowFileError(state, notifier);
    return false;
  }
  // The model code stored in the file is not used.
  loaded.settings.ModelCode = state.app.ModelCode;
  state.snapshot = loaded;
  RestoreSnapshot(state);
  state.app.CurrentFileName = path;
  state.app.Untitled = false;
  return true;
}

}  // namespace kt740
