#include "sim_options.h"

#include <cstdlib>
#include <ostream>

namespace kt740::sim {
namespace {

bool ToLong(const std::string& text, long& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 0);
  return end && *end == '\0';
}

bool ToDouble(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end && *end == '\0';
}

}  // namespace

std::string DefaultFactoryImage() {
#ifdef KT740_FACTORY_IMAGE
  return KT740_FACTORY_IMAGE;
#else
  return "KT-740-factory.img";
#endif
}

void PrintSimHelp(std::ostream& os) {
  os << "Usage: kt740-radio-sim [OPTIONS]\n\n"
        "A simulated KT-740 radio behind a programming cable, on a pseudo-terminal. The first line\n"
        "of standard output is the device to open (for example kt740-cli read --port /dev/pts/4).\n"
        "Every byte received is echoed, as the cable does; the radio answers PROGRAM, Identify,\n"
        "read and write blocks and END, and keeps a 16384-byte memory.\n\n"
        "Radio:\n"
        "  --memory FILE       16384-byte memory image: loaded at start when it exists, saved\n"
        "                      after every END and on exit\n"
        "  --factory-image F   the memory when there is no memory file yet: a radio as it leaves\n"
        "                      the factory, with the KT-740 template's channels (136-174 MHz)\n"
        "                      and sample radio information (default\n"
        "                      "
     << DefaultFactoryImage()
     << ")\n"
        "  --blank             start erased (all 0xFF) instead when there is no memory file yet\n"
        "  --model TEXT        model text of the identify reply (default RB-5100, up to 7 chars)\n"
        "  --model-code C      model code: one character, or a number such as 0x37 (default 7)\n"
        "  --version TEXT      version text (default V100, up to 4 chars)\n"
        "  --killed            flags B bit 0: the radio is killed\n"
        "  --stunned           flags B bit 1: the radio is stunned\n"
        "  --feature-bit       flags A bit 4 set\n"
        "  --password PW       programming password, written into 0x004C-0x004F (up to 4\n"
        "                      chars, 0xFF behind); --password '' clears it\n\n"
        "Faults (each reply gets a fault with chance RATE, the kind drawn from LIST):\n"
        "  --faults LIST       comma-separated: drop (no reply), truncate (part of the reply),\n"
        "                      checksum (data reply with a wrong checksum), address (data reply\n"
        "                      for another address), reject (write frame answered 0A, not\n"
        "                      stored), all\n"
        "  --fault-rate RATE   0 to 1 (default 0)\n"
        "  --seed N            seed of the fault draws (default 1): the same seed, the same faults\n"
        "  --stall-at ADDR     from the first block command at or above ADDR (0x0230) the radio\n"
        "                      answers nothing at all any more\n"
        "  --silent-after-end  END gets no answer (the radio still leaves programming mode)\n"
        "  --corrupt-accepted-write ADDR\n"
        "                      every write frame that covers ADDR is acknowledged as usual, but\n"
        "                      the byte at ADDR is stored changed (inverted): only reading it\n"
        "                      back shows it\n\n"
        "Line:\n"
        "  --baud N            pace the line at N baud (10 bits a byte): every byte the PC sends,\n"
        "                      every echoed and every reply byte takes its time, as on a real\n"
        "                      line; 0 (default) answers at once\n"
        "  --log FILE          one line per command, write and fault (\"W 0100\", \"fault drop\")\n"
        "  -h, --help          this text\n\n"
        "SIGINT or SIGTERM saves the memory and ends the simulator.\n";
}

bool ParseSimCommandLine(int argc, char** argv, SimCommandLine& out, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string opt = argv[i];
    auto value = [&](std::string& v) {
      if (i + 1 >= argc) {
        error = opt + " needs a value";
        return false;
      }
      v = argv[++i];
      return true;
    };
    std::string v;
    long n = 0;
    if (opt == "-h" || opt == "--help") {
      out.help = true;
    } else if (opt == "--memory") {
      if (!value(out.memoryFile)) return false;
    } else if (opt == "--factory-image") {
      if (!value(out.factoryImage)) return false;
    } else if (opt == "--blank") {
      out.blank = true;
    } else if (opt == "--log") {
      if (!value(out.logFile)) return false;
    } else if (opt == "--model") {
      if (!value(out.radio.model)) return false;
    } else if (opt == "--version") {
      if (!value(out.radio.version)) return false;
    } else if (opt == "--model-code") {
      if (!value(v)) return false;
      if (v.size() == 1) {
        out.radio.modelCode = static_cast<uint8_t>(v[0]);
      } else if (ToLong(v, n) && n >= 0 && n <= 255) {
        out.radio.modelCode = static_cast<uint8_t>(n);
      } else {
        error = "bad model code " + v;
        return false;
      }
    } else if (opt == "--killed") {
      out.radio.killed = true;
    } else if (opt == "--stunned") {
      out.radio.stunned = true;
    } else if (opt == "--feature-bit") {
      out.radio.featureBit = true;
    } else if (opt == "--password") {
      if (!value(v)) return false;
      if (v.size() > 4) {
        error = "a password has at most 4 characters";
        return false;
      }
      out.password = v;
    } else if (opt == "--faults") {
      if (!value(v)) return false;
      if (!ParseFaults(v, out.radio.faults)) {
        error = "unknown fault in " + v;
        return false;
      }
    } else if (opt == "--fault-rate") {
      if (!value(v)) return false;
      if (!ToDouble(v, out.radio.faultRate) || out.radio.faultRate < 0 || out.radio.faultRate > 1) {
        error = "bad fault rate " + v;
        return false;
      }
    } else if (opt == "--seed") {
      if (!value(v)) return false;
      if (!ToLong(v, n) || n < 0) {
        error = "bad seed " + v;
        return false;
      }
      out.radio.seed = static_cast<uint32_t>(n);
    } else if (opt == "--stall-at") {
      if (!value(v)) return false;
      if (!ToLong(v, n) || n < 0 || n > 0x3FFF) {
        error = "bad address " + v;
        return false;
      }
      out.radio.stallAt = n;
    } else if (opt == "--corrupt-accepted-write") {
      if (!value(v)) return false;
      if (!ToLong(v, n) || n < 0 || n > 0x3FFF) {
        error = "bad address " + v;
        return false;
      }
      out.radio.corruptAcceptedWrite = n;
    } else if (opt == "--silent-after-end") {
      out.radio.silentAfterEnd = true;
    } else if (opt == "--baud") {
      if (!value(v)) return false;
      if (!ToLong(v, n) || n < 0) {
        error = "bad baud rate " + v;
        return false;
      }
      out.baud = n;
    } else {
      error = "unknown option " + opt;
      return false;
    }
  }
  return true;
}

}  // namespace kt740::sim
