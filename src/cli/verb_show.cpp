#include <ostream>

#include "cli/cli_notifier.h"
#include "cli/cli_startup.h"
#include "cli/text_table.h"
#include "cli/verb_args.h"
#include "cli/verbs.h"
#include "program/data_files.h"
#include "program/grid_ops.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

// The grid's column 6 is hidden (width 0): it is left out here too.
constexpr int kHiddenColumn = 6;

TextRow Shown(const ChannelRowTexts& texts) {
  TextRow row;
  for (int i = 0; i < kGridColumns; ++i) {
    if (i != kHiddenColumn) row.push_back(texts[static_cast<std::size_t>(i)]);
  }
  return row;
}

}  // namespace

int RunShowVerb(const QStringList& rawArgs, CliContext& ctx) {
  constexpr OptionSpec kOptions[] = {{"--format", "-f"}};
  const ParsedArgs args = ParseArgs(rawArgs, kOptions);
  if (args.help) {
    ctx.out << "Usage: kt740-cli show CONFIG.dat [--format table|tsv|csv]\n\n"
               "Prints the channels of a configuration file in the columns of "
               "the main window's\n"
               "grid: label, receive and transmit frequency, name, step, "
               "bandwidth, power, the\n"
               "two tones and the signalling, one line per channel in channel "
               "order.\n"
               "  table  (default) the band text, then an aligned table with a "
               "header\n"
               "  tsv    a header line and tab-separated lines, for scripts\n"
               "  csv    the same, comma-separated with RFC 4180 quoting\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "show", args.error);
  if (args.positional.size() != 1) return UsageError(ctx, "show", "expects one configuration file");
  const QString formatName = args.has("--format") ? args.value("--format") : QString("table");
  TableFormat format = TableFormat::Aligned;
  if (formatName == "tsv") {
    format = TableFormat::Tsv;
  } else if (formatName == "csv") {
    format = TableFormat::Csv;
  } else if (formatName != "table") {
    return UsageError(ctx, "show", "unknown format " + formatName.toStdString() + " (table, tsv, csv)");
  }
  const std::string input = args.positional.front().toStdString();

  auto state = StartCliProgram(ctx, StartupMode::ReadOnly);
  CliNotifier notifier(ctx.err);
  if (!OpenDataFile(*state, notifier, input)) {
    // The notifier has printed the file error and its reason.
    return kExitFailed;
  }

  std::vector<TextRow> rows{Shown(ChannelGridHeaders(*state))};
  const ChannelRowLanguage language = LookUpChannelRowLanguage(*state);
  for (int number = 1; number <= kChannelSlots; ++number) {
    if (const ChannelRecord* r = state->current.channels.Find(number))
      rows.push_back(Shown(RenderChannelRow(*state, *r, language, &notifier)));
  }
  if (format == TableFormat::Aligned) ctx.out << state->app.BandText << "\n\n";
  PrintTable(ctx.out, rows, format);
  return kExitOk;
}

}  // namespace kt740
