#include "link/link_commands.h"

#include "core/builtin_text.h"
#include "core/notifier.h"
#include "link/link_session.h"
#include "link/serial_transport.h"
#include "program/comm_data.h"
#include "program/program_state.h"

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
  const int lang = session.State().app.LanguageId;
  return session.Notify().Ask(BuiltInText(text, lang), Buttons::OkCancel, Icon::Question) == Answer::Ok;
}

}  // namespace

bool StartReadAll(LinkSession& session) {
  if (!Open(session, LinkMode::ReadAll)) return false;
  if (!Confirmed(session, BuiltIn::TextReadConfirm)) {
    Abandon(session);
    return false;
  }
  ClearImage(session.State().image);
  session.Observer().ShowProgress(LinkMode::ReadAll);
  session.SendProgram();
  return session.Active();
}

bool StartWriteAll(LinkSession& session) {
  if (!Open(session, LinkMode::WriteAll)) return false;
  if (!Confirmed(session, BuiltIn::TextWriteConfirm)) {
    Abandon(session);
    return false;
  }
  ProgramState& state = session.State();
  ClearImage(state.image);
  state.CommDataOK = true;
  SetCommData(state, session.Notify());
  if (!state.CommDataOK) {
    // The codec has shown its message; nothing is sent and the port is not left open.
    Abandon(session);
    return false;
  }
  session.Observer().ShowProgress(LinkMode::WriteAll);
  session.SendProgram();
  return session.Active();
}

bool StartReadInfo(LinkSession& session) {
  if (!Open(session, LinkMode::ReadInfo)) return false;
  ClearImage(session.State().image);
  session.SendProgram();
  return session.Active();
}

}  // namespace kt740
