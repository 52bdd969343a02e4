// Where the program's read-only data lives and where its per-user settings are written.
#pragma once

#include <QString>

#include "program/app_state.h"

namespace kt740 {

// The program folder: homeOption (--home) when given, else KT740_HOME, else the installed data
// folder beside the executable (../share/kt740), else the source tree's data folder.
QString ResolveProgramFolder(const QString& homeOption);

// The platform's application-configuration folder; KT740_CONFIG_DIR overrides it (tests).
QString ResolveUserFolder();

Folders ResolveFolders(const QString& homeOption);

// The system default locale's name, such as "zh_CN" or "en_US".
QString SystemLocaleName();

}  // namespace kt740
