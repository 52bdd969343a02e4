// The table of verbs; each verb lives in a file of its own (verb_*.cpp).
#include "cli/verbs.h"

#include "cli/cli_verb.h"

namespace kt740 {

std::span<const CliVerb> CliVerbs() {
  static const CliVerb verbs[] = {
      {"info", "print the start-up state: folders, language, port, model", RunInfoVerb},
      {"new", "save a fresh configuration made from the templates", RunNewVerb},
      {"encode", "encode a configuration file into a 16384-byte memory image", RunEncodeVerb},
      {"decode", "decode a memory image and save it as a configuration file", RunDecodeVerb},
      {"show", "print the channels of a configuration file as the grid shows them", RunShowVerb},
      {"ports", "list the serial ports with their numbers and devices", RunPortsVerb},
      {"read", "read the configuration from the radio into a data file", RunReadVerb},
      {"write", "write a data file's configuration to the radio", RunWriteVerb},
      {"read-info", "read the radio information and print it", RunReadInfoVerb},
  };
  return verbs;
}

}  // namespace kt740
