#include "ui/main/file_commands.h"

#include <QFileInfo>
#include <QString>

#include "core/builtin_text.h"
#include "core/notifier.h"
#include "core/profile.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"
#include "program/snapshot_state.h"
#include "ui/main/file_dialogs.h"
#include "ui/main/qt_text.h"

namespace kt740 {

FileCommands::FileCommands(ProgramState& state, Notifier& notifier, FileDialogs& dialogs, View view)
    : state_(state), notifier_(notifier), dialogs_(dialogs), view_(std::move(view)) {}

void FileCommands::OfferToSave() {
  if (!IsModified(state_)) return;
  const std::string question = LangSectionText(state_, "MSG", "9001");
  if (notifier_.Ask(question, Buttons::YesNoCancel, Icon::Warning) == Answer::Yes) Save();
}

void FileCommands::New() {
  OfferToSave();
  if (!state_.app.InitialSetupMode) {
    const std::string& text = BuiltInText(BuiltIn::TextAllCleared, state_.app.LanguageId);
    if (notifier_.Ask(text, Buttons::OkCancel, Icon::Warning) != Answer::Ok) return;
  }
  ResetAllData(state_);
  if (view_.showList) view_.showList();
}

void FileCommands::InitialSetup() {
  state_.app.InitialSetupMode = true;
  New();
  state_.app.InitialSetupMode = false;
}

void FileCommands::Open() {
  if (IsModified(state_)) {
    const std::string& text = BuiltInText(BuiltIn::TextSaveModified, state_.app.LanguageId);
    const Answer a = notifier_.Ask(text, Buttons::YesNoCancel, Icon::Warning);
    if (a == Answer::Cancel) return;
    if (a == Answer::Yes) Save();
  }
  const QString path = dialogs_.OpenFileName(view_.parent, view_.filter ? view_.filter() : QString());
  if (path.isEmpty()) return;
  // A file that cannot be read is reported and changes nothing; the program goes on.
  if (OpenDataFile(state_, notifier_, U8(path)) && view_.showList) view_.showList();
}

bool FileCommands::Save() {
  if (state_.app.Untitled) return SaveAs();
  const QString name = QFileInfo(Q(state_.app.CurrentFileName)).fileName();
  const std::string question =
      "\"" + U8(name) + "\"" + BuiltInText(BuiltIn::TextOverwrite, state_.app.LanguageId);
  if (notifier_.Ask(question, Buttons::OkCancel, Icon::Question) != Answer::Ok) return false;
  const bool saved = SaveDataFile(state_, notifier_);
  if (saved && view_.updateCaption) view_.updateCaption();
  return saved;
}

bool FileCommands::SaveAs() {
  const QString path = dialogs_.SaveFileName(view_.parent, view_.filter ? view_.filter() : QString(),
                                             Q(state_.app.CurrentFileName));
  if (path.isEmpty()) return false;
  const bool saved = SaveDataFile(state_, notifier_, U8(path));
  if (saved && view_.updateCaption) view_.updateCaption();
  return saved;
}

bool FileCommands::MayClose() {
  if (!IsModified(state_)) return true;
  const std::string& text = BuiltInText(BuiltIn::TextSaveModified, state_.app.LanguageId);
  switch (notifier_.Ask(text, Buttons::YesNoCancel, Icon::Warning)) {
    case Answer::Yes:
      return Save() && !IsModified(state_);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

}  // namespace kt740
