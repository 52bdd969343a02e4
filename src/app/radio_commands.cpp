#include "app/radio_commands.h"

#include <QEventLoop>

#include "link/link_commands.h"
#include "link/link_session.h"
#include "program/program_state.h"
#include "ui/common/texts.h"
#include "ui/dialogs/frm_pass_word.h"
#include "ui/dialogs/frm_progress.h"

namespace kt740 {

RadioCommands::RadioCommands(ProgramState& state, Notifier& notifier, SerialTransport& transport,
                             ReplyTimer& timer, const PortList* ports, View view)
    : state_(state),
      view_(std::move(view)),
      session_(std::make_unique<LinkSession>(state, transport, timer, notifier, *this, ports)) {}

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

void RadioCommands::SessionEnded(LinkMode mode, bool success) {
  ended_ = true;
  SetBusy(false);
  if (view_.status) {
    const bool chinese = state_.app.LanguageId == kLanguageChinese;
    const int channels = state_.current.channels.ChannelCount;
    QString note;
    if (mode == LinkMode::ReadAll) {
      note = success ? (chinese ? QStringLiteral("已从对讲机读取 %1 个信道")
                                : QStringLiteral("Read %1 channels from the radio"))
                           .arg(channels)
                     : (chinese ? QStringLiteral("读取未完成") : QStringLiteral("Read did not complete"));
    } else if (mode == LinkMode::WriteAll) {
      note = success ? (chinese ? QStringLiteral("已写入对讲机") : QStringLiteral("Written to the radio"))
                     : (chinese ? QStringLiteral("写入未完成") : QStringLiteral("Write did not complete"));
    } else if (mode == LinkMode::ReadInfo) {
      note = success ? (chinese ? QStringLiteral("已读取对讲机信息")
                                : QStringLiteral("Read the radio information"))
                     : (chinese ? QStringLiteral("读取对讲机信息未完成")
                                : QStringLiteral("Radio information not read"));
    }
    if (!note.isEmpty()) view_.status(note);
  }
  if (waiting_) waiting_->quit();
}

}  // namespace kt740
