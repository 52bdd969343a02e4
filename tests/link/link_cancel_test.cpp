// Stopping a session: the frame in flight finishes, END goes out, the port closes, and a stopped
// read decodes nothing.
#include <algorithm>

#include "link_fixture.h"

namespace kt740::test {
namespace {

using LinkCancelTest = LinkFixture;

const Bytes kEnd(kEndCommand.begin(), kEndCommand.end());

enum class InFlight { Answered, TimedOut, Rejected };

struct CancelCase {
  const char* name;
  LinkMode mode;
  InFlight frame;
  BuiltIn message;
};

TEST_F(LinkCancelTest, TheFrameInFlightFinishesThenEndClosesTheSession) {
  const CancelCase cases[] = {
      {"read, block answered", LinkMode::ReadAll, InFlight::Answered, BuiltIn::TextReadCancelled},
      {"read, block timed out", LinkMode::ReadAll, InFlight::TimedOut, BuiltIn::TextReadCancelled},
      {"write, frame accepted", LinkMode::WriteAll, InFlight::Answered, BuiltIn::TextWriteCancelled},
      {"write, frame timed out", LinkMode::WriteAll, InFlight::TimedOut, BuiltIn::TextWriteCancelled},
      {"write, frame rejected", LinkMode::WriteAll, InFlight::Rejected, BuiltIn::TextWriteCancelled},
      {"information, block answered", LinkMode::ReadInfo, InFlight::Answered, BuiltIn::TextInfoCancelled},
  };
  for (const CancelCase& c : cases) {
    SCOPED_TRACE(c.name);
    notifier.entries.clear();
    observer = RecordingObserver{};
    state.current.channels.records[0].Name = NulTerminatedText<7>("MINE");
    state.app.CurrentFileName = "mine.dat";
    const Configuration before = state.current;
    const Configuration snapshotBefore = state.snapshot;

    ToBlocks(c.mode);
    const bool writing = c.mode == LinkMode::WriteAll;
    for (int k = 0; k < 3; ++k)
      transport.Answer(writing ? Bytes{kAck} : DataFrame(Address(), Bytes(16, 0x11)));
    const Bytes inFlight = transport.Last();
    const std::size_t sent = transport.writes.size();

    session.RequestCancel();
    EXPECT_TRUE(session.Active());
    EXPECT_EQ(transport.writes.size(), sent);  // nothing more until the frame in flight is done
    switch (c.frame) {
      case InFlight::Answered:
        transport.Answer(writing ? Bytes{kAck} : DataFrame(Address(), Bytes(16, 0x11)));
        break;
      case InFlight::TimedOut:
        EXPECT_TRUE(timer.Fire());
        break;
      case InFlight::Rejected:
        transport.Answer({kReject});
        break;
    }
    ASSERT_EQ(transport.writes.size(), sent + 1);
    EXPECT_EQ(transport.Last(), kEnd);  // not a resend of the frame, not the next block
    EXPECT_NE(transport.Last(), inFlight);
    EXPECT_TRUE(notifier.entries.empty());  // no retry question
    transport.Answer({kAck});

    EXPECT_TRUE(observer.ended);
    EXPECT_EQ(observer.outcome, LinkOutcome::Cancelled);
    EXPECT_TRUE(observer.closed);
    EXPECT_FALSE(transport.open);
    EXPECT_FALSE(session.Active());
    EXPECT_EQ(notifier.Texts(), std::vector<std::string>{TextsOf(state).BuiltIn(c.message)});
    // Nothing read reaches the records.
    EXPECT_EQ(observer.redraws, 0);
    EXPECT_EQ(observer.infoShown, 0);
    EXPECT_EQ(state.current.channels.records[0], before.channels.records[0]);
    EXPECT_EQ(state.current.channels.ChannelCount, before.channels.ChannelCount);
    EXPECT_EQ(state.current.settings, before.settings);
    EXPECT_EQ(state.snapshot.settings, snapshotBefore.settings);
    EXPECT_EQ(state.app.CurrentFileName, "mine.dat");
  }
}

TEST_F(LinkCancelTest, AnUnansweredEndStillEndsAsCancelled) {
  ToBlocks(LinkMode::ReadAll);
  session.RequestCancel();
  transport.Answer(DataFrame(Address(), Bytes(16, 0x11)));
  ASSERT_EQ(transport.Last(), kEnd);
  EXPECT_TRUE(timer.Fire());
  EXPECT_EQ(observer.outcome, LinkOutcome::Cancelled);
  EXPECT_FALSE(transport.open);
  EXPECT_EQ(std::count(transport.writes.begin(), transport.writes.end(), kEnd), 1);
}

TEST_F(LinkCancelTest, BeforeProgramIsAnsweredThePortJustCloses) {
  Open(LinkMode::WriteAll);
  session.SendProgram();
  const std::size_t sent = transport.writes.size();
  session.RequestCancel();
  EXPECT_EQ(transport.writes.size(), sent);  // no END: the radio never entered programming
  EXPECT_FALSE(transport.open);
  EXPECT_FALSE(timer.active);
  EXPECT_EQ(observer.outcome, LinkOutcome::Cancelled);
  EXPECT_FALSE(session.Active());
  transport.Answer(ProgramReply());  // a late answer changes nothing
  EXPECT_EQ(transport.writes.size(), sent);
}

TEST_F(LinkCancelTest, ACancelAfterTheLastBlockComesTooLate) {
  ToBlocks(LinkMode::WriteAll);
  while (session.LinkStep == kStepBlocks) transport.Answer({kAck});
  ASSERT_EQ(session.LinkStep, kStepFinish);
  session.RequestCancel();
  transport.Answer({kAck});
  EXPECT_EQ(observer.outcome, LinkOutcome::Succeeded);
}

TEST_F(LinkCancelTest, CancelWithoutASessionDoesNothing) {
  session.RequestCancel();
  EXPECT_FALSE(observer.ended);
  EXPECT_TRUE(transport.writes.empty());
}

}  // namespace
}  // namespace kt740::test
