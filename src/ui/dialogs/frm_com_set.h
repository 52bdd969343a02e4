// FrmComSet: the serial port of the radio, from the ports the machine offers (refreshed every
// second) and, optionally, the simulated radio.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QTimer;

namespace kt740 {

class Texts;
class PortList;

class FrmComSet : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kSimulatedRadio = -1;  // the entry of the simulated radio
  static constexpr int kRefreshMilliseconds = 1000;

  // simulatorText: the caption of the simulated radio's entry; empty offers none.
  // current: the port in use (0: none); simulatorInUse: the simulated radio is the port now;
  // fixedList: offer COM1..COM255 instead of the machine's ports.
  struct Current {
    int port = 0;
    bool simulatorInUse = false;
    bool fixedList = false;
  };
  FrmComSet(const Texts& texts, Current current, const PortList& ports, const QString& simulatorText,
            QWidget* parent = nullptr);

  // The number of the shown selection: a port, kSimulatedRadio, or 0 without a selection.
  int PortID() const { return portId_; }
  // After OK: what the user chose, as PortID.
  int ChosenPort() const { return chosen_; }

  // The refresh of ReShowComPortTimer: refills the list and keeps the selection while it exists.
  void RefreshPorts();
  void accept() override;

 private:
  void Fill();
  void Select(int number);

  Current current_;
  const PortList& ports_;
  QString simulatorText_;
  QComboBox* combo_;
  QTimer* timer_;
  int portId_ = 0;
  int chosen_ = 0;
  bool filling_ = false;
};

}  // namespace kt740
