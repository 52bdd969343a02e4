// The machine's serial ports. On Windows each COMn is port n. Elsewhere every serial device the
// system offers (built-in ports, USB adapters) is numbered by its identity: the USB vendor,
// product and serial number when the adapter has one, else its /dev/serial/by-id name, else its
// device path. The numbers live in "ports.map" in the per-user folder, so that the number stored
// in mysetup.ini finds the same device after a restart or a replug.
#pragma once

#include <string>

#include "link/port_list.h"
#include "link/port_numbers.h"

namespace kt740 {

class SystemPortList : public PortList {
 public:
  // mapFile empty: numbers are kept for the life of this object only.
  explicit SystemPortList(std::string mapFile);
  std::vector<PortEntry> Ports() const override;

 private:
  std::string mapFile_;
  mutable PortMap map_;
  mutable bool loaded_ = false;
};

std::string PortMapPath(const std::string& userDir);

}  // namespace kt740
