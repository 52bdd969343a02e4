// The link session bound to the program state, and the three radio commands over it. The
// session reads into and writes from state.image, uses the state's password, port and language,
// copies what the radio reports into the state, and completes a read (program/read_completion.h).
#pragma once

#include "link/link_session.h"

namespace kt740 {

struct ProgramState;
class PortList;

class ProgramLinkSession : public LinkSession, private LinkHost {
 public:
  // `ports` turns the remembered port number into a device; without it "COM<n>" is opened.
  ProgramLinkSession(ProgramState& state, SerialTransport& transport, ReplyTimer& timer, Notifier& notifier,
                     LinkObserver& observer, const PortList* ports = nullptr);

  ProgramState& State() { return state_; }

 private:
  void Opening(LinkContext& context) override;
  void IdentityReceived(const IdentifyReply& reply) override;
  void Completed(kt740::LinkMode mode, LinkObserver& observer) override;

  ProgramState& state_;
  const PortList* ports_;
};

// The port device the state names: the device chosen directly, else the remembered port.
std::string PortDeviceOf(const ProgramState& state, const PortList* ports);

bool StartReadAll(ProgramLinkSession& session);
// Encodes the configuration (SetCommData) into the image before anything is sent.
bool StartWriteAll(ProgramLinkSession& session);
bool StartReadInfo(ProgramLinkSession& session);

}  // namespace kt740
