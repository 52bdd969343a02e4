// A link session on the scripted transport and the manual timer, with the helpers that bring it
// to a given step.
#pragma once

#include <gtest/gtest.h>

#include "link_doubles.h"
#include "program/program_state.h"
#include "program/radio_link.h"
#include "support/recording_notifier.h"

namespace kt740::test {

inline Bytes Blank16() {
  return Bytes(16, 0xFF);
}

inline Bytes IdentifyOk() {
  return BuildIdentifyReply("RB-5100", '7', "V100", 0x00, 0x00);
}

inline Bytes ProgramReply() {
  return Bytes(kProgramReply.begin(), kProgramReply.end());
}

inline Bytes PasswordBlock(const std::string& password) {
  Bytes data = Blank16();
  for (std::size_t i = 0; i < password.size() && i < 4; ++i) data[12 + i] = static_cast<uint8_t>(password[i]);
  return DataFrame(kPasswordBlockAddress, data);
}

class LinkFixture : public ::testing::Test {
 public:
  LinkFixture() {
    state.app.folders.programDir = KT740_SOURCE_DATA_DIR;
    state.app.ComPortDevice = "/dev/ttyTEST";
  }

  std::string Text(int id) const { return LangText(state, id); }

  void Open(LinkMode mode) {
    session.LinkMode = mode;
    ASSERT_TRUE(session.OpenLinkSession());
  }

  // Opens, and answers PROGRAM, Identify and the password block: the first block command is out.
  void ToBlocks(LinkMode mode, const Bytes& passwordBlock = DataFrame(kPasswordBlockAddress, Blank16())) {
    Open(mode);
    session.SendProgram();
    transport.Answer(ProgramReply());
    transport.Answer(IdentifyOk());
    transport.Answer(passwordBlock);
    ASSERT_EQ(session.LinkStep, kStepBlocks);
  }

  // Answers read blocks until the session requests `address`.
  void ReadUpTo(int32_t address) {
    while (session.CurrentAddress < address) transport.Answer(DataFrame(Address(), Bytes(16, 0x11)));
    ASSERT_EQ(session.CurrentAddress, address);
  }

  uint16_t Address() const { return static_cast<uint16_t>(session.CurrentAddress); }

  ProgramState state;
  ScriptedTransport transport;
  ManualTimer timer;
  RecordingNotifier notifier;
  RecordingObserver observer;
  ProgramLinkSession session{state, transport, timer, notifier, observer};
};

}  // namespace kt740::test
