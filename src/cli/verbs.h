// Entry points of the verbs.
#pragma once

#include "cli/cli_verb.h"

namespace kt740 {

int RunInfoVerb(const QStringList& args, CliContext& ctx);
int RunPortsVerb(const QStringList& args, CliContext& ctx);
int RunReadInfoVerb(const QStringList& args, CliContext& ctx);
int RunReadVerb(const QStringList& args, CliContext& ctx);
int RunWriteVerb(const QStringList& args, CliContext& ctx);
int RunEncodeVerb(const QStringList& args, CliContext& ctx);
int RunDecodeVerb(const QStringList& args, CliContext& ctx);
int RunNewVerb(const QStringList& args, CliContext& ctx);
int RunShowVerb(const QStringList& args, CliContext& ctx);

}  // namespace kt740
