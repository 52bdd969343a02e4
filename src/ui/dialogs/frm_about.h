// frmAbout: product name, version and description, and the system information.
#pragma once

#include <QDialog>

namespace kt740 {

class Texts;
class Notifier;
class PortList;

class FrmAbout : public QDialog {
  Q_OBJECT

 public:
  FrmAbout(const Texts& texts, const QString& dataVersion, const PortList* ports, Notifier& notifier,
           QWidget* parent = nullptr);

  // The operating system, the Qt version and the serial ports found.
  QString SystemInformation() const;
  void ShowSystemInformation();

 private:
  bool chinese_;
  const PortList* ports_;
  Notifier& notifier_;
};

}  // namespace kt740
