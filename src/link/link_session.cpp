#include "link/link_session.h"

#include <algorithm>

#include "core/builtin_text.h"
#include "core/fixed_text.h"
#include "core/notifier.h"
#include "link/password.h"
#include "link/progress.h"
#include "link/reply_timer.h"
#include "link/serial_transport.h"

namespace kt740 {
namespace {

constexpr int kTextPortFailed = 2002;
constexpr int kTextRetry = 2003;
constexpr int kTextReadDone = 2004;
constexpr int kTextWriteDone = 2005;
constexpr int kTextReadFailed = 2006;
constexpr int kTextWriteFailed = 2007;
constexpr int kTextInfoFailed = 2008;

// Marks a call into the front end (a message box, a question, a dialog): a GUI keeps its event
// loop running meanwhile, and a receive or timer event must not step the session under it.
class FrontEndCall {
 public:
  explicit FrontEndCall(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~FrontEndCall() { flag_ = previous_; }
  FrontEndCall(const FrontEndCall&) = delete;
  FrontEndCall& operator=(const FrontEndCall&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace

LinkSession::LinkSession(LinkContext context, SerialTransport& transport, ReplyTimer& timer,
                         Notifier& notifier, LinkObserver& observer, LinkHost* host)
    : Context(std::move(context)),
      transport_(transport),
      timer_(timer),
      notifier_(notifier),
      observer_(observer),
      host_(host) {
  transport_.SetReceiveHandler([this] { OnReceive(); });
  timer_.SetTimeoutHandler([this] { OnTimeout(); });
}

LinkSession::~LinkSession() {
  transport_.SetReceiveHandler({});
  timer_.SetTimeoutHandler({});
}

std::string LinkSession::Text(int id) const {
  return Context.texts.Text(id);
}

int32_t LinkSession::BlockSize() const {
  return LinkMode == kt740::LinkMode::WriteAll ? WriteBlockSize : ReadBlockSize;
}

void LinkSession::SetRange() {
  switch (LinkMode) {
    case kt740::LinkMode::ReadAll:
      StartAddress = 0x0010;
      EndAddress = kLastBlockAddress;
      break;
    case kt740::LinkMode::WriteAll:
      StartAddress = 0x0100;
      EndAddress = kLastBlockAddress;
      break;
    case kt740::LinkMode::ReadInfo:
      StartAddress = 0x0010;
      EndAddress = 0x00FF;
      break;
    case kt740::LinkMode::Idle:
      break;
  }
  // Every block step advances before it sends.
  CurrentAddress = StartAddress - BlockSize();
}

bool LinkSession::OpenLinkSession() {
  if (LinkMode != kt740::LinkMode::ReadAll && LinkMode != kt740::LinkMode::WriteAll &&
      LinkMode != kt740::LinkMode::ReadInfo)
    return false;
  if (host_) host_->Opening(Context);
  SetRange();
  timer_.Stop();
  LinkStep = kStepIdle;
  cancelRequested_ = false;
  unanswered_ = false;
  if (transport_.IsOpen()) transport_.Close();
  const std::string& device = Context.device;
  bool ok = !device.empty() && transport_.SetDevice(device) && transport_.SetHardwareHandshake(true) &&
            transport_.SetLineSettings(LineSettings{});
  transport_.SetReceiveThreshold(1);
  ResetRetryBudgets();
  ok = ok && transport_.Open();
  LastPercentage = 0;
  if (!ok) {
    FrontEndCall call(inFrontEnd_);
    notifier_.Message(Text(kTextPortFailed), Icon::Critical);
  }
  return ok;
}

void LinkSession::ResetRetryBudgets() {
  Budget.steps.fill(kTransmissionsPerCommand);
  std::size_t blocks = 0;
  switch (LinkMode) {
    case kt740::LinkMode::ReadAll:
      blocks = static_cast<std::size_t>(16352 / ReadBlockSize + 1);
      break;
    case kt740::LinkMode::WriteAll:
      blocks = static_cast<std::size_t>(16112 / WriteBlockSize + 1);
      break;
    case kt740::LinkMode::ReadInfo:
      blocks = 15;
      break;
    case kt740::LinkMode::Idle:
      break;
  }
  Budget.blocks.assign(blocks, kTransmissionsPerCommand);
  RejectionsInARow = 0;
}

bool LinkSession::Send(std::span<const uint8_t> command, std::size_t replyLength) {
  EchoLength = static_cast<int32_t>(command.size());
  timer_.Start(kReplyTimeoutMs);
  transport_.SetReceiveThreshold(command.size() + replyLength);
  transport_.ClearBuffers();
  // A failed write is a command without an answer: the time-out resends it.
  return transport_.Write(command);
}

void LinkSession::SendProgram() {
  // The last percentage is reset when the session opens, not on a restart, so the bar never
  // falls back while a session resumes.
  LinkStep = kStepProgram;
  const bool ok = (transport_.IsOpen() || transport_.Open()) && Send(kProgramCommand, kProgramReply.size());
  if (!ok) {
    timer_.Stop();
    {
      FrontEndCall call(inFrontEnd_);
      notifier_.Message(Text(kTextPortFailed), Icon::Critical);
    }
    EndLinkSession(LinkOutcome::Failed);
  }
}

void LinkSession::SendIdentify() {
  const uint8_t command[] = {kIdentifyCommand};
  Send(command, kIdentifyReplyLength);
}

void LinkSession::SendPasswordRequest() {
  const Bytes command = ReadBlockCommand(kPasswordBlockAddress, static_cast<uint8_t>(ReadBlockSize));
  Send(command, DataFrameLength(static_cast<std::size_t>(ReadBlockSize)));
}

void LinkSession::SendReadBlock() {
  if (CurrentAddress > kLastBlockAddress) {
    FinishLink();
    return;
  }
  const Bytes command =
      ReadBlockCommand(static_cast<uint16_t>(CurrentAddress), static_cast<uint8_t>(ReadBlockSize));
  Send(command, DataFrameLength(static_cast<std::size_t>(ReadBlockSize)));
}

void LinkSession::SendNextReadBlock() {
  CurrentAddress += ReadBlockSize;
  if (CurrentAddress > EndAddress) {
    FinishLink();
    return;
  }
  if (LinkMode != kt740::LinkMode::ReadInfo) ReportProgress();
  SendReadBlock();
}

void LinkSession::SendWriteBlock() {
  if (CurrentAddress > kLastBlockAddress || CurrentAddress < 0) {
    FinishLink();
    return;
  }
  const auto first = static_cast<std::size_t>(CurrentAddress);
  const std::size_t len = std::min(static_cast<std::size_t>(WriteBlockSize), kImageSize - first);
  const Bytes frame =
      DataFrame(static_cast<uint16_t>(CurrentAddress), std::span(Context.image->bytes).subspan(first, len));
  Send(frame, 1);
}

void LinkSession::SendNextWriteBlock() {
  CurrentAddress += WriteBlockSize;
  ReportProgress();
  SendWriteBlock();
}

void LinkSession::SendEnd() {
  Send(kEndCommand, 1);
}

void LinkSession::SendCancelEnd() {
  timer_.Stop();
  LinkStep = kStepCancelEnd;
  SendEnd();
}

void LinkSession::RequestCancel() {
  if (!Active() || cancelRequested_) return;
  cancelRequested_ = true;
  // Before the radio has answered PROGRAM there is nothing to end: close at once. A question or
  // message that is open finishes first; the session stops where it goes on.
  if (!inFrontEnd_ && (LinkStep == kStepIdle || LinkStep == kStepProgram))
    EndLinkSession(LinkOutcome::Cancelled);
}

void LinkSession::FinishLink() {
  LinkStep = kStepFinish;
  SendEnd();
}

void LinkSession::RestartLink() {
  LinkStep = kStepRestart;
  SendEnd();
}

void LinkSession::ReportProgress() {
  const int percent = CompletionPercent(CurrentAddress, StartAddress, EndAddress);
  if (percent - LastPercentage < 1) return;
  LastPercentage = static_cast<int16_t>(percent);
  observer_.SetProgressValue(percent);
}

void LinkSession::AdvanceLink() {
  timer_.Stop();
  if (cancelRequested_) {
    switch (LinkStep) {
      case kStepProgram:
      case kStepIdentify:
      case kStepPassword:
      case kStepBlocks:
        SendCancelEnd();  // the frame in flight is answered: end here
        return;
      case kStepRestart:
      case kStepCancelEnd:
        EndLinkSession(LinkOutcome::Cancelled);  // END has been answered
        return;
      default:
        break;  // kStepFinish: every block is in; the session completes
    }
  }
  switch (LinkStep) {
    case kStepProgram:
      if (LinkMode == kt740::LinkMode::ReadAll || LinkMode == kt740::LinkMode::WriteAll)
        observer_.SetProgressValue(LastPercentage);
      LinkStep = kStepIdentify;
      SendIdentify();
      break;
    case kStepIdentify:
      LinkStep = kStepPassword;
      SendPasswordRequest();
      break;
    case kStepPassword:
    case kStepBlocks:
      LinkStep = kStepBlocks;
      RejectionsInARow = 0;
      if (LinkMode == kt740::LinkMode::WriteAll)
        SendNextWriteBlock();
      else
        SendNextReadBlock();
      break;
    case kStepRestart:
      SendProgram();
      break;
    case kStepFinish:
      EndLinkSession(LinkOutcome::Succeeded);
      break;
    default:
      break;
  }
}

void LinkSession::TakeIdentity(std::span<const uint8_t> reply) {
  Reported = ParseIdentifyReply(reply);
  if (host_) host_->IdentityReceived(Reported);
}

bool LinkSession::CheckRadioIdentity() {
  timer_.Stop();
  const BuiltIn* failure = nullptr;
  static constexpr BuiltIn kModel = BuiltIn::TextModelWrong, kVersion = BuiltIn::TextVersionWrong,
                           kKilled = BuiltIn::TextRadioKilled, kStunned = BuiltIn::TextRadioStunned;
  if (Reported.model != Context.expected.model) {
    failure = &kModel;
  } else if (Reported.version != Context.expected.version) {
    failure = &kVersion;
  } else if (LinkMode == kt740::LinkMode::WriteAll && Reported.killed) {
    failure = &kKilled;
  } else if (LinkMode == kt740::LinkMode::WriteAll && Reported.stunned) {
    failure = &kStunned;
  }
  if (!failure) return true;
  FrontEndCall call(inFrontEnd_);
  notifier_.Message(Context.texts.BuiltIn(*failure), Icon::Warning);
  return false;
}

void LinkSession::HandlePasswordBlock(std::span<const uint8_t> data) {
  std::string& password = *Context.password;
  if (PasswordAccepted(data, password) || cancelRequested_) {
    AdvanceLink();
    return;
  }
  timer_.Stop();
  std::optional<std::string> entry;
  {
    FrontEndCall call(inFrontEnd_);
    entry = observer_.AskPassword(password);
  }
  if (!entry) {
    EndLinkSession(LinkOutcome::Failed);
    return;
  }
  password = TrimText(*entry);
  if (cancelRequested_) {
    SendCancelEnd();
  } else if (PasswordAccepted(data, password)) {
    ResetRetryBudgets();
    RestartLink();
  } else {
    {
      FrontEndCall call(inFrontEnd_);
      observer_.PasswordRefused();
    }
    EndLinkSession(LinkOutcome::Failed);
  }
}

void LinkSession::HandleRejection() {
  timer_.Stop();
  if (cancelRequested_) {
    SendCancelEnd();
    return;
  }
  if (++RejectionsInARow > kMaxRejectionResends) {
    BlockExhausted();
    return;
  }
  SendWriteBlock();
}

void LinkSession::OnReceive() {
  const Bytes b = transport_.ReadAll();
  if (inFrontEnd_ || !Active() || LinkStep == kStepIdle) return;
  if (b.size() < static_cast<std::size_t>(EchoLength)) return;
  // The echo is never compared with what was sent; only the total length and the reply count.
  const std::span<const uint8_t> reply = std::span(b).subspan(static_cast<std::size_t>(EchoLength));
  const bool writing = LinkMode == kt740::LinkMode::WriteAll;
  // Each reply is taken only at the step that asked for it, so that a garbled answer of the
  // right length (a doubled echo of a write frame looks like a data reply) is never taken for
  // a different one.
  const bool endStep = LinkStep == kStepRestart || LinkStep == kStepFinish || LinkStep == kStepCancelEnd;

  if (reply.size() == 1 && reply[0] == kAck && (endStep || (writing && LinkStep == kStepBlocks))) {
    AdvanceLink();
  } else if (reply.size() == 1 && reply[0] == kReject && writing && LinkStep == kStepBlocks) {
    HandleRejection();
  } else if (LinkStep == kStepProgram && std::ranges::equal(reply, kProgramReply)) {
    AdvanceLink();
  } else if (LinkStep == kStepIdentify && reply.size() == kIdentifyReplyLength && reply[0] == kIdentifyMark &&
             reply.back() == kAck) {
    TakeIdentity(reply);
    if (CheckRadioIdentity()) {
      AdvanceLink();
    } else {
      timer_.Stop();
      EndLinkSession(LinkOutcome::Failed);
    }
  } else if (LinkStep == kStepPassword) {
    const auto frame = ParseDataFrame(reply);
    if (frame && frame->address == kPasswordBlockAddress && reply.size() >= DataFrameLength(kBlockSize))
      HandlePasswordBlock(frame->data);
  } else if (LinkStep == kStepBlocks && !writing) {
    const auto frame = ParseDataFrame(reply);
    if (frame && frame->address == CurrentAddress && frame->len == ReadBlockSize &&
        CurrentAddress + ReadBlockSize <= static_cast<int32_t>(kImageSize)) {
      std::ranges::copy(frame->data, Context.image->bytes.begin() + CurrentAddress);
      AdvanceLink();
    }
  }
  // Anything else is ignored: the reply timer runs on and the time-out resends.
}

void LinkSession::ResendStep() {
  switch (LinkStep) {
    case kStepProgram:
      SendProgram();
      break;
    case kStepIdentify:
      SendIdentify();
      break;
    case kStepPassword:
      SendPasswordRequest();
      break;
    case kStepBlocks:
      if (LinkMode == kt740::LinkMode::WriteAll)
        SendWriteBlock();
      else
        SendReadBlock();
      break;
    default:
      break;
  }
}

void LinkSession::BlockExhausted() {
  if (LinkMode == kt740::LinkMode::ReadInfo)
    EndUnanswered();
  else
    AskRetry(true);
}

void LinkSession::OnTimeout() {
  timer_.Stop();
  if (inFrontEnd_ || !Active()) return;
  if (cancelRequested_) {
    switch (LinkStep) {
      case kStepIdentify:
      case kStepPassword:
      case kStepBlocks:
        SendCancelEnd();  // the frame in flight went unanswered: no resend, no question
        return;
      case kStepProgram:
      case kStepRestart:
      case kStepCancelEnd:
        EndLinkSession(LinkOutcome::Cancelled);
        return;
      default:
        break;
    }
  }
  switch (LinkStep) {
    case kStepProgram:
    case kStepIdentify:
    case kStepPassword: {
      int16_t& left = Budget.steps[static_cast<std::size_t>(LinkStep - 1)];
      --left;
      if (left > 0)
        ResendStep();
      else if (LinkMode == kt740::LinkMode::ReadInfo)
        EndUnanswered();
      else
        AskRetry(false);
      break;
    }
    case kStepBlocks: {
      const int32_t index = (CurrentAddress - StartAddress) / BlockSize();
      if (index < 0 || static_cast<std::size_t>(index) >= Budget.blocks.size()) {
        BlockExhausted();
        break;
      }
      int16_t& left = Budget.blocks[static_cast<std::size_t>(index)];
      --left;
      if (left > 0)
        ResendStep();
      else
        BlockExhausted();
      break;
    }
    case kStepRestart: {
      Answer answer;
      {
        FrontEndCall call(inFrontEnd_);
        answer = notifier_.Ask(Text(kTextRetry), Buttons::RetryCancel, Icon::Warning);
      }
      if (answer == Answer::Retry)
        RestartLink();
      else
        EndLinkSession(LinkOutcome::Failed);
      break;
    }
    case kStepFinish:
      // The data is all in; a radio that stays silent after END has still been programmed.
      EndLinkSession(LinkOutcome::Succeeded);
      break;
    default:
      break;
  }
}

void LinkSession::AskRetry(bool fromBlock) {
  Answer answer;
  {
    FrontEndCall call(inFrontEnd_);
    answer = notifier_.Ask(Text(kTextRetry), Buttons::RetryCancel, Icon::Warning);
  }
  if (answer != Answer::Retry) {
    EndLinkSession(LinkOutcome::Failed);
    return;
  }
  ResetRetryBudgets();
  // The block step after the password check advances before it sends: step back one block so
  // that the failed block goes out again.
  if (fromBlock) CurrentAddress -= BlockSize();
  RestartLink();
}

// The information read asks no retry question; its failure message says why with the words the
// question of a full read uses, less the question itself.
std::string LinkSession::NoAnswerText() const {
  const std::string text = Text(kTextRetry);
  // The last sentence asks; keep what comes before it, up to its full stop.
  for (const std::string_view stop : {std::string_view(". "), std::string_view("\xE3\x80\x82")}) {
    const std::size_t at = text.rfind(stop);
    if (at != std::string::npos && at + stop.size() < text.size())
      return text.substr(0, at + (stop.size() == 2 ? 1 : stop.size()));
  }
  return text;
}

void LinkSession::EndUnanswered() {
  unanswered_ = true;
  EndLinkSession(LinkOutcome::Failed);
}

void LinkSession::EndLinkSession(LinkOutcome outcome) {
  const kt740::LinkMode mode = LinkMode;
  FrontEndCall call(inFrontEnd_);
  observer_.CloseProgress();
  timer_.Stop();
  if (transport_.IsOpen()) transport_.Close();
  if (outcome == LinkOutcome::Cancelled) {
    // Nothing read is decoded: the configuration open before stays.
    const BuiltIn text = mode == kt740::LinkMode::WriteAll   ? BuiltIn::TextWriteCancelled
                         : mode == kt740::LinkMode::ReadInfo ? BuiltIn::TextInfoCancelled
                                                             : BuiltIn::TextReadCancelled;
    notifier_.Message(Context.texts.BuiltIn(text), Icon::Information);
  } else if (outcome == LinkOutcome::Failed) {
    const int text = mode == kt740::LinkMode::WriteAll   ? kTextWriteFailed
                     : mode == kt740::LinkMode::ReadInfo ? kTextInfoFailed
                                                         : kTextReadFailed;
    std::string message = Text(text);
    if (unanswered_) message += "\n" + NoAnswerText();
    notifier_.Message(message, Icon::Critical);
  } else if (mode == kt740::LinkMode::ReadAll) {
    observer_.ImageRead(*Context.image);
    if (host_) host_->Completed(mode, observer_);
    notifier_.Message(Text(kTextReadDone), Icon::Information);
  } else if (mode == kt740::LinkMode::WriteAll) {
    notifier_.Message(Text(kTextWriteDone), Icon::Information);
  } else if (mode == kt740::LinkMode::ReadInfo) {
    if (host_) host_->Completed(mode, observer_);
  }
  LinkStep = kStepIdle;
  LinkMode = kt740::LinkMode::Idle;
  cancelRequested_ = false;
  unanswered_ = false;
  observer_.SessionEnded(mode, outcome);
}

}  // namespace kt740
