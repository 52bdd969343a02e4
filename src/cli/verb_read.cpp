#include <QFile>
#include <QSaveFile>
#include <ostream>

#include "cli/cli_notifier.h"
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

int RunReadVerb(const QStringList& argsIn, CliContext& ctx) {
  QStringList args = argsIn;
  if (args.contains("--help") || args.contains("-h")) {
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
  LinkOptions options;
  if (!TakeLinkOptions(args, options, ctx, "read", true)) return kExitUsage;
  QString output, imagePath;
  for (int i = 0; i < args.size(); ++i) {
    if ((args[i] == "-o" || args[i] == "--output") && i + 1 < args.size()) {
      output = args[++i];
    } else if (args[i] == "--image" && i + 1 < args.size()) {
      imagePath = args[++i];
    } else {
      ctx.err << "kt740-cli read: unexpected argument " << args[i].toStdString() << "\n";
      return kExitUsage;
    }
  }
  if (output.isEmpty()) {
    ctx.err << "kt740-cli read: -o CONFIG.dat is required\n";
    return kExitUsage;
  }
  ProgramState state;
  PrepareState(state, ctx);
  MemoryImage raw;
  if (!RunLinkSession(state, options, ctx, "read", StartReadAll, &raw)) return kExitFailed;
  CliNotifier notifier(ctx.err);
  if (!SaveDataFile(state, notifier, output.toStdString())) return kExitFailed;
  if (!imagePath.isEmpty() && !SaveImage(raw, imagePath)) {
    ctx.err << "kt740-cli read: cannot write " << imagePath.toStdString() << "\n";
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace kt740
