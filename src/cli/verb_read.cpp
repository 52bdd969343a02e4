#include <QFile>
#include <QSaveFile>
#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/cli_startup.h"
#include "cli/link_runner.h"
#include "cli/verbs.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/radio_link.h"

namespace kt740 {
namespace {

bool SaveImage(const MemoryImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(image.bytes.size());
  return file.write(reinterpret_cast<const char*>(image.bytes.data()), size) == size && file.commit();
}

}  // namespace

int RunReadVerb(const QStringList& rawArgs, CliContext& ctx) {
  const auto specs = LinkOptionSpecs(true, {{"--output", "-o"}, {"--image"}});
  const ParsedArgs args = ParseArgs(rawArgs, specs);
  if (args.help) {
    ctx.out << "Usage: kt740-cli read --port PORT -o CONFIG.dat [--image IMAGE.bin] [--password PW]\n"
               "                      [--retries N]\n\n"
               "Reads the whole configuration from the radio and saves it as Save does: CONFIG.dat\n"
               "and its channel file CONFIG.fre. --image also saves the 16384-byte memory image\n"
               "(0x0010-0x3FFF as read). PORT is a device path or a port number (kt740-cli ports).\n"
               "--password answers the radio's password question; --retries answers the retry\n"
               "question with Retry up to N times, then Cancel (default 2). Nothing is saved when\n"
               "the read fails.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "read", args.error);
  LinkOptions options;
  std::string error;
  if (!ReadLinkOptions(args, options, error)) return UsageError(ctx, "read", error);
  if (!args.positional.isEmpty())
    return UsageError(ctx, "read", "unexpected argument " + args.positional.front().toStdString());
  if (!args.has("--output")) return UsageError(ctx, "read", "-o CONFIG.dat is required");
  const QString output = args.value("--output");
  const QString imagePath = args.value("--image");

  auto state = StartCliProgram(ctx, StartupMode::Full);
  MemoryImage raw;
  if (!RunLinkSession(*state, options, ctx, "read", StartReadAll, &raw)) return kExitFailed;
  CliNotifier notifier(ctx.err);
  if (!SaveDataFile(*state, notifier, output.toStdString())) return kExitFailed;
  if (!imagePath.isEmpty() && !SaveImage(raw, imagePath))
    return Failure(ctx, "read", "cannot write " + imagePath.toStdString());
  return kExitOk;
}

}  // namespace kt740
