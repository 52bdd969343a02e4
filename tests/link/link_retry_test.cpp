// Time-outs, the three transmissions of every command, the retry question and where a resumed
// session picks up, and the resending of rejected write frames.
#include "link_fixture.h"

namespace kt740::test {
namespace {

using LinkRetryTest = LinkFixture;

std::size_t CountEqual(const std::vector<Bytes>& writes, const Bytes& command) {
  return static_cast<std::size_t>(std::count(writes.begin(), writes.end(), command));
}

TEST_F(LinkRetryTest, AFailedInformationReadSaysWhyInChinese) {
  SetLanguage(state.app, kLanguageChinese);
  Open(LinkMode::ReadInfo);
  session.SendProgram();
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(timer.Fire());
  EXPECT_EQ(notifier.Texts(),
            std::vector<std::string>{Text(2008) + "\n" + "对讲机无响应，请检查编程线和对讲机。"});
}

TEST_F(LinkRetryTest, EveryCommandGoesOutThreeTimesThenTheQuestion) {
  const struct {
    const char* name;
    int16_t step;
  } steps[] = {{"PROGRAM", kStepProgram},
               {"Identify", kStepIdentify},
               {"password", kStepPassword},
               {"block", kStepBlocks}};
  for (LinkMode mode : {LinkMode::ReadAll, LinkMode::WriteAll, LinkMode::ReadInfo}) {
    for (const auto& s : steps) {
      SCOPED_TRACE(std::string(s.name) + " mode " + std::to_string(static_cast<int>(mode)));
      transport.writes.clear();
      notifier.entries.clear();
      observer = RecordingObserver();
      Open(mode);
      session.SendProgram();
      if (s.step > kStepProgram) transport.Answer(ProgramReply());
      if (s.step > kStepIdentify) transport.Answer(IdentifyOk());
      if (s.step > kStepPassword) transport.Answer(PasswordBlock(""));
      const Bytes command = transport.Last();
      const std::size_t before = CountEqual(transport.writes, command);
      EXPECT_TRUE(timer.Fire());
      EXPECT_TRUE(timer.Fire());
      EXPECT_EQ(CountEqual(transport.writes, command), before + 2);
      EXPECT_TRUE(notifier.entries.empty());
      EXPECT_TRUE(timer.Fire());  // the third transmission goes unanswered too
      EXPECT_EQ(CountEqual(transport.writes, command), before + 2);
      if (mode == LinkMode::ReadInfo) {
        // The information read fails at once, without the question, and says why in the
        // question's own words.
        EXPECT_EQ(notifier.Texts(), std::vector<std::string>{Text(2008) + "\n" +
                                                             "The radio does not answer. Check the "
                                                             "programming cable and the radio."});
      } else {
        ASSERT_EQ(notifier.entries.size(), 2u);
        EXPECT_TRUE(notifier.entries[0].question);
        EXPECT_EQ(notifier.entries[0].text, Text(2003));
        EXPECT_EQ(notifier.entries[0].buttons, Buttons::RetryCancel);
        EXPECT_EQ(notifier.entries[1].text, Text(mode == LinkMode::ReadAll ? 2006 : 2007));
      }
      EXPECT_TRUE(observer.ended);
      EXPECT_FALSE(observer.success);
      EXPECT_FALSE(transport.open);
      EXPECT_FALSE(timer.active);
    }
  }
}

TEST_F(LinkRetryTest, RetryAfterAnExhaustedBlockResumesWithThatBlock) {
  ToBlocks(LinkMode::ReadAll);
  ReadUpTo(0x0230);
  notifier.answers = {Answer::Retry};
  for (int i = 0; i < 3; ++i) timer.Fire();
  ASSERT_EQ(notifier.entries.size(), 1u);
  EXPECT_EQ(transport.Last(), Bytes(kEndCommand.begin(), kEndCommand.end()));
  EXPECT_EQ(session.LinkStep, kStepRestart);
  EXPECT_EQ(session.Budget.blocks[(0x0230 - 0x0010) / 16], 3);  // budgets fresh again
  transport.Answer({6});
  EXPECT_EQ(transport.Last(), Bytes(kProgramCommand.begin(), kProgramCommand.end()));
  transport.Answer(ProgramReply());
  transport.Answer(IdentifyOk());
  transport.Answer(PasswordBlock(""));
  EXPECT_EQ(transport.Last(), (Bytes{0x52, 0x02, 0x30, 0x10}));
  // The progress never went back while the session restarted.
  for (std::size_t i = 1; i < observer.progress.size(); ++i)
    EXPECT_GE(observer.progress[i], observer.progress[i - 1]);
  EXPECT_GT(observer.progress.back(), 0);
}

TEST_F(LinkRetryTest, RetryDuringTheHandshakeStartsTheBlocksWhereTheyWere) {
  ToBlocks(LinkMode::WriteAll);
  transport.Answer({6});
  transport.Answer({6});
  EXPECT_EQ(session.CurrentAddress, 0x0120);
  notifier.answers = {Answer::Retry, Answer::Retry};
  for (int i = 0; i < 3; ++i) timer.Fire();  // block 0x0120 exhausted: back to 0x0110
  transport.Answer({6});                     // END
  for (int i = 0; i < 3; ++i) timer.Fire();  // PROGRAM unanswered three times: the question again
  EXPECT_EQ(notifier.entries.size(), 2u);
  transport.Answer({6});  // END
  transport.Answer(ProgramReply());
  transport.Answer(IdentifyOk());
  transport.Answer(PasswordBlock(""));
  EXPECT_EQ(transport.Last()[1], 0x01);
  EXPECT_EQ(transport.Last()[2], 0x20);  // still the failed block, not one further back
}

TEST_F(LinkRetryTest, CancelEndsTheSessionAsFailed) {
  ToBlocks(LinkMode::ReadAll);
  state.current.settings.Bands.RxLow = 140;
  state.app.CurrentFileName = "mine.dat";
  state.app.Untitled = false;
  ReadUpTo(0x0100);
  for (int i = 0; i < 3; ++i) timer.Fire();
  EXPECT_EQ(notifier.Texts(), (std::vector<std::string>{Text(2003), Text(2006)}));
  EXPECT_TRUE(observer.closed);
  EXPECT_EQ(observer.redraws, 0);
  // A failed read decodes nothing.
  EXPECT_EQ(state.current.settings.Bands.RxLow, 140);
  EXPECT_EQ(state.app.CurrentFileName, "mine.dat");
  EXPECT_FALSE(state.app.Untitled);
}

TEST_F(LinkRetryTest, UnansweredRestartEndAsksAgainAndRetryLeavesTheCounters) {
  ToBlocks(LinkMode::ReadAll);
  notifier.answers = {Answer::Retry, Answer::Retry, Answer::Cancel};
  for (int i = 0; i < 3; ++i) timer.Fire();
  EXPECT_EQ(session.LinkStep, kStepRestart);
  session.Budget.steps = {1, 2, 3};
  timer.Fire();  // END unanswered: the question at once
  EXPECT_EQ(notifier.entries.size(), 2u);
  EXPECT_EQ(transport.Last(), Bytes(kEndCommand.begin(), kEndCommand.end()));
  EXPECT_EQ(session.Budget.steps, (std::array<int16_t, 3>{1, 2, 3}));
  timer.Fire();
  EXPECT_EQ(notifier.Texts().back(), Text(2006));
  EXPECT_FALSE(observer.success);
}

TEST_F(LinkRetryTest, UnansweredFinalEndStillSucceeds) {
  ToBlocks(LinkMode::WriteAll);
  session.CurrentAddress = 0x3FF0;
  session.SendWriteBlock();
  transport.Answer({6});
  EXPECT_EQ(session.LinkStep, kStepFinish);
  timer.Fire();
  EXPECT_TRUE(observer.success);
  EXPECT_EQ(notifier.Texts(), std::vector<std::string>{Text(2005)});
}

TEST_F(LinkRetryTest, RejectedFramesGoOutAgainAtOnceWithoutUsingTheRetries) {
  ToBlocks(LinkMode::WriteAll);
  transport.Answer({6});
  const Bytes frame = transport.Last();
  ASSERT_EQ(frame[2], 0x10);
  const int starts = timer.starts;
  for (int i = 0; i < kMaxRejectionResends; ++i) {
    transport.Answer({0x0A});
    EXPECT_EQ(transport.Last(), frame);
  }
  EXPECT_EQ(CountEqual(transport.writes, frame), 17u);
  EXPECT_EQ(timer.starts, starts + 16);
  EXPECT_EQ(session.Budget.blocks[1], 3);
  EXPECT_TRUE(notifier.entries.empty());
  // A time-out in between uses a retry; the rejections keep counting.
  timer.Fire();
  EXPECT_EQ(session.Budget.blocks[1], 2);
  notifier.answers = {Answer::Retry};
  transport.Answer({0x0A});  // the 17th rejection in a row: the block counts as exhausted
  ASSERT_EQ(notifier.entries.size(), 1u);
  EXPECT_EQ(notifier.entries[0].text, Text(2003));
  EXPECT_EQ(transport.Last(), Bytes(kEndCommand.begin(), kEndCommand.end()));
  transport.Answer({6});
  transport.Answer(ProgramReply());
  transport.Answer(IdentifyOk());
  transport.Answer(PasswordBlock(""));
  EXPECT_EQ(transport.Last(), frame);
  EXPECT_EQ(session.RejectionsInARow, 0);
  transport.Answer({6});  // accepted: the next block
  EXPECT_EQ(transport.Last()[2], 0x20);
}

TEST_F(LinkRetryTest, AcceptedFrameStartsTheRejectionCountAfresh) {
  ToBlocks(LinkMode::WriteAll);
  for (int block = 0; block < 3; ++block) {
    for (int i = 0; i < kMaxRejectionResends; ++i) transport.Answer({0x0A});
    transport.Answer({6});
  }
  EXPECT_TRUE(notifier.entries.empty());
  EXPECT_EQ(session.CurrentAddress, 0x0130);
}

TEST_F(LinkRetryTest, WriteFailureIsAnUnansweredCommand) {
  ToBlocks(LinkMode::ReadAll);
  transport.writeOk = false;
  timer.Fire();
  EXPECT_TRUE(timer.active);
  transport.writeOk = true;
  transport.Answer(DataFrame(0x0010, Blank16()));
  EXPECT_EQ(session.CurrentAddress, 0x0020);
}

TEST_F(LinkRetryTest, ProgramThatCannotBeSentEndsTheSession) {
  Open(LinkMode::ReadAll);
  transport.writeOk = false;
  session.SendProgram();
  EXPECT_EQ(notifier.Texts(), (std::vector<std::string>{Text(2002), Text(2006)}));
  EXPECT_TRUE(observer.ended);
}

}  // namespace
}  // namespace kt740::test
