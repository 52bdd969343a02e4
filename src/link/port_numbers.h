// Stable port numbers for systems whose serial devices carry no number of their own: each
// device identity (USB serial number, by-id name, device path) keeps the number it was first
// given, remembered in a small per-user map, so that "comPort" finds the same adapter again
// after a restart or a replug.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "link/port_list.h"

namespace kt740 {

struct FoundPort {
  std::string identity;  // what stays the same across replugs
  std::string device;
  std::string description;
  int fixedNumber = 0;  // the system's own number (COM3 is 3); 0 when it has none
};

using PortMap = std::map<std::string, int>;  // identity -> number

// Entries sorted by number. A device with a fixed number keeps it; any other keeps its
// remembered number unless a fixed one took it, and a new identity gets the lowest number
// that is neither fixed, remembered nor in use. New numbers are added to `remembered`.
std::vector<PortEntry> NumberPorts(const std::vector<FoundPort>& found, PortMap& remembered);

// The map file: one "number identity" line each.
PortMap ParsePortMap(std::string_view text);
std::string FormatPortMap(const PortMap& map);

}  // namespace kt740
