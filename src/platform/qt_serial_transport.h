// The serial transport on QSerialPort: a real serial device, a USB adapter or a pseudo-terminal.
#pragma once

#include <QSerialPort>

#include "link/serial_transport.h"

namespace kt740 {

class QtSerialTransport : public SerialTransport {
 public:
  QtSerialTransport();
  ~QtSerialTransport() override;

  bool SetDevice(const std::string& device) override;
  bool SetLineSettings(const LineSettings& settings) override;
  bool SetHardwareHandshake(bool rtsCts) override;
  bool Open() override;
  void Close() override;
  bool IsOpen() const override;
  void SetReceiveThreshold(std::size_t bytes) override;
  void ClearBuffers() override;
  bool Write(std::span<const uint8_t> bytes) override;
  std::vector<uint8_t> ReadAll() override;

  QString LastError() const { return port_.errorString(); }

 private:
  void OnReadyRead();

  QSerialPort port_;
  std::size_t threshold_ = 1;
};

}  // namespace kt740
