#include "app/file_commands.h"

#include <QFileInfo>
#include <QString>

#include "core/builtin_text.h"
#include "core/notifier.h"
#include "core/profile.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"
#include "program/snapshot_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/qt_text.h"

namespace kt740 {

FileCommands::FileCommands(ProgramState& state, Notifier& notifier, FileDialogs& dialogs, View view)
    : state_(state), notifier_(notifier), dialogs_(dialogs), view_(std::move(view)) {}

bool FileCommands::OfferToSave() {
  if (!IsModified(state_)) return true;
  const std::string question = LangSectionText(state_, "MSG", "9001");
  switch (notifier_.Ask(question, Buttons::YesNoCancel, Icon::Warning)) {
    case Answer::Yes:
      return Save() && !IsModified(state_);
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void FileCommands::Status(const QString& english, const QString& chinese) const {
  if (view_.status) view_.status(state_.app.LanguageId == kLanguageChinese ? chinese : english);
}

void FileCommands::New() {
  if (!OfferToSave()) return;
  if (!state_.app.InitialSetupMode) {
    const std::string& text = BuiltInText(BuiltIn::TextAllCleared, state_.app.LanguageId);
    if (notifier_.Ask(text, Buttons::OkCancel, Icon::Warning) != Answer::Ok) return;
  }
  ResetAllData(state_);
  if (view_.replaced) view_.replaced();
  if (view_.showList) view_.showList();
  Status(QStringLiteral("New configuration"), QStringLiteral("新建配置"));
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
    // A save that fails or is cancelled would lose the changes if Open went on.
    if (a == Answer::Yes && (!Save() || IsModified(state_))) return;
  }
  const QString path = dialogs_.OpenFileName(view_.parent, view_.filter ? view_.filter() : QString());
  if (path.isEmpty()) return;
  // A file that cannot be read is reported and changes nothing; the program goes on.
  if (!OpenDataFile(state_, notifier_, U8(path))) return;
  if (view_.replaced) view_.replaced();
  if (view_.showList) view_.showList();
  Status(QStringLiteral("Opened ") + path, QStringLiteral("已打开 ") + path);
}

bool FileCommands::Save() {
  if (state_.app.Untitled) return SaveAs();
  const QString name = QFileInfo(Q(state_.app.CurrentFileName)).fileName();
  const std::string question =
      "\"" + U8(name) + "\"" + BuiltInText(BuiltIn::TextOverwrite, state_.app.LanguageId);
  if (notifier_.Ask(question, Buttons::OkCancel, Icon::Question) != Answer::Ok) return false;
  const bool saved = SaveDataFile(state_, notifier_);
  if (saved) Saved();
  return saved;
}

bool FileCommands::SaveAs() {
  const QString path = dialogs_.SaveFileName(view_.parent, view_.filter ? view_.filter() : QString(),
                                             Q(state_.app.CurrentFileName));
  if (path.isEmpty()) return false;
  const bool saved = SaveDataFile(state_, notifier_, U8(path));
  if (saved) Saved();
  return saved;
}

void FileCommands::Saved() {
  if (view_.updateCaption) view_.updateCaption();
  const QString path = Q(state_.app.CurrentFileName);
  Status(QStringLiteral("Saved ") + path, QStringLiteral("已保存 ") + path);
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
