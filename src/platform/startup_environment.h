// The start-up inputs the platform supplies: locale, today's date, the port list.
#pragma once

#include "program/startup.h"

namespace kt740 {

CivilDate Today();
StartupEnvironment MakeStartupEnvironment(const PortList* ports);

}  // namespace kt740
