#include "app/radio_commands.h"

#include <QEventLoop>

#include "link/link_session.h"
#include "program/program_state.h"
#include "program/radio_link.h"
#include "ui/common/texts.h"
#include "ui/dialogs/frm_pass_word.h"
#include "ui/dialogs/frm_progress.h"

namespace kt740 {

RadioCommands::RadioCommands(ProgramState& state, Notifier& notifier, SerialTransport& transport,
                             ReplyTimer& timer, const PortList* ports, View view)
    : state_(state),
      view_(std::move(view)),
      session_(std::make_unique<ProgramLinkSession>(state, transport, timer, notifier, *this, ports)) {}

RadioCommands::~RadioCommands() = default;

FrmProgress* RadioCommands::Progress() const {
  return progress_.get();
}

bool RadioCommands::Busy() const {
  return session_->Active();
}

void RadioCommands::Read() {
  if (Busy()) return;
  if (view_.offerToSave && !view_.offerToSave()) return;
  ended_ = false;
  if (StartReadAll(*session_)) {
    SetBusy(true);
    WaitForEnd();
  }
  ended_ = true;
}

void RadioCommands::Write() {
  if (Busy()) return;
  ended_ = false;
  if (StartWriteAll(*session_)) {
    SetBusy(true);
    WaitForEnd();
  }
  ended_ = true;
}

void RadioCommands::ReadInfo() {
  if (Busy()) return;
  ended_ = false;
  if (StartReadInfo(*session_)) {
    SetBusy(true);
  } else {
    ended_ = true;
  }
}

void RadioCommands::SetBusy(bool busy) {
  if (view_.busyChanged) view_.busyChanged(busy);
}

void RadioCommands::WaitForEnd() {
  if (ended_) return;
  QEventLoop loop;
  waiting_ = &loop;
  loop.exec();
  waiting_ = nullptr;
}

void RadioCommands::ShowProgress(LinkMode mode) {
  progress_ = std::make_unique<FrmProgress>(TextsFor(state_), mode == LinkMode::WriteAll, view_.parent);
  progress_->setWindowModality(Qt::ApplicationModal);
  progress_->onCancel = [this] { session_->RequestCancel(); };
  progress_->show();
}

void RadioCommands::SetProgressValue(int percent) {
  if (progress_ && progress_->isVisible()) progress_->SetProgressValue(percent);
}

void RadioCommands::CloseProgress() {
  if (!progress_) return;
  progress_->Finish();
  progress_.reset();
}

void RadioCommands::Redraw() {
  if (view_.redraw) view_.redraw();
}

void RadioCommands::ShowEmbedInfo() {
  if (view_.showEmbedInfo) view_.showEmbedInfo();
}

std::optional<std::string> RadioCommands::AskPassword(const std::string& current) {
  FrmPassWord dialog(TextsFor(state_), current,
                     progress_ ? static_cast<QWidget*>(progress_.get()) : view_.parent);
  if (dialog.exec() != QDialog::Accepted || !dialog.PasswordEntered()) return std::nullopt;
  return dialog.Password();
}

namespace {

// The status-bar note after a session: {succeeded, failed, cancelled} in English and Chinese.
struct EndNotes {
  const char* english[3];
  const char* chinese[3];
};

const EndNotes& NotesFor(LinkMode mode) {
  static const EndNotes kRead{{"Read %1 channels from the radio", "Read did not complete", "Read cancelled"},
                              {"已从对讲机读取 %1 个信道", "读取未完成", "读取已取消"}};
  static const EndNotes kWrite{{"Written to the radio", "Write did not complete", "Write cancelled"},
                               {"已写入对讲机", "写入未完成", "写入已取消"}};
  static const EndNotes kInfo{
      {"Read the radio information", "Radio information not read", "Reading the radio information cancelled"},
      {"已读取对讲机信息", "未读取对讲机信息", "读取对讲机信息已取消"}};
  return mode == LinkMode::ReadAll ? kRead : mode == LinkMode::WriteAll ? kWrite : kInfo;
}

}  // namespace

void RadioCommands::SessionEnded(LinkMode mode, LinkOutcome outcome) {
  ended_ = true;
  SetBusy(false);
  if (view_.status && mode != LinkMode::Idle) {
    const EndNotes& notes = NotesFor(mode);
    const int which = outcome == LinkOutcome::Succeeded ? 0 : outcome == LinkOutcome::Failed ? 1 : 2;
    const bool chinese = state_.app.LanguageId == kLanguageChinese;
    QString note = QString::fromUtf8(chinese ? notes.chinese[which] : notes.english[which]);
    if (note.contains(QLatin1String("%1"))) note = note.arg(state_.current.channels.ChannelCount);
    view_.status(note);
  }
  if (waiting_) waiting_->quit();
}

}  // namespace kt740
