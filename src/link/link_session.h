// The one programming session with the radio: an event-driven state machine on a serial
// transport and a reply timer. Every step sends one command and waits for its reply; the
// receive event (OnReceive) and the time-out (OnTimeout) are the only inputs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/language_texts.h"
#include "image/memory_image.h"
#include "link/link_observer.h"
#include "link/link_protocol.h"

namespace kt740 {

class Notifier;
class ReplyTimer;
class SerialTransport;

// LinkStep values; 45 and 69 are the ASCII codes of '-' and 'E'.
constexpr int16_t kStepIdle = 0;
constexpr int16_t kStepProgram = 1;
constexpr int16_t kStepIdentify = 2;
constexpr int16_t kStepPassword = 3;
constexpr int16_t kStepBlocks = 4;
constexpr int16_t kStepRestart = 45;
constexpr int16_t kStepFinish = 69;
constexpr int16_t kStepCancelEnd = 67;  // 'C': END after a cancel, then the session closes

constexpr int16_t kTransmissionsPerCommand = 3;
// A write frame the radio rejects with 0A goes out again at once, but not forever: the 17th
// rejection in a row counts as an exhausted block.
constexpr int kMaxRejectionResends = 16;

constexpr uint16_t kLastBlockAddress = 0x3FF0;

const char* const kExpectedModel = "RB-5100";
const char* const kExpectedVersion = "V100";

struct ExpectedIdentity {
  std::string model = kExpectedModel;
  std::string version = kExpectedVersion;
};

// What the session works on, handed in by its owner.
struct LinkContext {
  MemoryImage* image = nullptr;     // read into, or written from
  std::string* password = nullptr;  // the programming password; updated when the user enters one
  LanguageTexts texts;              // messages in the program's language
  std::string device;               // the port to open; empty: no port
  ExpectedIdentity expected;
};

// The owner's part at the session's moments; each has a default that does nothing.
class LinkHost {
 public:
  virtual ~LinkHost() = default;
  // As the session opens: refresh context.device and context.texts.
  virtual void Opening(LinkContext&) {}
  // The identify reply just received, before it is checked.
  virtual void IdentityReceived(const IdentifyReply&) {}
  // A full read or an information read succeeded (after ImageRead, before the message).
  virtual void Completed(LinkMode, LinkObserver&) {}
};

struct RetryBudget {
  std::array<int16_t, 3> steps{};  // PROGRAM, Identify, password block
  std::vector<int16_t> blocks;     // one per block of the range
};

class LinkSession {
 public:
  LinkSession(LinkContext context, SerialTransport& transport, ReplyTimer& timer, Notifier& notifier,
              LinkObserver& observer, LinkHost* host = nullptr);
  ~LinkSession();
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  // The session's fields, under the names the radio's protocol gives them.
  kt740::LinkMode LinkMode = kt740::LinkMode::Idle;
  int16_t LinkStep = kStepIdle;
  int32_t EchoLength = 0;
  int32_t CurrentAddress = 0;
  int32_t StartAddress = 0;
  int32_t EndAddress = 0;
  int32_t ReadBlockSize = kBlockSize;
  int32_t WriteBlockSize = kBlockSize;
  RetryBudget Budget;
  int16_t LastPercentage = 0;
  int RejectionsInARow = 0;  // 0A answers to the current write frame
  IdentifyReply Reported;    // the last identify reply
  LinkContext Context;

  // Sets the range of LinkMode, applies the line settings and opens the port. False (with
  // language text 2002 shown) when the port cannot be set up or opened; false without touching
  // the port when LinkMode is Idle.
  bool OpenLinkSession();
  void SendProgram();
  void SendIdentify();
  void SendPasswordRequest();
  void SendReadBlock();
  void SendNextReadBlock();
  void SendWriteBlock();
  void SendNextWriteBlock();
  void FinishLink();
  void RestartLink();
  void AdvanceLink();
  void EndLinkSession(LinkOutcome outcome);
  void ResetRetryBudgets();
  void ReportProgress();
  // Checks the identity just received against the expected model and version, and in a write the
  // killed and stunned flags; shows the check's message when it fails.
  bool CheckRadioIdentity();

  // The receive event and the reply timer's time-out.
  void OnReceive();
  void OnTimeout();

  // Stops the session: the frame in flight gets its reply or its time-out (no retry question),
  // then END goes out, the port closes and the session ends as cancelled. Before the radio has
  // answered PROGRAM the port just closes. Nothing happens while no session runs.
  void RequestCancel();
  bool CancelRequested() const { return cancelRequested_; }

  bool Active() const { return LinkMode != kt740::LinkMode::Idle; }
  int32_t BlockSize() const;

  Notifier& Notify() { return notifier_; }
  LinkObserver& Observer() { return observer_; }
  SerialTransport& Transport() { return transport_; }

 private:
  bool Send(std::span<const uint8_t> command, std::size_t replyLength);
  void SendEnd();
  void SendCancelEnd();
  void SetRange();
  void TakeIdentity(std::span<const uint8_t> reply);
  void HandlePasswordBlock(std::span<const uint8_t> data);
  void HandleRejection();
  void BlockExhausted();
  void AskRetry(bool fromBlock);
  void ResendStep();
  std::string Text(int id) const;
  std::string NoAnswerText() const;
  void EndUnanswered();

  SerialTransport& transport_;
  ReplyTimer& timer_;
  Notifier& notifier_;
  LinkObserver& observer_;
  LinkHost* host_;
  bool cancelRequested_ = false;
  bool unanswered_ = false;  // an information read ended for want of an answer
  bool inFrontEnd_ = false;  // a question or message is open: events wait for it
};

}  // namespace kt740
