#include "app/app_controller.h"

#include "app/embed_info_text.h"
#include "app/file_commands.h"
#include "app/radio_commands.h"
#include "app/simulated_radio.h"
#include "core/notifier.h"
#include "link/port_list.h"
#include "platform/qt_reply_timer.h"
#include "platform/qt_serial_transport.h"
#include "program/program_state.h"
#include "program/settings_files.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/qt_text.h"
#include "ui/common/qt_translations.h"
#include "ui/common/texts.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/frm_com_set.h"
#include "ui/dialogs/frm_language.h"
#include "ui/dialogs/frm_pass_word.h"
#include "ui/main/frm_main.h"

namespace kt740 {
namespace {

class NoPorts : public PortList {
 public:
  std::vector<PortEntry> Ports() const override { return {}; }
};

const PortList& PortsOrNone(const PortList* ports) {
  static const NoPorts none;
  return ports ? *ports : none;
}

}  // namespace

AppController::AppController(ProgramState& state, Services services) : state_(state), services_(services) {}

AppController::~AppController() = default;

FrmMain& AppController::ShowMainWindow() {
  window_ = std::make_unique<FrmMain>(state_, *services_.notifier, *services_.settings);
  FrmMain* w = window_.get();
  FileCommands::View view;
  view.parent = w;
  view.filter = [w] { return w->FileFilter(); };
  view.showList = [w] { w->ShowListByData(); };
  view.updateCaption = [w] { w->SetCaption(); };
  view.replaced = [w] { w->ClearUndo(); };
  view.status = [w](const QString& text) { w->ShowStatus(text); };
  if (!services_.fileDialogs) {
    ownDialogs_ = std::make_unique<QtFileDialogs>(services_.settings);
    services_.fileDialogs = ownDialogs_.get();
  }
  files_ = std::make_unique<FileCommands>(state_, *services_.notifier, *services_.fileDialogs, view);
  transport_ = std::make_unique<QtSerialTransport>();
  replyTimer_ = std::make_unique<QtReplyTimer>();
  RadioCommands::View radioView;
  radioView.parent = w;
  radioView.offerToSave = [this] { return files_->OfferToSave(); };
  radioView.busyChanged = [w](bool busy) { w->SetRadioBusy(busy); };
  radioView.status = [w](const QString& text) { w->ShowStatus(text); };
  radioView.redraw = [w] {
    w->ClearUndo();
    w->LoadShowTree();
    w->ShowListByData();
  };
  radioView.showEmbedInfo = [this] { ShowEmbedInfo(); };
  radio_ = std::make_unique<RadioCommands>(state_, *services_.notifier, *transport_, *replyTimer_,
                                           services_.ports, radioView);
  Wire();
  window_->show();
  return *window_;
}

void AppController::Wire() {
  FrmMain::Commands& c = window_->commands();
  c.language = [this] { Language(); };
  c.about = [this] { About(); };
  c.password = [this] { PassWord(); };
  c.comPort = [this] { ComSet(); };
  c.fileNew = [this] { files_->New(); };
  c.initialSetup = [this] { files_->InitialSetup(); };
  c.fileOpen = [this] { files_->Open(); };
  c.fileSave = [this] { files_->Save(); };
  c.fileSaveAs = [this] { files_->SaveAs(); };
  // A session in progress keeps the window (and the port) until it ends.
  c.mayClose = [this] {
    if (radio_->Busy()) {
      const bool chinese = state_.app.LanguageId == kLanguageChinese;
      services_.notifier->Message(
          chinese ? "正在与对讲机通信。通信结束后才能关闭窗口。"
                  : "A session with the radio is running. The window can close once it has "
                    "ended.",
          Icon::Information);
      return false;
    }
    return files_->MayClose();
  };
  c.read = [this] { radio_->Read(); };
  c.write = [this] { radio_->Write(); };
  c.readInfo = [this] { radio_->ReadInfo(); };
}

void AppController::Language() {
  FrmLanguage dialog(TextsFor(state_), window_.get());
  if (dialog.exec() != QDialog::Accepted) return;
  SetLanguage(state_.app, dialog.LanguageId());
  UseQtTranslations(state_.app.LanguageId);
  window_->FormReLoad();
}

void AppController::About() {
  FrmAbout dialog(TextsFor(state_), Q(state_.app.VersionText), services_.ports, *services_.notifier,
                  window_.get());
  dialog.exec();
}

void AppController::PassWord() {
  FrmPassWord dialog(TextsFor(state_), state_.ProgrammingPassword, window_.get());
  if (dialog.exec() == QDialog::Accepted) state_.ProgrammingPassword = dialog.Password();
}

void AppController::ComSet() {
  FrmComSet dialog(TextsFor(state_), CurrentPort(state_.app), PortsOrNone(services_.ports),
                   SimulatorCaption(state_.app.LanguageId), window_.get());
  if (dialog.exec() != QDialog::Accepted) return;
  const int chosen = dialog.ChosenPort();
  AppState& app = state_.app;
  if (chosen == 0) {
    // Nothing was selected: no port, and mysetup.ini keeps what it holds.
    app.ComPort = 0;
    app.ComPortDevice.clear();
    return;
  }
  if (chosen > 0) {
    app.ComPort = static_cast<int16_t>(chosen);
    app.ComPortDevice.clear();
    if (simulator_) simulator_->Stop();
    WriteMySetupValue(MySetupPath(app.folders), "comPort", std::to_string(chosen));
    return;
  }
  // The simulated radio: started now, answering on a pseudo-terminal; never remembered.
  if (!simulator_)
    simulator_ =
        std::make_unique<SimulatedRadio>(Q(app.folders.userDir) + QStringLiteral("/simulated-radio.img"));
  QString error;
  const QString device = simulator_->Start(error);
  if (device.isEmpty()) {
    const bool chinese = app.LanguageId == kLanguageChinese;
    services_.notifier->Message((chinese ? std::string("无法启动模拟对讲机：")
                                         : std::string("The simulated radio could not be started: ")) +
                                    U8(error),
                                Icon::Critical);
    return;
  }
  app.ComPortDevice = U8(device);
}

void AppController::ShowEmbedInfo() {
  services_.notifier->Message(EmbedInfoText(state_), Icon::Information);
}

FrmComSet::Current AppController::CurrentPort(const AppState& app) {
  return {app.ComPort, !app.ComPortDevice.empty(), app.IsVistaOS};
}

QString AppController::SimulatorCaption(int languageId) {
  return languageId == kLanguageChinese ? QStringLiteral("模拟对讲机（无需硬件）")
                                        : QStringLiteral("Simulated radio (no hardware)");
}

}  // namespace kt740
