#include "cli/link_runner.h"

#include <QEventLoop>
#include <cstdio>
#include <ostream>

#include "cli/cli_notifier.h"
#include "link/port_list.h"
#include "platform/qt_reply_timer.h"
#include "platform/qt_serial_transport.h"
#include "platform/system_port_list.h"
#include "program/program_state.h"
#include "program/radio_link.h"
#include "program/startup.h"

namespace kt740 {
namespace {

std::string TimeText(double seconds) {
  const int s = static_cast<int>(seconds + 0.5);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d:%02d", s / 60, s % 60);
  return buf;
}

}  // namespace

std::vector<OptionSpec> LinkOptionSpecs(bool withRetries, std::initializer_list<OptionSpec> own) {
  std::vector<OptionSpec> specs = {{"--port"}, {"--password"}};
  if (withRetries) specs.push_back({"--retries"});
  specs.insert(specs.end(), own.begin(), own.end());
  return specs;
}

bool ReadLinkOptions(const ParsedArgs& args, LinkOptions& options, std::string& error) {
  options.port = args.value("--port");
  if (args.has("--password")) options.password = args.value("--password").toStdString();
  if (args.has("--retries")) {
    bool ok = false;
    options.retries = args.value("--retries").toInt(&ok);
    if (!ok || options.retries < 0) {
      error = "--retries wants a number of 0 or more";
      return false;
    }
  }
  if (options.port.isEmpty()) {
    error = "--port PORT is required (a device path or a port number)";
    return false;
  }
  return true;
}

CliLinkObserver::CliLinkObserver(CliContext& ctx, std::optional<std::string> password, const char* verb)
    : ctx_(ctx), password_(std::move(password)), verb_(verb) {}

void CliLinkObserver::ShowProgress(LinkMode) {
  showing_ = true;
  last_ = -1;
  started_ = std::chrono::steady_clock::now();
}

void CliLinkObserver::SetProgressValue(int percent) {
  if (!showing_ || percent == last_) return;
  last_ = percent;
  if (!ctx_.errIsTerminal) {
    ctx_.err << percent << "%\n" << std::flush;
    return;
  }
  constexpr int kWidth = 40;
  const int filled = percent * kWidth / 100;
  std::string bar = "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
                    std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] ";
  char pct[8];
  std::snprintf(pct, sizeof pct, "%3d%%", percent);
  bar += pct;
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  if (percent > 0 && percent < 100)
    bar += "  " + TimeText(elapsed * (100 - percent) / percent) + " left ";
  else
    bar += "            ";
  ctx_.err << bar << std::flush;
}

void CliLinkObserver::CloseProgress() {
  if (showing_ && ctx_.errIsTerminal && last_ >= 0) ctx_.err << "\n";
  showing_ = false;
}

std::optional<std::string> CliLinkObserver::AskPassword(const std::string&) {
  CloseProgress();
  if (!password_) {
    ctx_.err << "kt740-cli " << verb_ << ": the radio has a programming password; give it with --password\n";
    return std::nullopt;
  }
  ctx_.err << "kt740-cli " << verb_ << ": the radio asks for its programming password\n";
  return password_;
}

void CliLinkObserver::PasswordRefused() {
  ctx_.err << "kt740-cli " << verb_ << ": the programming password is wrong\n";
}

void CliLinkObserver::SessionEnded(LinkMode, LinkOutcome outcome) {
  ended = true;
  success = outcome == LinkOutcome::Succeeded;
  if (onEnded) onEnded();
}

bool ChoosePort(ProgramState& state, const QString& port, CliContext& ctx, const char* verb) {
  const PortChoice choice = ParsePortChoice(port.toStdString());
  if (!choice.device.empty()) {
    state.app.ComPortDevice = choice.device;
    return true;
  }
  const SystemPortList ports(PortMapPath(state.app.folders.userDir));
  const std::string device = DeviceOfPort(ports, choice.number);
  if (device.empty()) {
    ctx.err << "kt740-cli " << verb << ": there is no port " << PortEntryText(choice.number)
            << " (kt740-cli ports lists them)\n";
    return false;
  }
  state.app.ComPort = static_cast<int16_t>(choice.number);
  state.app.ComPortDevice = device;
  return true;
}

bool RunLinkSession(ProgramState& state, const LinkOptions& options, CliContext& ctx, const char* verb,
                    const std::function<bool(ProgramLinkSession&)>& start, MemoryImage* imageRead) {
  if (!ChoosePort(state, options.port, ctx, verb)) return false;
  CliNotifier notifier(ctx.err);
  notifier.retriesLeft = options.retries;
  CliLinkObserver observer(ctx, options.password, verb);
  QtSerialTransport transport;
  QtReplyTimer timer;
  ProgramLinkSession session(state, transport, timer, notifier, observer);
  QEventLoop loop;
  observer.onEnded = [&loop] { loop.quit(); };
  if (!start(session)) return false;
  if (!observer.ended) loop.exec();
  if (imageRead) *imageRead = observer.imageRead;
  return observer.success;
}

}  // namespace kt740
