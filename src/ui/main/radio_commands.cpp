#include "ui/main/radio_commands.h"

#include <QEventLoop>

#include "link/link_session.h"
#include "program/program_state.h"
#include "program/radio_link.h"
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
  if (view_.offerToSave) view_.offerToSave();
  ended_ = false;
  if (StartReadAll(*session_)) WaitForEnd();
  ended_ = true;
}

void RadioCommands::Write() {
  if (Busy()) return;
  ended_ = false;
  if (StartWriteAll(*session_)) WaitForEnd();
  ended_ = true;
}

void RadioCommands::ReadInfo() {
  if (Busy()) return;
  ended_ = false;
  if (!StartReadInfo(*session_)) ended_ = true;
}

void RadioCommands::WaitForEnd() {
  if (ended_) return;
  QEventLoop loop;
  waiting_ = &loop;
  loop.exec();
  waiting_ = nullptr;
}

void RadioCommands::ShowProgress(LinkMode mode) {
  progress_ = std::make_unique<FrmProgress>(state_, mode == LinkMode::WriteAll, view_.parent);
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
  FrmPassWord dialog(state_, current, progress_ ? static_cast<QWidget*>(progress_.get()) : view_.parent);
  if (dialog.exec() != QDialog::Accepted || !dialog.PasswordEntered()) return std::nullopt;
  return dialog.Password();
}

void RadioCommands::SessionEnded(LinkMode, LinkOutcome) {
  ended_ = true;
  if (waiting_) waiting_->quit();
}

}  // namespace kt740
