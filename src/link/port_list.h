// The machine's serial ports as numbered entries "COM<n>", each standing for one device.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kt740 {

struct PortEntry {
  int number = 0;      // the number stored in mysetup.ini
  std::string device;  // what the transport opens: "/dev/ttyUSB0", "COM3", a pty path
  std::string description;
};

class PortList {
 public:
  virtual ~PortList() = default;
  virtual std::vector<PortEntry> Ports() const = 0;
};

// The port texts: "COM" and the number, whatever the system calls its devices.
inline constexpr std::string_view kPortTextPrefix = "COM";
// "COM<n>", the text of a port list entry.
std::string PortEntryText(int number);

bool IsPortPresent(const PortList& ports, int number);
// The number of the first port, 0 when there is none.
int FirstPortNumber(const PortList& ports);
// The device of port `number`; empty when no entry has that number.
std::string DeviceOfPort(const PortList& ports, int number);
// Start-up check: a remembered port that is not present becomes the first port (0 with none).
int RememberedPortOrFirst(const PortList& ports, int remembered);

// A port given by the user: "3" or "COM3" is a port number; anything else names a device.
struct PortChoice {
  int number = 0;      // 0 when a device was named
  std::string device;  // empty when a number was given
};
PortChoice ParsePortChoice(std::string_view text);

}  // namespace kt740
