#include "platform/qt_serial_transport.h"

namespace kt740 {

QtSerialTransport::QtSerialTransport() {
  QObject::connect(&port_, &QSerialPort::readyRead, [this] { OnReadyRead(); });
}

QtSerialTransport::~QtSerialTransport() {
  port_.disconnect();
  if (port_.isOpen()) port_.close();
}

bool QtSerialTransport::SetDevice(const std::string& device) {
  // A name with a path is used as it stands; "COM3" or "ttyUSB0" is looked up by the port layer.
  port_.setPortName(QString::fromStdString(device));
  return !device.empty();
}

bool QtSerialTransport::SetLineSettings(const LineSettings& s) {
  const QSerialPort::Parity parity = s.parity == 'E'   ? QSerialPort::EvenParity
                                     : s.parity == 'O' ? QSerialPort::OddParity
                                                       : QSerialPort::NoParity;
  return port_.setBaudRate(s.baudRate) && port_.setParity(parity) &&
         port_.setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits)) &&
         port_.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
}

bool QtSerialTransport::SetHardwareHandshake(bool rtsCts) {
  return port_.setFlowControl(rtsCts ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
}

bool QtSerialTransport::Open() {
  if (port_.isOpen()) return true;
  if (port_.open(QIODevice::ReadWrite)) return true;
  // A pseudo-terminal has no modem-control lines, and some systems refuse the RTS/CTS setting
  // on one; the line carries the same bytes without it, so that refusal is no failure.
  if (port_.error() == QSerialPort::UnsupportedOperationError &&
      port_.flowControl() == QSerialPort::HardwareControl) {
    port_.clearError();
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) return true;
    port_.setFlowControl(QSerialPort::HardwareControl);
  }
  return false;
}

void QtSerialTransport::Close() {
  if (port_.isOpen()) port_.close();
}

bool QtSerialTransport::IsOpen() const {
  return port_.isOpen();
}

void QtSerialTransport::SetReceiveThreshold(std::size_t bytes) {
  threshold_ = bytes == 0 ? 1 : bytes;
}

void QtSerialTransport::ClearBuffers() {
  if (!port_.isOpen()) return;
  port_.clear(QSerialPort::AllDirections);
  port_.readAll();
  port_.clearError();
}

bool QtSerialTransport::Write(std::span<const uint8_t> bytes) {
  if (!port_.isOpen()) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
  // Out now rather than at the next turn of the event loop: every byte of delay is line time.
  port_.flush();
  return true;
}

std::vector<uint8_t> QtSerialTransport::ReadAll() {
  const QByteArray all = port_.readAll();
  return std::vector<uint8_t>(all.begin(), all.end());
}

void QtSerialTransport::OnReadyRead() {
  if (static_cast<std::size_t>(port_.bytesAvailable()) >= threshold_) RaiseReceive();
}

}  // namespace kt740
