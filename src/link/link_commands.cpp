#include "link/link_commands.h"

#include "core/builtin_text.h"
#include "core/notifier.h"
#include "link/link_session.h"
#include "link/serial_transport.h"

namespace kt740 {
namespace {

bool Open(LinkSession& session, LinkMode mode) {
  session.LinkMode = mode;
  if (session.OpenLinkSession()) return true;
  session.LinkMode = LinkMode::Idle;
  return false;
}

void Abandon(LinkSession& session) {
  session.Transport().Close();
  session.LinkMode = LinkMode::Idle;
}

bool Confirmed(LinkSession& session, BuiltIn text) {
  return session.Notify().Ask(session.Context.texts.BuiltIn(text), Buttons::OkCancel, Icon::Question) ==
         Answer::Ok;
}

}  // namespace

bool BeginReadAll(LinkSession& session) {
  if (!Open(session, LinkMode::ReadAll)) return false;
  if (!Confirmed(session, BuiltIn::TextReadConfirm)) {
    Abandon(session);
    return false;
  }
  ClearImage(*session.Context.image);
  session.Observer().ShowProgress(LinkMode::ReadAll);
  session.SendProgram();
  return session.Active();
}

bool BeginWriteAll(LinkSession& session, const std::function<bool()>& encode) {
  if (!Open(session, LinkMode::WriteAll)) return false;
  if (!Confirmed(session, BuiltIn::TextWriteConfirm)) {
    Abandon(session);
    return false;
  }
  ClearImage(*session.Context.image);
  if (!encode()) {
    // The codec has shown its message; nothing is sent and the port is not left open.
    Abandon(session);
    return false;
  }
  session.Observer().ShowProgress(LinkMode::WriteAll);
  session.SendProgram();
  return session.Active();
}

bool BeginReadInfo(LinkSession& session) {
  if (!Open(session, LinkMode::ReadInfo)) return false;
  ClearImage(*session.Context.image);
  session.SendProgram();
  return session.Active();
}

}  // namespace kt740
