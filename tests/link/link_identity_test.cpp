// The identity checks, the feature flag from the identify reply, the password step and what a
// successful read leaves behind.
#include "core/builtin_text.h"
#include "link_fixture.h"
#include "program/radio_link.h"

namespace kt740::test {
namespace {

using LinkIdentityTest = LinkFixture;

TEST_F(LinkIdentityTest, ChecksByMode) {
  const std::string none;
  const struct {
    LinkMode mode;
    const char* model;
    const char* version;
    uint8_t flagsB;
    BuiltIn message;
    bool passes;
  } cases[] = {
      {LinkMode::ReadAll, "RB-5100", "V100", 0, BuiltIn::TextModelWrong, true},
      {LinkMode::ReadAll, "RB-5200", "V100", 0, BuiltIn::TextModelWrong, false},
      {LinkMode::WriteAll, "RB-510", "V100", 0, BuiltIn::TextModelWrong, false},
      {LinkMode::ReadInfo, "RB-5100", "V101", 0, BuiltIn::TextVersionWrong, false},
      {LinkMode::ReadAll, "RB-5100", "v100", 0, BuiltIn::TextVersionWrong, false},
      {LinkMode::WriteAll, "RB-5200", "V101", 3, BuiltIn::TextModelWrong, false},  // model first
      {LinkMode::WriteAll, "RB-5100", "V100", 1, BuiltIn::TextRadioKilled, false},
      {LinkMode::WriteAll, "RB-5100", "V100", 2, BuiltIn::TextRadioStunned, false},
      {LinkMode::WriteAll, "RB-5100", "V100", 3, BuiltIn::TextRadioKilled, false},  // killed wins
      {LinkMode::ReadAll, "RB-5100", "V100", 3, BuiltIn::TextRadioKilled, true},    // reading is fine
      {LinkMode::ReadInfo, "RB-5100", "V100", 3, BuiltIn::TextRadioKilled, true},
  };
  for (int lang : {kLanguageEnglish, kLanguageChinese}) {
    SetLanguage(state.app, static_cast<int16_t>(lang));
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.model) + " " + c.version + " " + std::to_string(c.flagsB));
      transport.writes.clear();
      notifier.entries.clear();
      observer = RecordingObserver();
      Open(c.mode);
      session.SendProgram();
      transport.Answer(ProgramReply());
      transport.Answer(BuildIdentifyReply(c.model, '7', c.version, 0, c.flagsB));
      EXPECT_EQ(state.app.ModelName, c.model);  // kept whatever the outcome
      EXPECT_EQ(state.app.VersionText, c.version);
      if (c.passes) {
        EXPECT_EQ(session.LinkStep, kStepPassword);
        EXPECT_TRUE(notifier.entries.empty());
        session.EndLinkSession(LinkOutcome::Failed);
        continue;
      }
      const int failure = c.mode == LinkMode::ReadAll ? 2006 : c.mode == LinkMode::WriteAll ? 2007 : 2008;
      EXPECT_EQ(notifier.Texts(), (std::vector<std::string>{BuiltInText(c.message, lang), Text(failure)}));
      EXPECT_TRUE(observer.ended);
      EXPECT_FALSE(observer.success);
      EXPECT_EQ(transport.writes.size(), 2u);  // PROGRAM and Identify: no frame after them
      EXPECT_FALSE(timer.active);
    }
  }
}

TEST_F(LinkIdentityTest, ModelCodeAndFlagsFromTheReply) {
  Open(LinkMode::ReadAll);
  session.SendProgram();
  transport.Answer(ProgramReply());
  transport.Answer(BuildIdentifyReply("RB-5100", '9', "V100", 0x10, 0x02));
  EXPECT_EQ(state.radio.ReportedModelCode, '0');
  EXPECT_TRUE(state.radio.Stunned);
  EXPECT_FALSE(state.radio.Killed);
  EXPECT_EQ(state.app.Flags.Reserved, 1);
  session.EndLinkSession(LinkOutcome::Failed);

  state.app.Flags.Reserved = 5;  // set already: the radio does not change it
  Open(LinkMode::ReadAll);
  session.SendProgram();
  transport.Answer(ProgramReply());
  transport.Answer(BuildIdentifyReply("RB-5100", '3', "V100", 0x00, 0x00));
  EXPECT_EQ(state.app.Flags.Reserved, 5);
  EXPECT_EQ(state.radio.ReportedModelCode, '3');
}

struct PasswordCase {
  const char* name;
  std::string radio;  // what 0x004C-0x004F hold, up to 4 characters (0xFF behind)
  std::string preset;
  std::vector<std::optional<std::string>> dialog;
  bool asked;
  bool passes;
};

TEST_F(LinkIdentityTest, PasswordStep) {
  const PasswordCase cases[] = {
      {"no password", "", "", {}, false, true},
      {"entered before", "ab12", "ab12", {}, false, true},
      {"asked, right", "ab12", "", {std::string("ab12")}, true, true},
      {"asked, right after trimming", "ab", "zz", {std::string("ab  ")}, true, true},
      {"asked, wrong case", "ab12", "", {std::string("AB12")}, true, false},
      {"asked, cancelled", "ab12", "old", {std::nullopt}, true, false},
      {"wrong entry kept", "ab12", "nope", {std::string("nope")}, true, false},
  };
  for (const PasswordCase& c : cases) {
    SCOPED_TRACE(c.name);
    transport.writes.clear();
    notifier.entries.clear();
    observer = RecordingObserver();
    observer.passwordAnswers.assign(c.dialog.begin(), c.dialog.end());
    state.ProgrammingPassword = c.preset;
    Open(LinkMode::ReadAll);
    session.SendProgram();
    transport.Answer(ProgramReply());
    transport.Answer(IdentifyOk());
    transport.Answer(PasswordBlock(c.radio));
    EXPECT_EQ(observer.passwordAsked.size(), c.asked ? 1u : 0u);
    if (c.asked) {
      EXPECT_EQ(observer.passwordAsked[0], c.preset);  // the dialog shows the last entry
    }
    if (!c.passes) {
      EXPECT_EQ(notifier.Texts(), std::vector<std::string>{Text(2006)});
      EXPECT_FALSE(observer.success);
      if (c.dialog[0]) {
        EXPECT_EQ(observer.refused, 1);
        EXPECT_EQ(state.ProgrammingPassword, TrimText(*c.dialog[0]));
      } else {
        EXPECT_EQ(state.ProgrammingPassword, c.preset);
      }
      continue;
    }
    if (c.asked) {
      // A right entry restarts the session: END, PROGRAM, Identify and the block again.
      EXPECT_EQ(transport.Last(), Bytes(kEndCommand.begin(), kEndCommand.end()));
      transport.Answer({6});
      transport.Answer(ProgramReply());
      transport.Answer(IdentifyOk());
      transport.Answer(PasswordBlock(c.radio));
      EXPECT_EQ(observer.passwordAsked.size(), 1u);  // not asked again
    }
    EXPECT_EQ(session.LinkStep, kStepBlocks);
    EXPECT_EQ(transport.Last(), (Bytes{0x52, 0x00, 0x10, 0x10}));
    session.EndLinkSession(LinkOutcome::Failed);
  }
}

TEST_F(LinkIdentityTest, SuccessfulReadDecodesAndCountsAsUnchanged) {
  state.app.CurrentFileName = "mine.dat";
  state.app.Untitled = false;
  notifier.answers = {Answer::Ok};
  ASSERT_TRUE(StartReadAll(session));
  ASSERT_EQ(notifier.entries.size(), 1u);  // the read confirmation
  EXPECT_EQ(notifier.entries[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(observer.shownMode, LinkMode::ReadAll);
  transport.Answer(ProgramReply());
  transport.Answer(BuildIdentifyReply("RB-5100", '5', "V100", 0, 0));
  transport.Answer(PasswordBlock(""));
  while (session.LinkStep == kStepBlocks) transport.Answer(DataFrame(Address(), Bytes(16, 0)));
  transport.Answer({6});
  EXPECT_TRUE(observer.success);
  EXPECT_EQ(state.app.ModelCode, 5);
  EXPECT_EQ(state.current.settings.ModelCode, 5);
  EXPECT_EQ(state.app.CurrentFileName, "new.dat");
  EXPECT_TRUE(state.app.Untitled);
  EXPECT_EQ(state.snapshot.settings, state.current.settings);
  EXPECT_EQ(observer.redraws, 1);
  EXPECT_EQ(notifier.Texts().back(), Text(2004));
  EXPECT_EQ(observer.progress.front(), 0);
  EXPECT_EQ(observer.progress.back(), 100);
  for (std::size_t i = 1; i < observer.progress.size(); ++i)
    EXPECT_GT(observer.progress[i], observer.progress[i - 1]);
}

TEST_F(LinkIdentityTest, CancelledConfirmationLeavesThePortClosed) {
  notifier.answers = {Answer::Cancel, Answer::Cancel};
  EXPECT_FALSE(StartReadAll(session));
  EXPECT_FALSE(StartWriteAll(session));
  EXPECT_FALSE(transport.open);
  EXPECT_EQ(session.LinkMode, LinkMode::Idle);
  EXPECT_TRUE(transport.writes.empty());
  EXPECT_FALSE(observer.shown);
}

TEST_F(LinkIdentityTest, ReadInfoAsksNothingAndKeepsTheRecords) {
  state.current.settings.Bands.RxLow = 150;
  ASSERT_TRUE(StartReadInfo(session));
  EXPECT_TRUE(notifier.entries.empty());
  EXPECT_FALSE(observer.shown);
  EXPECT_EQ(state.image.bytes[0x0100], 0xFF);  // the image was cleared
  transport.Answer(ProgramReply());
  transport.Answer(IdentifyOk());
  transport.Answer(PasswordBlock(""));
  Bytes first(16, 0);
  first[9] = 'A';  // 0x0019
  first[10] = 'B';
  while (session.LinkStep == kStepBlocks)
    transport.Answer(DataFrame(Address(), Address() == 0x10 ? first : Bytes(16, 0)));
  transport.Answer({6});
  EXPECT_EQ(observer.infoShown, 1);
  EXPECT_EQ(state.embedInfo.InfoCode, std::string("AB") + '\0');
  EXPECT_EQ(state.current.settings.Bands.RxLow, 150);
}

}  // namespace
}  // namespace kt740::test
