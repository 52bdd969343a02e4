// The starts of the three sessions: Read, Write and Read radio information. Each returns true
// when the session runs (its end comes through the observer), false when it ended before the
// first command went out. The program's StartReadAll ... (program/radio_link.h) call these.
#pragma once

#include <functional>

namespace kt740 {

class LinkSession;

// Opens the port, asks for the read confirmation, clears the image, shows the progress and
// sends PROGRAM. Offering to save unsaved changes comes before, in the front end.
bool BeginReadAll(LinkSession& session);
// Opens the port, asks for the write confirmation, clears the image and has `encode` fill it
// (false: it has shown its message; the port closes again and nothing is sent), shows the
// progress and sends PROGRAM.
bool BeginWriteAll(LinkSession& session, const std::function<bool()>& encode);
// Opens the port, clears the image and sends PROGRAM: no confirmation, no progress.
bool BeginReadInfo(LinkSession& session);

}  // namespace kt740
