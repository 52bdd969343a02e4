#include "platform/startup_environment.h"

#include <QDate>

#include "platform/folders.h"

namespace kt740 {

CivilDate Today() {
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

StartupEnvironment MakeStartupEnvironment(const PortList* ports) {
  StartupEnvironment env;
  env.systemLocale = SystemLocaleName().toStdString();
  env.today = Today();
  env.ports = ports;
  return env;
}

}  // namespace kt740
