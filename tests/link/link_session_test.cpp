// Opening a session, the commands of each step, and the receive handler's patterns.
#include <functional>

#include "link_fixture.h"

namespace kt740::test {
namespace {

using LinkSessionTest = LinkFixture;

TEST_F(LinkSessionTest, OpenSetsRangeLineAndBudgetsByMode) {
  const struct {
    LinkMode mode;
    int32_t start, end;
    std::size_t blocks;
  } cases[] = {
      {LinkMode::ReadAll, 0x0010, 0x3FF0, 1023},
      {LinkMode::WriteAll, 0x0100, 0x3FF0, 1008},
      {LinkMode::ReadInfo, 0x0010, 0x00FF, 15},
  };
  for (const auto& c : cases) {
    session.LinkMode = c.mode;
    session.LastPercentage = 40;
    ASSERT_TRUE(session.OpenLinkSession());
    EXPECT_EQ(session.StartAddress, c.start);
    EXPECT_EQ(session.EndAddress, c.end);
    EXPECT_EQ(session.CurrentAddress, c.start - 16);
    EXPECT_EQ(session.Budget.blocks.size(), c.blocks);
    EXPECT_EQ(session.Budget.blocks.front(), 3);
    EXPECT_EQ(session.Budget.steps, (std::array<int16_t, 3>{3, 3, 3}));
    EXPECT_EQ(session.LinkStep, kStepIdle);
    EXPECT_EQ(session.LastPercentage, 0);
  }
  EXPECT_EQ(transport.device, "/dev/ttyTEST");
  EXPECT_TRUE(transport.rtsCts);
  EXPECT_EQ(transport.line.baudRate, 9600);
  EXPECT_EQ(transport.line.parity, 'N');
  EXPECT_EQ(transport.line.dataBits, 8);
  EXPECT_EQ(transport.line.stopBits, 1);
  EXPECT_EQ(transport.threshold, 1u);
  EXPECT_TRUE(transport.open);
  EXPECT_EQ(transport.opens, 3);
  EXPECT_TRUE(notifier.entries.empty());
}

TEST_F(LinkSessionTest, OpenFailuresShowThePortText) {
  transport.openOk = false;
  session.LinkMode = LinkMode::ReadAll;
  EXPECT_FALSE(session.OpenLinkSession());
  EXPECT_EQ(notifier.Texts(), std::vector<std::string>{Text(2002)});

  state.app.ComPortDevice.clear();
  state.app.ComPort = 0;  // no port at all
  transport.openOk = true;
  EXPECT_FALSE(session.OpenLinkSession());
  EXPECT_EQ(notifier.entries.size(), 2u);

  session.LinkMode = LinkMode::Idle;
  const int opens = transport.opens;
  EXPECT_FALSE(session.OpenLinkSession());
  EXPECT_EQ(transport.opens, opens);
  EXPECT_EQ(notifier.entries.size(), 2u);
}

TEST_F(LinkSessionTest, EachStepSendsItsCommandWithItsThreshold) {
  Open(LinkMode::ReadAll);
  session.SendProgram();
  EXPECT_EQ(transport.Last(), Bytes(kProgramCommand.begin(), kProgramCommand.end()));
  EXPECT_EQ(transport.threshold, 10u);
  EXPECT_EQ(session.EchoLength, 7);
  EXPECT_TRUE(timer.active);
  EXPECT_EQ(timer.interval, 300);

  transport.Answer(ProgramReply());
  EXPECT_EQ(transport.Last(), Bytes{0x02});
  EXPECT_EQ(transport.threshold, 17u);
  EXPECT_EQ(observer.progress, std::vector<int>{0});

  transport.Answer(IdentifyOk());
  EXPECT_EQ(transport.Last(), (Bytes{0x52, 0x00, 0x40, 0x10}));
  EXPECT_EQ(transport.threshold, 26u);

  transport.Answer(PasswordBlock(""));
  EXPECT_EQ(transport.Last(), (Bytes{0x52, 0x00, 0x10, 0x10}));
  EXPECT_EQ(session.LinkStep, kStepBlocks);
  EXPECT_EQ(transport.clears, static_cast<int>(transport.writes.size()));  // buffers cleared before each
}

TEST_F(LinkSessionTest, WriteFramesCarryTheImageAndEndFollowsTheLast) {
  for (std::size_t a = 0; a < kImageSize; ++a) state.image.bytes[a] = static_cast<uint8_t>(a * 7);
  ToBlocks(LinkMode::WriteAll);
  EXPECT_EQ(transport.Last(), DataFrame(0x0100, std::span(state.image.bytes).subspan(0x0100, 16)));
  EXPECT_EQ(transport.threshold, 23u);
  while (session.LinkStep == kStepBlocks) transport.Answer({0x06});
  const auto frames = std::count_if(transport.writes.begin(), transport.writes.end(),
                                    [](const Bytes& w) { return w.size() == 22 && w[0] == 'W'; });
  EXPECT_EQ(frames, 1008);
  EXPECT_EQ(transport.writes[transport.writes.size() - 2],
            DataFrame(0x3FF0, std::span(state.image.bytes).subspan(0x3FF0, 16)));
  EXPECT_EQ(transport.Last(), Bytes(kEndCommand.begin(), kEndCommand.end()));
  EXPECT_EQ(transport.threshold, 4u);
  EXPECT_EQ(session.LinkStep, kStepFinish);
  transport.Answer({0x06});
  EXPECT_TRUE(observer.ended);
  EXPECT_TRUE(observer.success);
  EXPECT_EQ(notifier.Texts(), std::vector<std::string>{Text(2005)});
  EXPECT_FALSE(transport.open);
  EXPECT_EQ(session.LinkMode, LinkMode::Idle);
  EXPECT_EQ(session.LinkStep, kStepIdle);
  EXPECT_EQ(observer.progress.back(), 100);
}

// One reply at one step: either the session takes it (and sends the next command or ends) or
// it ignores it and waits for the time-out.
struct ReceiveCase {
  const char* name;
  LinkMode mode;
  int16_t step;  // the step the session is brought to
  std::function<Bytes(const LinkFixture&)> reply;
  bool taken;
};

class ReceiveRows : public LinkFixture {
 protected:
  void BringTo(LinkMode mode, int16_t step) {
    Open(mode);
    session.SendProgram();
    if (step == kStepProgram) return;
    transport.Answer(ProgramReply());
    if (step == kStepIdentify) return;
    transport.Answer(IdentifyOk());
    if (step == kStepPassword) return;
    transport.Answer(PasswordBlock(""));
    if (step == kStepBlocks) return;
    session.FinishLink();
  }
};

TEST_F(ReceiveRows, EveryPattern) {
  const Bytes data(16, 0x5A);
  const ReceiveCase cases[] = {
      {"JR 06", LinkMode::ReadAll, kStepProgram, [](auto&) { return ProgramReply(); }, true},
      {"JR 06 plus a byte", LinkMode::ReadAll, kStepProgram,
       [](auto&) {
         return Bytes{'J', 'R', 6, 0};
       },
       false},
      {"JR 07", LinkMode::ReadAll, kStepProgram,
       [](auto&) {
         return Bytes{'J', 'R', 7};
       },
       false},
      {"06 to PROGRAM", LinkMode::ReadAll, kStepProgram,
       [](auto&) {
         return Bytes{6, 6, 6};
       },
       false},
      {"identify", LinkMode::ReadAll, kStepIdentify, [](auto&) { return IdentifyOk(); }, true},
      {"identify without 06", LinkMode::ReadAll, kStepIdentify,
       [](auto&) {
         Bytes b = IdentifyOk();
         b.back() = 0;
         return b;
       },
       false},
      {"identify one byte long", LinkMode::ReadAll, kStepIdentify,
       [](auto&) {
         Bytes b = IdentifyOk();
         b.push_back(6);
         return b;
       },
       false},
      {"identify not I", LinkMode::ReadAll, kStepIdentify,
       [](auto&) {
         Bytes b = IdentifyOk();
         b[0] = 'J';
         return b;
       },
       false},
      {"password block", LinkMode::ReadAll, kStepPassword, [](auto&) { return PasswordBlock(""); }, true},
      {"password block for 0x0050", LinkMode::ReadAll, kStepPassword,
       [](auto&) { return DataFrame(0x0050, Blank16()); }, false},
      {"password block, bad checksum", LinkMode::ReadAll, kStepPassword,
       [](auto&) {
         Bytes b = PasswordBlock("");
         b[20] ^= 1;
         return b;
       },
       false},
      {"password block, 8 bytes", LinkMode::ReadAll, kStepPassword,
       [](auto&) { return DataFrame(0x0040, Bytes(8, 0xFF)); }, false},
      {"data block", LinkMode::ReadAll, kStepBlocks, [data](auto& f) { return DataFrame(f.Address(), data); },
       true},
      {"data block, another address", LinkMode::ReadAll, kStepBlocks,
       [data](auto& f) { return DataFrame(f.Address() + 16, data); }, false},
      {"data block, 8 bytes", LinkMode::ReadAll, kStepBlocks,
       [](auto& f) { return DataFrame(f.Address(), Bytes(8, 0)); }, false},
      {"data block, bad checksum", LinkMode::ReadAll, kStepBlocks,
       [data](auto& f) {
         Bytes b = DataFrame(f.Address(), data);
         b[20] ^= 0x80;
         return b;
       },
       false},
      {"data block, a byte too many", LinkMode::ReadAll, kStepBlocks,
       [data](auto& f) {
         Bytes b = DataFrame(f.Address(), data);
         b.push_back(6);
         return b;
       },
       false},
      {"data block, no 06", LinkMode::ReadAll, kStepBlocks,
       [data](auto& f) {
         Bytes b = DataFrame(f.Address(), data);
         b.back() = 0;
         return b;
       },
       false},
      {"info block", LinkMode::ReadInfo, kStepBlocks,
       [data](auto& f) { return DataFrame(f.Address(), data); }, true},
      {"06 to a read block", LinkMode::ReadAll, kStepBlocks, [](auto&) { return Bytes{6}; }, false},
      {"write accepted", LinkMode::WriteAll, kStepBlocks, [](auto&) { return Bytes{6}; }, true},
      {"write, 06 twice", LinkMode::WriteAll, kStepBlocks,
       [](auto&) {
         return Bytes{6, 6};
       },
       false},
      // A second echo of the frame looks like a data reply for the right address: never taken.
      {"write, frame echoed twice", LinkMode::WriteAll, kStepBlocks,
       [](auto& f) {
         return DataFrame(f.Address(), std::span(f.state.image.bytes).subspan(f.Address(), 16));
       },
       false},
      {"END answered", LinkMode::ReadAll, kStepFinish, [](auto&) { return Bytes{6}; }, true},
      {"END answered 0A", LinkMode::ReadAll, kStepFinish, [](auto&) { return Bytes{0x0A}; }, false},
  };
  for (const ReceiveCase& c : cases) {
    SCOPED_TRACE(c.name);
    transport.writes.clear();
    notifier.entries.clear();
    observer = RecordingObserver();
    BringTo(c.mode, c.step);
    const std::size_t writes = transport.writes.size();
    const int32_t address = session.CurrentAddress;
    const Bytes reply = c.reply(*this);
    transport.Answer(reply);
    if (c.taken) {
      EXPECT_TRUE(transport.writes.size() > writes || observer.ended);
    } else {
      EXPECT_EQ(transport.writes.size(), writes);
      EXPECT_EQ(session.LinkStep, c.step);
      EXPECT_EQ(session.CurrentAddress, address);
      EXPECT_TRUE(timer.active);
      EXPECT_FALSE(observer.ended);
    }
    session.EndLinkSession(LinkOutcome::Failed);
  }
}

TEST_F(LinkSessionTest, DataRepliesLandAtTheirAddressAndTheEchoIsNotCompared) {
  ToBlocks(LinkMode::ReadAll);
  Bytes data(16);
  for (int i = 0; i < 16; ++i) data[static_cast<std::size_t>(i)] = static_cast<uint8_t>(0xA0 + i);
  Bytes b = {0xEE, 0xEE, 0xEE, 0xEE};  // garbled echo, right length
  const Bytes frame = DataFrame(0x0010, data);
  b.insert(b.end(), frame.begin(), frame.end());
  transport.Deliver(b);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), state.image.bytes.begin() + 0x10));
  EXPECT_EQ(transport.Last(), (Bytes{0x52, 0x00, 0x20, 0x10}));
}

TEST_F(LinkSessionTest, ShortRepliesWaitForTheThreshold) {
  ToBlocks(LinkMode::ReadAll);
  const std::size_t writes = transport.writes.size();
  Bytes b = transport.Last();
  const Bytes frame = DataFrame(0x0010, Blank16());
  b.insert(b.end(), frame.begin(), frame.end() - 1);
  transport.Deliver(b);  // 25 bytes: no receive event
  EXPECT_EQ(transport.writes.size(), writes);
  EXPECT_TRUE(timer.Fire());  // the time-out resends
  EXPECT_EQ(transport.writes.size(), writes + 1);
  EXPECT_EQ(transport.Last(), (Bytes{0x52, 0x00, 0x10, 0x10}));
}

TEST_F(LinkSessionTest, ReadInfoMovesFifteenBlocksWithoutProgress) {
  ToBlocks(LinkMode::ReadInfo);
  for (int i = 0; i < 15; ++i) transport.Answer(DataFrame(Address(), Bytes(16, static_cast<uint8_t>(i))));
  EXPECT_EQ(transport.Last(), Bytes(kEndCommand.begin(), kEndCommand.end()));
  EXPECT_TRUE(observer.progress.empty());
  transport.Answer({6});
  EXPECT_TRUE(observer.success);
  EXPECT_EQ(observer.infoShown, 1);
  EXPECT_TRUE(notifier.entries.empty());   // no message on success
  EXPECT_EQ(state.embedInfo.InfoByte, 0);  // 0x0017 came from block 0x0010 (all 0)
  EXPECT_EQ(state.image.bytes[0x00F0], 14);
}

}  // namespace
}  // namespace kt740::test
