// The simulated radio (kt740-radio-sim) that the port dialog offers, so that Read and Write can
// be tried without a radio: started on demand, stopped with the application.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace kt740 {

class SimulatedRadio {
 public:
  // memoryFile: where the simulated radio keeps its memory between runs (may be empty);
  // options: more of the simulator's options (a programming password, faults).
  explicit SimulatedRadio(QString memoryFile, QStringList options = {});
  ~SimulatedRadio();
  SimulatedRadio(const SimulatedRadio&) = delete;
  SimulatedRadio& operator=(const SimulatedRadio&) = delete;

  // The simulator program: KT740_RADIO_SIM, else beside the application, else in the build tree.
  static QString ProgramPath();

  // Starts the simulator unless it runs; the pseudo-terminal it answers on, or an empty text
  // with the reason in `error`.
  QString Start(QString& error);
  bool Running() const;
  QString Device() const { return device_; }
  void Stop();

 private:
  QString memoryFile_;
  QStringList options_;
  QProcess process_;
  QString device_;
};

}  // namespace kt740
