#include "link/port_list.h"

#include <charconv>

#include "program/app_state.h"

namespace kt740 {

std::string PortEntryText(int number) {
  return "COM" + std::to_string(number);
}

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

std::string DeviceOfPort(const PortList& ports, int number) {
  for (const PortEntry& p : ports.Ports()) {
    if (p.number == number) return p.device;
  }
  return {};
}

void CheckRememberedPort(AppState& app, const PortList& ports) {
  if (app.IsVistaOS) return;
  if (!IsPortPresent(ports, app.ComPort)) app.ComPort = static_cast<int16_t>(FirstPortNumber(ports));
}

PortChoice ParsePortChoice(std::string_view text) {
  std::string_view digits = text;
  if (digits.size() > 3 && (digits.substr(0, 3) == "COM" || digits.substr(0, 3) == "com"))
    digits.remove_prefix(3);
  int number = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (!digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && number >= 1 &&
      number <= 32767)
    return {number, {}};
  return {0, std::string(text)};
}

}  // namespace kt740
