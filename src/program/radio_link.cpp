#include "program/radio_link.h"

#include "link/link_commands.h"
#include "link/port_list.h"
#include "program/comm_data.h"
#include "program/program_state.h"
#include "program/read_completion.h"

namespace kt740 {

ProgramLinkSession::ProgramLinkSession(ProgramState& state, SerialTransport& transport, ReplyTimer& timer,
                                       Notifier& notifier, LinkObserver& observer, const PortList* ports)
    : LinkSession(LinkContext{&state.image, &state.ProgrammingPassword, TextsOf(state), {}, {}}, transport,
                  timer, notifier, observer, this),
      state_(state),
      ports_(ports) {}

std::string PortDeviceOf(const ProgramState& state, const PortList* ports) {
  const AppState& app = state.app;
  if (!app.ComPortDevice.empty()) return app.ComPortDevice;
  if (app.ComPort < 1) return {};
  if (ports) return DeviceOfPort(*ports, app.ComPort);
  return PortEntryText(app.ComPort);
}

void ProgramLinkSession::Opening(LinkContext& context) {
  context.texts = TextsOf(state_);
  context.device = PortDeviceOf(state_, ports_);
}

void ProgramLinkSession::IdentityReceived(const IdentifyReply& id) {
  state_.app.ModelName = id.model;
  state_.app.VersionText = id.version;
  state_.radio.ReportedModelCode = id.modelCode;
  state_.radio.Killed = id.killed;
  state_.radio.Stunned = id.stunned;
  if (state_.app.Flags.Reserved == 0) state_.app.Flags.Reserved = id.featureBit ? 1 : 0;
}

void ProgramLinkSession::Completed(kt740::LinkMode mode, LinkObserver& observer) {
  if (mode == kt740::LinkMode::ReadAll) CompleteRead(state_, observer);
  if (mode == kt740::LinkMode::ReadInfo) CompleteInfoRead(state_, observer);
}

bool StartReadAll(ProgramLinkSession& session) {
  return BeginReadAll(session);
}

bool StartWriteAll(ProgramLinkSession& session) {
  return BeginWriteAll(session, [&session] {
    ProgramState& state = session.State();
    state.CommDataOK = true;
    SetCommData(state, session.Notify());
    return state.CommDataOK;
  });
}

bool StartReadInfo(ProgramLinkSession& session) {
  return BeginReadInfo(session);
}

}  // namespace kt740
