// What the link verbs share: their options (--port, --password, --retries), the progress on
// stderr, the password answer, and running one session on the event loop.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_verb.h"
#include "cli/verb_args.h"
#include "link/link_observer.h"

namespace kt740 {

struct ProgramState;
class ProgramLinkSession;

struct LinkOptions {
  QString port;
  std::optional<std::string> password;
  int retries = 2;
};

// The options of every link verb (--port, --password and, with retries, --retries) followed by
// the verb's own.
std::vector<OptionSpec> LinkOptionSpecs(bool withRetries, std::initializer_list<OptionSpec> own);

// The link options out of parsed arguments. False with the usage error in `error`.
bool ReadLinkOptions(const ParsedArgs& args, LinkOptions& options, std::string& error);

// Progress as a bar with the time left on a terminal, as plain percentages elsewhere; the
// password from --password; the end of the session ends the event loop.
class CliLinkObserver : public LinkObserver {
 public:
  CliLinkObserver(CliContext& ctx, std::optional<std::string> password, const char* verb);

  void ShowProgress(LinkMode mode) override;
  void SetProgressValue(int percent) override;
  void CloseProgress() override;
  std::optional<std::string> AskPassword(const std::string& current) override;
  void PasswordRefused() override;
  void SessionEnded(LinkMode mode, LinkOutcome outcome) override;
  void ImageRead(const MemoryImage& image) override { imageRead = image; }

  std::function<void()> onEnded;
  MemoryImage imageRead;  // as the radio sent it, before decoding
  bool ended = false;
  bool success = false;

 private:
  CliContext& ctx_;
  std::optional<std::string> password_;
  const char* verb_;
  bool showing_ = false;
  int last_ = -1;
  std::chrono::steady_clock::time_point started_;
};

// Resolves --port into the state (a number through the port list, or a device path). False with
// a message when a number names no port.
bool ChoosePort(ProgramState& state, const QString& port, CliContext& ctx, const char* verb);

// Runs one session: `start` opens it (StartReadAll ...), then the event loop turns until it
// ends. True when it ended with success.
bool RunLinkSession(ProgramState& state, const LinkOptions& options, CliContext& ctx, const char* verb,
                    const std::function<bool(ProgramLinkSession&)>& start, MemoryImage* imageRead = nullptr);

}  // namespace kt740
