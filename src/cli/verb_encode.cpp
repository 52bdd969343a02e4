#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/cli_startup.h"
#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "core/safe_file.h"
#include "image/memory_image.h"
#include "program/comm_data.h"
#include "program/data_files.h"
#include "program/program_state.h"

namespace kt740 {

int RunEncodeVerb(const QStringList& rawArgs, CliContext& ctx) {
  constexpr OptionSpec kOptions[] = {{"--output", "-o"}};
  const ParsedArgs args = ParseArgs(rawArgs, kOptions);
  if (args.help) {
    ctx.out << "Usage: kt740-cli encode CONFIG.dat -o IMAGE.bin\n\n"
               "Opens CONFIG.dat and its channel file, encodes every block into the radio's\n"
               "16384-byte memory image as a write to the radio would, and writes the image to\n"
               "IMAGE.bin. When an encoder fails its message is printed and no file is written.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "encode", args.error);
  if (args.positional.size() != 1) return UsageError(ctx, "encode", "expects one configuration file");
  if (!args.has("--output")) return UsageError(ctx, "encode", "needs -o IMAGE.bin");
  const std::string input = args.positional.front().toStdString();
  const std::string output = args.value("--output").toStdString();

  auto state = StartCliProgram(ctx, StartupMode::ReadOnly);
  CliNotifier notifier(ctx.err);
  if (!OpenDataFile(*state, notifier, input)) {
    // The notifier has printed the file error and its reason.
    return kExitFailed;
  }

  ClearImage(state->image);
  state->CommDataOK = true;
  SetCommData(*state, notifier);
  if (!state->CommDataOK)
    return Failure(ctx, "encode", "the configuration cannot be encoded; nothing written");

  const auto& bytes = state->image.bytes;
  const std::string_view image(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!WriteFileReplacing(output, image)) return Failure(ctx, "encode", "cannot write " + output);
  return kExitOk;
}

}  // namespace kt740
