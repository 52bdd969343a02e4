#include "files/book_file.h"

#include "core/builtin_text.h"
#include "core/notifier.h"
#include "files/file_format.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

void ShowFileError(const ProgramState& state, Notifier& notifier) {
  notifier.Message(BuiltInText(BuiltIn::TextFileError, state.app.LanguageId), Icon::None);
}

}  // namespace

bool FreLoadBookFile(ProgramState& state, Notifier& notifier, CommuBook& working, const std::string& path,
                     FileOps& ops) {
  const ReadResult file = ops.Read(path, kBookFileSize);
  CommuBook loaded = working;
  if (file.status != ReadStatus::Ok || DecodeBookFile(file.bytes, loaded) != FileDamage::None) {
    ShowFileError(state, notifier);
    return false;
  }
  working = loaded;
  state.app.CurrentBookFileName = path;
  return true;
}

bool FreSaveBookFile(ProgramState& state, Notifier& notifier, const CommuBook& working,
                     const std::string& path, FileOps& ops) {
  FileReplacement file{path, EncodeBookFile(working)};
  if (!ReplaceFiles(ops, {&file, 1})) {
    ShowFileError(state, notifier);
    return false;
  }
  state.app.CurrentBookFileName = path;
  return true;
}

}  // namespace kt740
