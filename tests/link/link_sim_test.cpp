// Whole sessions against the simulated radio, with faults on the line: the image moved must be
// exactly right, or the session must fail.
#include <ostream>
#include <random>

#include "link_fixture.h"
#include "program/radio_link.h"

namespace kt740::test {
namespace {

struct SimCase {
  const char* name;
  unsigned faults;
  double rate;
  uint32_t seed;
  long stallAt;
  int retries;  // Retry answers before Cancel
  bool succeeds;
};

void PrintTo(const SimCase& c, std::ostream* os) {
  *os << c.name;
}

class LinkSimTest : public ::testing::TestWithParam<SimCase> {
 protected:
  LinkSimTest() : transport(Options()) {
    state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
    state.app.ComPortDevice = "/dev/ttySIM";
    std::mt19937 rng(7);
    for (auto& b : transport.radio.memory) b = static_cast<uint8_t>(rng());
    transport.radio.SetPassword("");
    for (int i = 0; i < GetParam().retries; ++i) notifier.answers.push_back(Answer::Retry);
    notifier.answers.push_front(Answer::Ok);  // the confirmation
  }

  static sim::SimOptions Options() {
    sim::SimOptions o;
    o.faults = GetParam().faults;
    o.faultRate = GetParam().rate;
    o.seed = GetParam().seed;
    o.stallAt = GetParam().stallAt;
    return o;
  }

  void Run() {
    for (long guard = 0; session.Active() && guard < 10'000'000; ++guard) {
      if (transport.Pump()) continue;
      if (!timer.Fire()) break;
    }
    ASSERT_FALSE(session.Active());
  }

  ProgramState state;
  SimTransport transport;
  ManualTimer timer;
  RecordingNotifier notifier;
  RecordingObserver observer;
  ProgramLinkSession session{state, transport, timer, notifier, observer};
};

TEST_P(LinkSimTest, ReadMovesExactlyTheRadiosMemory) {
  state.image.bytes.fill(0x77);
  ASSERT_TRUE(StartReadAll(session));
  Run();
  EXPECT_EQ(observer.success, GetParam().succeeds || GetParam().faults == sim::kFaultReject);
  if (!observer.success) {
    EXPECT_EQ(notifier.Texts().back(), LangText(state, 2006));
    return;
  }
  const MemoryImage& read = observer.imageRead;  // before decoding tidies it
  for (std::size_t a = 0; a < 0x10; ++a) ASSERT_EQ(read.bytes[a], 0x77) << a;
  for (std::size_t a = 0x10; a < kImageSize; ++a) ASSERT_EQ(read.bytes[a], transport.radio.memory[a]) << a;
  EXPECT_FALSE(transport.radio.Programming());
}

TEST_P(LinkSimTest, WriteLeavesExactlyTheImageInTheRadio) {
  const auto before = transport.radio.memory;
  ASSERT_TRUE(StartWriteAll(session));
  const MemoryImage sent = state.image;
  Run();
  EXPECT_EQ(observer.success, GetParam().succeeds);
  const auto& after = transport.radio.memory;
  for (std::size_t a = 0; a < 0x100; ++a) ASSERT_EQ(after[a], before[a]) << a;
  EXPECT_TRUE(transport.radio.Stats().lowestWriteAddress == 0x100 || !observer.success);
  EXPECT_GE(transport.radio.Stats().lowestWriteAddress, observer.success ? 0x100 : -1);
  if (!observer.success) {
    EXPECT_EQ(notifier.Texts().back(), LangText(state, 2007));
    return;
  }
  for (std::size_t a = 0x100; a < kImageSize; ++a) ASSERT_EQ(after[a], sent.bytes[a]) << a;
}

using sim::kFaultAddress;
using sim::kFaultChecksum;
using sim::kFaultDrop;
using sim::kFaultReject;
using sim::kFaultTruncate;
constexpr unsigned kLineFaults = kFaultDrop | kFaultTruncate | kFaultChecksum | kFaultAddress;

INSTANTIATE_TEST_SUITE_P(Faults, LinkSimTest,
                         ::testing::Values(SimCase{"clean", 0, 0, 1, -1, 0, true},
                                           SimCase{"drops", kFaultDrop, 0.05, 11, -1, 2, true},
                                           SimCase{"truncations", kFaultTruncate, 0.05, 12, -1, 2, true},
                                           SimCase{"checksums", kFaultChecksum, 0.05, 13, -1, 2, true},
                                           SimCase{"addresses", kFaultAddress, 0.05, 14, -1, 2, true},
                                           SimCase{"rejections", kFaultReject, 0.3, 15, -1, 2, true},
                                           SimCase{"everything at 20 %", kLineFaults | kFaultReject, 0.2, 16,
                                                   -1, 50, true},
                                           SimCase{"stall, retries run out", 0, 0, 1, 0x2000, 2, false},
                                           SimCase{"stall, no retry", 0, 0, 1, 0x0800, 0, false},
                                           SimCase{"always rejected", kFaultReject, 1.0, 1, -1, 1, false}),
                         [](const auto& param) {
                           std::string n = param.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

}  // namespace
}  // namespace kt740::test
