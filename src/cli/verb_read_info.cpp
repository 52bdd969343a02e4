#include <ostream>

#include "cli/cli_startup.h"
#include "cli/link_runner.h"
#include "cli/verbs.h"
#include "program/embed_info_lines.h"
#include "program/program_state.h"
#include "program/radio_link.h"

namespace kt740 {

int RunReadInfoVerb(const QStringList& rawArgs, CliContext& ctx) {
  const auto specs = LinkOptionSpecs(false, {});
  const ParsedArgs args = ParseArgs(rawArgs, specs);
  if (args.help) {
    ctx.out << "Usage: kt740-cli read-info --port PORT [--password PW]\n\n"
               "Reads the radio-information area (0x0010-0x00FF) and prints the fields of the\n"
               "information dialog, one \"Label: value\" line each. PORT is a device path or a\n"
               "port number (kt740-cli ports). The information read asks no retry question: it\n"
               "fails after three unanswered transmissions of a command.\n";
    return kExitOk;
  }
  if (!args.error.empty()) return UsageError(ctx, "read-info", args.error);
  LinkOptions options;
  std::string error;
  if (!ReadLinkOptions(args, options, error)) return UsageError(ctx, "read-info", error);
  if (!args.positional.isEmpty())
    return UsageError(ctx, "read-info", "unexpected argument " + args.positional.front().toStdString());
  auto state = StartCliProgram(ctx, StartupMode::Full);
  if (!RunLinkSession(*state, options, ctx, "read-info", StartReadInfo)) return kExitFailed;
  // The command line's order, which its users' scripts read; the labels are the dialog's.
  constexpr EmbedInfoField kRows[] = {
      EmbedInfoField::AreaCode,       EmbedInfoField::ManufactureCode, EmbedInfoField::UserCode,
      EmbedInfoField::RadioType,      EmbedInfoField::SerialNumber,    EmbedInfoField::ProductedDate,
      EmbedInfoField::MaintainedDate, EmbedInfoField::Version,         EmbedInfoField::MaintainedDescription,
      EmbedInfoField::DealerCode,     EmbedInfoField::StockDate,       EmbedInfoField::SellDate,
      EmbedInfoField::Seller,
  };
  for (const EmbedInfoField field : kRows)
    ctx.out << EmbedInfoLabel(field, kLanguageEnglish) << ": " << EmbedInfoValue(*state, field) << "\n";
  return kExitOk;
}

}  // namespace kt740
