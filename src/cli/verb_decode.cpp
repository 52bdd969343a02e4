#include <algorithm>
#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/cli_startup.h"
#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "core/safe_file.h"
#include "image/memory_image.h"
#include "program/band_text.h"
#include "program/comm_data.h"
#include "program/data_files.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"

namespace kt740 {

int RunDecodeVerb(const QStringList& rawArgs, CliContext& ctx) {
  constexpr OptionSpec kOptions[] = {{"--output", "-o"}};
  const ParsedArgs args = ParseArgs(rawArgs, kOptions);
  if (args.help) {
    ctx.out << "Usage: kt740-cli decode IMAGE.bin -o CONFIG.dat\n\n"
               "Decodes a 16384-byte memory image as after a read from the radio and saves the\n"
               "configuration as CONFIG.dat and its channel file (CONFIG.fre), as Save does.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "decode", args.error);
  if (args.positional.size() != 1) return UsageError(ctx, "decode", "expects one image file");
  if (!args.has("--output")) return UsageError(ctx, "decode", "needs -o CONFIG.dat");
  const std::string input = args.positional.front().toStdString();
  const std::string output = args.value("--output").toStdString();

  const std::optional<std::string> image = ReadWholeFile(input);
  if (!image) return Failure(ctx, "decode", "cannot read " + input);
  if (image->size() != kImageSize)
    return Failure(ctx, "decode",
                   input + " is " + std::to_string(image->size()) + " bytes; an image is " +
                       std::to_string(kImageSize) + " bytes");

  auto state = StartCliProgram(ctx, StartupMode::ReadOnly);
  CliNotifier notifier(ctx.err);
  std::copy(image->begin(), image->end(), state->image.bytes.begin());
  GetCommData(*state);
  ApplyBandLimits(state->app, state->current.settings.Bands);
  // What a read from the radio leaves: an untitled configuration that counts as unmodified.
  state->app.CurrentFileName = "new.dat";
  state->app.Untitled = true;
  TakeSnapshot(*state);

  if (!SaveDataFile(*state, notifier, output)) {
    // The notifier has printed the file error and its reason.
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace kt740
