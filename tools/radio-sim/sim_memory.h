// The simulated radio's memory on disk: what it starts with and where it is kept.
#pragma once

#include <string>

#include "sim_options.h"
#include "sim_radio.h"

namespace kt740::sim {

// The memory file when it exists; else the factory image, or all 0xFF with --blank. False
// (with the reason in `error`) when a file is unreadable or not 16384 bytes.
bool LoadInitialMemory(const SimCommandLine& cmd, SimRadio& radio, std::string& error);

// Replaces `path` through a temporary file, so that an interrupted save keeps the old memory.
void SaveMemory(const std::string& path, const SimRadio& radio);

}  // namespace kt740::sim
