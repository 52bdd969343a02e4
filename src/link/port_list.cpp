#include "link/port_list.h"

#include <charconv>

namespace kt740 {

std::string PortEntryText(int number) {
  return std::string(kPortTextPrefix) + std::to_string(number);
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

int RememberedPortOrFirst(const PortList& ports, int remembered) {
  return IsPortPresent(ports, remembered) ? remembered : FirstPortNumber(ports);
}

PortChoice ParsePortChoice(std::string_view text) {
  std::string_view digits = text;
  const std::size_t prefix = kPortTextPrefix.size();
  if (digits.size() > prefix &&
      (digits.substr(0, prefix) == kPortTextPrefix || digits.substr(0, prefix) == "com"))
    digits.remove_prefix(prefix);
  int number = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (!digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && number >= 1 &&
      number <= 32767)
    return {number, {}};
  return {0, std::string(text)};
}

}  // namespace kt740
