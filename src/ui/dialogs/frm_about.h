// frmAbout: product name, version and description, and the system information.
#pragma once

#include <QDialog>

namespace kt740 {

struct ProgramState;
class Notifier;
class PortList;

class FrmAbout : public QDialog {
  Q_OBJECT

 public:
  FrmAbout(const ProgramState& state, const PortList* ports, Notifier& notifier, QWidget* parent = nullptr);

  // The operating system, the Qt version and the serial ports found.
  QString SystemInformation() const;
  void ShowSystemInformation();

 private:
  const ProgramState& state_;
  const PortList* ports_;
  Notifier& notifier_;
};

}  // namespace kt740
