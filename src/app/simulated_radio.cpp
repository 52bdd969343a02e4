#include "app/simulated_radio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kt740 {

SimulatedRadio::SimulatedRadio(QString memoryFile, QStringList options)
    : memoryFile_(std::move(memoryFile)), options_(std::move(options)) {}

SimulatedRadio::~SimulatedRadio() {
  Stop();
}

QString SimulatedRadio::ProgramPath() {
  const QString env = qEnvironmentVariable("KT740_RADIO_SIM");
  if (!env.isEmpty()) return env;
  const QString beside =
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("kt740-radio-sim"));
  if (QFileInfo(beside).isExecutable()) return beside;
#ifdef KT740_RADIO_SIM_PATH
  return QStringLiteral(KT740_RADIO_SIM_PATH);
#else
  return beside;
#endif
}

bool SimulatedRadio::Running() const {
  return process_.state() == QProcess::Running && !device_.isEmpty();
}

QString SimulatedRadio::Start(QString& error) {
  if (Running()) return device_;
  Stop();
  QStringList args;
  if (!memoryFile_.isEmpty()) args << QStringLiteral("--memory") << memoryFile_;
  args << options_;
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.start(ProgramPath(), args);
  if (!process_.waitForStarted(5000)) {
    error = ProgramPath() + QStringLiteral(": ") + process_.errorString();
    return {};
  }
  // Its first line is the device it answers on.
  while (!process_.canReadLine()) {
    if (!process_.waitForReadyRead(5000)) {
      error = QString::fromLocal8Bit(process_.readAllStandardError()).trimmed();
      if (error.isEmpty()) error = process_.errorString();
      Stop();
      return {};
    }
  }
  device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  return device_;
}

void SimulatedRadio::Stop() {
  device_.clear();
  if (process_.state() == QProcess::NotRunning) return;
  process_.terminate();
  if (!process_.waitForFinished(3000)) {
    process_.kill();
    process_.waitForFinished(3000);
  }
}

}  // namespace kt740
