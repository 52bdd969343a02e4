// The radio commands of the main window: Read, Write and Read radio information, with the
// progress dialog, the password question and the redraw after a read.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "link/link_observer.h"

class QEventLoop;
class QWidget;

namespace kt740 {

struct ProgramState;
class Notifier;
class PortList;
class SerialTransport;
class ReplyTimer;
class ProgramLinkSession;
class FrmProgress;

class RadioCommands : public LinkObserver {
 public:
  struct View {
    QWidget* parent = nullptr;
    std::function<bool()> offerToSave;  // unsaved changes before a read; false stops the read
    std::function<void()> redraw;       // the tree and the lists after a read
    std::function<void()> showEmbedInfo;
    std::function<void(bool)> busyChanged;       // a session started (true) or ended
    std::function<void(const QString&)> status;  // a short note in the status bar
  };

  RadioCommands(ProgramState& state, Notifier& notifier, SerialTransport& transport, ReplyTimer& timer,
                const PortList* ports, View view);
  ~RadioCommands() override;

  // Each returns once the session has ended (Read, Write) or has started (ReadInfo, which runs
  // with no dialog of its own).
  void Read();
  void Write();
  void ReadInfo();

  bool Busy() const;
  ProgramLinkSession& Session() { return *session_; }
  // The progress dialog while a full read or write runs.
  FrmProgress* Progress() const;

  void ShowProgress(LinkMode mode) override;
  void SetProgressValue(int percent) override;
  void CloseProgress() override;
  void Redraw() override;
  void ShowEmbedInfo() override;
  std::optional<std::string> AskPassword(const std::string& current) override;
  void SessionEnded(LinkMode mode, LinkOutcome outcome) override;

 private:
  // Runs the event loop until the session that just started has ended.
  void WaitForEnd();
  void SetBusy(bool busy);

  ProgramState& state_;
  View view_;
  std::unique_ptr<ProgramLinkSession> session_;
  // Owned here; its Qt parent (the main window) outlives the commands.
  std::unique_ptr<FrmProgress> progress_;
  QEventLoop* waiting_ = nullptr;
  bool ended_ = true;
};

}  // namespace kt740
