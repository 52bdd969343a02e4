// The serial line the link runs on: the core's view of a serial port, so that the protocol runs
// against a real port, a pseudo-terminal or a scripted test double alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kt740 {

struct LineSettings {
  int baudRate = 9600;
  char parity = 'N';
  int dataBits = 8;
  int stopBits = 1;
};

class SerialTransport {
 public:
  virtual ~SerialTransport() = default;

  // The device to open next: "COM3", "/dev/ttyUSB0", a pseudo-terminal path.
  virtual bool SetDevice(const std::string& device) = 0;
  virtual bool SetLineSettings(const LineSettings& settings) = 0;
  virtual bool SetHardwareHandshake(bool rtsCts) = 0;
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // The receive event fires once at least this many bytes are waiting.
  virtual void SetReceiveThreshold(std::size_t bytes) = 0;
  // Discards what waits in the output and in the input buffer.
  virtual void ClearBuffers() = 0;
  virtual bool Write(std::span<const uint8_t> bytes) = 0;
  // Every byte waiting in the input buffer.
  virtual std::vector<uint8_t> ReadAll() = 0;

  // Called on the receive event; the handler reads with ReadAll.
  void SetReceiveHandler(std::function<void()> handler) { onReceive_ = std::move(handler); }

 protected:
  void RaiseReceive() {
    if (onReceive_) onReceive_();
  }

 private:
  std::function<void()> onReceive_;
};

}  // namespace kt740
