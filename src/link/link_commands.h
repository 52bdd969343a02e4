// The three commands that start a session: Read, Write and Read radio information. Each returns
// true when the session runs (its end comes through the observer), false when it ended before
// the first command went out.
#pragma once

namespace kt740 {

class LinkSession;

// Opens the port, asks for the read confirmation, clears the image, shows the progress and
// sends PROGRAM. Offering to save unsaved changes comes before, in the front end.
bool StartReadAll(LinkSession& session);
// Opens the port, asks for the write confirmation, clears and encodes the image, shows the
// progress and sends PROGRAM. An encode failure closes the port again.
bool StartWriteAll(LinkSession& session);
// Opens the port, clears the image and sends PROGRAM: no confirmation, no progress.
bool StartReadInfo(LinkSession& session);

}  // namespace kt740
