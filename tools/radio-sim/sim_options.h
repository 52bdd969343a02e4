// The simulator's command line.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "sim_radio.h"

namespace kt740::sim {

// The factory image the build names (the program folder's Init/KT-740-factory.img).
std::string DefaultFactoryImage();

struct SimCommandLine {
  SimOptions radio;
  std::optional<std::string> password;  // written into 0x004C-0x004F at start
  std::string memoryFile;               // loaded at start, saved on END and on exit
  // The memory when there is no memory file yet: a radio as it leaves the factory, or (blank)
  // all 0xFF.
  std::string factoryImage = DefaultFactoryImage();
  bool blank = false;
  std::string logFile;
  long baud = 0;  // 0: unpaced
  bool help = false;
};

// False (with the reason in `error`) on a bad command line.
bool ParseSimCommandLine(int argc, char** argv, SimCommandLine& out, std::string& error);
void PrintSimHelp(std::ostream& os);

}  // namespace kt740::sim
