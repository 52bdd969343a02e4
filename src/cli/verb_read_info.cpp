#include <ostream>

#include "cli/link_runner.h"
#include "cli/verbs.h"
#include "core/codepage.h"
#include "core/fixed_text.h"
#include "program/radio_link.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

std::string Shown(std::string_view field) {
  return Cp1252ToUtf8(TrimText(field));
}

}  // namespace

int RunReadInfoVerb(const QStringList& argsIn, CliContext& ctx) {
  QStringList args = argsIn;
  if (args.contains("--help") || args.contains("-h")) {
    ctx.out << "Usage: kt740-cli read-info --port PORT [--password PW]\n\n"
               "Reads the radio-information area (0x0010-0x00FF) and prints the fields of the\n"
               "information dialog, one \"Label: value\" line each. PORT is a device path or a\n"
               "port number (kt740-cli ports). The information read asks no retry question: it\n"
               "fails after three unanswered transmissions of a command.\n";
    return kExitOk;
  }
  LinkOptions options;
  if (!TakeLinkOptions(args, options, ctx, "read-info", false)) return kExitUsage;
  if (!args.isEmpty()) {
    ctx.err << "kt740-cli read-info: unexpected argument " << args.front().toStdString() << "\n";
    return kExitUsage;
  }
  ProgramState state;
  PrepareState(state, ctx);
  if (!RunLinkSession(state, options, ctx, "read-info", StartReadInfo)) return kExitFailed;
  const EmbedInfo& e = state.embedInfo;
  const struct {
    const char* label;
    std::string value;
  } rows[] = {
      {"Area Code", Shown(e.InfoCode)},
      {"Manufacture Code", Shown(e.InfoText3.view())},
      {"User Code", Shown(e.InfoText4.view())},
      {"Radio Type", state.app.ModelDisplayName},
      {"Serial Number", Shown(e.InfoText1.view())},
      {"Producted Date", Shown(e.InfoText2.view())},
      {"Maintained Date", Shown(e.InfoText5.view())},
      {"Version", state.app.InfoVersionText},
      {"Maintained Description", Shown(e.InfoText10.view())},
      {"Dealer Code", Shown(e.InfoText6.view())},
      {"Stock Date", Shown(e.InfoText7.view())},
      {"Sell Date", Shown(e.InfoText8.view())},
      {"Seller", Shown(e.InfoText9.view())},
  };
  for (const auto& r : rows) ctx.out << r.label << ": " << r.value << "\n";
  return kExitOk;
}

}  // namespace kt740
