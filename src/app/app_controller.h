// The desktop application once start-up is done: the main window and the commands that open
// dialogs, run the file commands and talk to the radio.
#pragma once

#include <QString>
#include <memory>

#include "ui/dialogs/frm_com_set.h"

class QSettings;

namespace kt740 {

struct AppState;
struct ProgramState;
class Notifier;
class PortList;
class FileDialogs;
class FrmMain;
class FileCommands;
class SimulatedRadio;
class RadioCommands;
class SerialTransport;
class ReplyTimer;

class AppController {
 public:
  struct Services {
    Notifier* notifier = nullptr;
    QSettings* settings = nullptr;    // window geometry
    const PortList* ports = nullptr;  // the machine's serial ports
    FileDialogs* fileDialogs = nullptr;
  };

  AppController(ProgramState& state, Services services);
  ~AppController();

  // Creates the main window (its load runs) and shows it.
  FrmMain& ShowMainWindow();
  FrmMain* Window() const { return window_.get(); }
  FileCommands& Files() { return *files_; }
  RadioCommands& Radio() { return *radio_; }

  // The commands of the main window.
  void Language();
  void About();
  void PassWord();
  void ComSet();
  // After a successful information read.
  void ShowEmbedInfo();

  // What the port dialog shows as the port in use.
  static FrmComSet::Current CurrentPort(const AppState& app);

  // The caption of the simulated radio's entry in the port dialog.
  static QString SimulatorCaption(int languageId);

 private:
  void Wire();

  ProgramState& state_;
  Services services_;
  std::unique_ptr<FrmMain> window_;
  std::unique_ptr<FileDialogs> ownDialogs_;  // when the caller gives none
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<SimulatedRadio> simulator_;
  // The main window's serial port and reply timer (MSComm1, WaitTimer), and the link on them.
  std::unique_ptr<SerialTransport> transport_;
  std::unique_ptr<ReplyTimer> replyTimer_;
  std::unique_ptr<RadioCommands> radio_;
};

}  // namespace kt740
