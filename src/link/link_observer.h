// What a link session tells its front end (the progress dialog, the redraw, the end of the
// session) and the one question that is no plain message box: the programming password.
#pragma once

#include <optional>
#include <string>

#include "image/memory_image.h"

namespace kt740 {

enum class LinkMode : int32_t { Idle = 0, ReadAll = 1, WriteAll = 2, ReadInfo = 3 };

// How a session ended. A cancelled session finished the frame in flight, sent END (once the
// radio had answered PROGRAM) and closed the port; a cancelled read decoded nothing.
enum class LinkOutcome { Succeeded, Failed, Cancelled };

class LinkObserver {
 public:
  virtual ~LinkObserver() = default;

  // The modal progress dialog of a full read or write: shown before PROGRAM goes out, closed
  // first thing when the session ends.
  virtual void ShowProgress(LinkMode) {}
  virtual void SetProgressValue(int /*percent*/) {}
  virtual void CloseProgress() {}

  // A full read has arrived: the image as the radio sent it, before decoding (which tidies
  // some bytes of it).
  virtual void ImageRead(const MemoryImage&) {}
  // Read completion: the tree and lists show the decoded records.
  virtual void Redraw() {}
  // Information completion: the information dialog shows the decoded radio information.
  virtual void ShowEmbedInfo() {}

  // The password dialog, pre-filled with `current`; the entered text, or nothing on Cancel.
  virtual std::optional<std::string> AskPassword(const std::string& /*current*/) { return std::nullopt; }
  // The entered password does not match the radio's either: the session ends as failed.
  virtual void PasswordRefused() {}

  // Last of all, after the session's messages; the mode is the one that ended.
  virtual void SessionEnded(LinkMode, LinkOutcome) {}
};

}  // namespace kt740
