#include "link/port_list.h"

#include "core/app_state.h"

namespace kt740 {

bool IsPortPresent(const PortList& ports, int number) {
  for (const PortEntry& p : ports.Ports()) {
    if (p.number == number) return true;
  }
  return false;
}

int FirstPortNumber(const PortList& ports) {
  const auto list = ports.Ports();
  return list.empty() ? 0 : list.front().number;
}

void CheckRememberedPort(AppState& app, const PortList& ports) {
  if (app.IsVistaOS) return;
  if (!IsPortPresent(ports, app.ComPort)) app.ComPort = static_cast<int16_t>(FirstPortNumber(ports));
}

}  // namespace kt740
