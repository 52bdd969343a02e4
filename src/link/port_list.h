// The machine's serial ports as numbered entries "COM<n>", each standing for one device.
#pragma once

#include <string>
#include <vector>

namespace kt740 {

struct AppState;

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

bool IsPortPresent(const PortList& ports, int number);
// The number of the first port, 0 when there is none.
int FirstPortNumber(const PortList& ports);
// Start-up check: a remembered port that is not present becomes the first port (0 with none).
void CheckRememberedPort(AppState& app, const PortList& ports);

}  // namespace kt740
