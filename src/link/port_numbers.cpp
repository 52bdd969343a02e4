#include "link/port_numbers.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <sstream>

namespace kt740 {

std::vector<PortEntry> NumberPorts(const std::vector<FoundPort>& found, PortMap& remembered) {
  std::set<int> taken;
  for (const FoundPort& p : found) {
    if (p.fixedNumber > 0) taken.insert(p.fixedNumber);
  }
  std::set<int> known;
  for (const auto& [identity, number] : remembered) known.insert(number);

  std::vector<PortEntry> entries;
  std::vector<const FoundPort*> unnumbered;
  for (const FoundPort& p : found) {
    if (p.fixedNumber > 0) {
      entries.push_back({p.fixedNumber, p.device, p.description});
      continue;
    }
    const auto it = remembered.find(p.identity);
    if (it != remembered.end() && !taken.contains(it->second)) {
      taken.insert(it->second);
      entries.push_back({it->second, p.device, p.description});
    } else {
      unnumbered.push_back(&p);
    }
  }
  for (const FoundPort* p : unnumbered) {
    int n = 1;
    while (taken.contains(n) || known.contains(n)) ++n;
    taken.insert(n);
    known.insert(n);
    remembered[p->identity] = n;
    entries.push_back({n, p->device, p->description});
  }
  std::ranges::sort(entries, {}, &PortEntry::number);
  return entries;
}

PortMap ParsePortMap(std::string_view text) {
  PortMap map;
  std::istringstream in{std::string(text)};
  std::string line;
  while (std::getline(in, line)) {
    const auto space = line.find(' ');
    if (space == std::string::npos) continue;
    int number = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + space, number);
    std::string identity = line.substr(space + 1);
    while (!identity.empty() && (identity.back() == '\r' || identity.back() == ' ')) identity.pop_back();
    if (ec != std::errc() || end != line.data() + space || number < 1 || number > 32767 || identity.empty())
      continue;
    map[identity] = number;
  }
  return map;
}

std::string FormatPortMap(const PortMap& map) {
  std::string text;
  for (const auto& [identity, number] : map) text += std::to_string(number) + " " + identity + "\n";
  return text;
}

}  // namespace kt740
