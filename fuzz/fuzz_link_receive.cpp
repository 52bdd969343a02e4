// The link's receive handler and time-out on any stream: the fuzz input chooses the session
// (read, write, read information), then step by step what arrives on the line (the echo with a
// good reply, a reply cut in two, the frame of another block, a flipped byte, a rejection,
// noise) or a time-out, and the answers to the retry and password questions.
// Beside no crash and no sanitizer report, a session that ends in success must have the radio's
// acceptance of every block: a write only when every block 0x0100-0x3FF0 was answered 06 with
// the bytes of the image, a read only when the image holds exactly the blocks delivered; and
// nothing is ever written below 0x0100.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "core/notifier.h"
#include "link/link_commands.h"
#include "link/link_observer.h"
#include "link/link_session.h"
#include "link_fuzz_doubles.h"
#include "program/program_state.h"
#include "program/reset_all_data.h"

namespace {

using kt740::LinkMode;
using Bytes = std::vector<uint8_t>;

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz_link_receive: %s\n", what);
  std::abort();
}

class AnsweringNotifier : public kt740::Notifier {
 public:
  explicit AnsweringNotifier(FuzzedDataProvider& in) : in_(in) {}
  void Message(const std::string&, kt740::Icon) override {}
  kt740::Answer Ask(const std::string&, kt740::Buttons buttons, kt740::Icon) override {
    if (buttons == kt740::Buttons::RetryCancel)
      return in_.ConsumeBool() ? kt740::Answer::Retry : kt740::Answer::Cancel;
    return buttons == kt740::Buttons::OkCancel || buttons == kt740::Buttons::Ok ? kt740::Answer::Ok
                                                                                : kt740::Answer::Yes;
  }

 private:
  FuzzedDataProvider& in_;
};

constexpr const char* kPassword = "ab";

class Observer : public kt740::LinkObserver {
 public:
  explicit Observer(FuzzedDataProvider& in) : in_(in) {}
  void ImageRead(const kt740::MemoryImage& image) override { imageRead = image; }
  std::optional<std::string> AskPassword(const std::string&) override {
    switch (in_.ConsumeIntegralInRange(0, 2)) {
      case 0:
        return std::nullopt;
      case 1:
        return kPassword;
      default:
        return "zz";
    }
  }
  void SessionEnded(LinkMode, bool ok) override {
    ended = true;
    success = ok;
  }
  kt740::MemoryImage imageRead;
  bool ended = false;
  bool success = false;

 private:
  FuzzedDataProvider& in_;
};

// The one place that builds the core's objects.
struct Harness {
  explicit Harness(FuzzedDataProvider& in) : notifier(in), observer(in) {
    kt740::ResetAllData(*state);  // no program folder: the reset configuration, which encodes
    state->app.ComPortDevice = "/dev/fuzz";
  }
  std::unique_ptr<kt740::ProgramState> state = std::make_unique<kt740::ProgramState>();
  kt740::fuzz::FuzzTransport transport;
  kt740::fuzz::ManualTimer timer;
  AnsweringNotifier notifier;
  Observer observer;
  kt740::LinkSession session{*state, transport, timer, notifier, observer};
};

Bytes Frame(int address, const Bytes& data) {
  Bytes f = {'W', static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address),
             static_cast<uint8_t>(data.size())};
  unsigned sum = f[1] + f[2] + f[3];
  for (uint8_t b : data) {
    f.push_back(b);
    sum += b;
  }
  f.push_back(static_cast<uint8_t>(sum));
  f.push_back(0x06);
  return f;
}

// A good reply to the last command, its varying bytes from the input.
Bytes GoodReply(const kt740::fuzz::FuzzTransport& t, FuzzedDataProvider& in) {
  using kt740::fuzz::Command;
  const Bytes& c = t.last;
  switch (t.lastCommand) {
    case Command::Program:
      return {'J', 'R', 0x06};
    case Command::Identify: {
      Bytes r = {'I', 'R', 'B', '-', '5', '1', '0', '0', '7', 'V', '1', '0', '0', 0x00, 0x00, 0x06};
      r[13] = in.ConsumeIntegral<uint8_t>() & 0x10;
      r[14] = in.ConsumeIntegral<uint8_t>() & 0x03;  // killed, stunned
      return r;
    }
    case Command::Password: {
      Bytes data(16, 0xFF);
      if (in.ConsumeBool()) {
        data[12] = kPassword[0];
        data[13] = kPassword[1];
      }
      return Frame(0x0040, data);
    }
    case Command::ReadBlock: {
      const int address = c[1] << 8 | c[2];
      const auto seed = in.ConsumeIntegral<uint8_t>();
      Bytes data(c[3]);
      for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(seed + address + i * 7);
      return Frame(address, data);
    }
    case Command::WriteBlock:
    case Command::End:
      return {0x06};
    default:
      return {};
  }
}

Bytes Echoed(const Bytes& command, const Bytes& reply) {
  Bytes b = command;
  b.insert(b.end(), reply.begin(), reply.end());
  return b;
}

void Step(Harness& h, FuzzedDataProvider& in) {
  auto& t = h.transport;
  const auto op = in.ConsumeIntegral<uint8_t>();
  if (op < 128) {
    t.Deliver(Echoed(t.last, GoodReply(t, in)));
  } else if (op < 160) {
    h.timer.Fire();
  } else if (op < 176) {
    const Bytes all = Echoed(t.last, GoodReply(t, in));
    const std::size_t cut = in.ConsumeIntegralInRange<std::size_t>(0, all.size());
    t.Deliver(Bytes(all.begin(), all.begin() + static_cast<long>(cut)));
    t.Deliver(Bytes(all.begin() + static_cast<long>(cut), all.end()));
  } else if (op < 192) {
    const int other = in.ConsumeIntegralInRange(0, 0x3FF) * 16;
    t.Deliver(Echoed(t.last, Frame(other, Bytes(16, in.ConsumeIntegral<uint8_t>()))));
  } else if (op < 208) {
    Bytes all = Echoed(t.last, GoodReply(t, in));
    if (!all.empty()) {
      const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, all.size() - 1);
      all[at] ^= static_cast<uint8_t>(in.ConsumeIntegralInRange(1, 255));
    }
    t.Deliver(all);
  } else if (op < 224) {
    t.Deliver(Echoed(t.last, {0x0A}));
  } else if (op < 240) {
    t.Deliver(in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange(0, 40)));
  } else {
    const Bytes all = Echoed(t.last, GoodReply(t, in));
    t.Deliver(Bytes(all.begin(),
                    all.begin() + static_cast<long>(in.ConsumeIntegralInRange<std::size_t>(0, all.size()))));
  }
}

bool Holds(const kt740::MemoryImage& image, int address, const Bytes& data) {
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (image.bytes[static_cast<std::size_t>(address) + i] != data[i]) return false;
  }
  return data.size() == 16;
}

// Every block of the range as the stream delivered (read) or the radio accepted (write) it.
bool EveryBlock(const std::map<int, Bytes>& blocks, const kt740::MemoryImage& image, int first, int last) {
  for (int a = first; a <= last; a += 16) {
    const auto it = blocks.find(a);
    if (it == blocks.end() || !Holds(image, a, it->second)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const LinkMode mode = in.PickValueInArray({LinkMode::ReadAll, LinkMode::WriteAll, LinkMode::ReadInfo});
  Harness h(in);
  const bool running = mode == LinkMode::ReadAll    ? kt740::StartReadAll(h.session)
                       : mode == LinkMode::WriteAll ? kt740::StartWriteAll(h.session)
                                                    : kt740::StartReadInfo(h.session);
  if (!running) return 0;
  while (h.session.Active() && in.remaining_bytes() > 0) Step(h, in);

  const auto& t = h.transport;
  Require(mode == LinkMode::WriteAll || t.lowestWriteAddress == 0x4000, "a read sent a write frame");
  Require(t.lowestWriteAddress >= 0x0100, "a write frame below 0x0100");
  if (!h.observer.ended || !h.observer.success) return 0;
  switch (mode) {
    case LinkMode::ReadAll:
      Require(EveryBlock(t.delivered, h.observer.imageRead, 0x0010, 0x3FF0),
              "a read succeeded with an image that is not what the stream delivered");
      break;
    case LinkMode::WriteAll:
      Require(EveryBlock(t.accepted, h.state->image, 0x0100, 0x3FF0),
              "a write succeeded without the radio's acceptance of every block");
      break;
    case LinkMode::ReadInfo:
      Require(EveryBlock(t.delivered, h.state->image, 0x0010, 0x00F0),
              "an information read succeeded with bytes the stream did not deliver");
      break;
    default:
      break;
  }
  return 0;
}
