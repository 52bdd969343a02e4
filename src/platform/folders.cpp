#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace kt740 {
namespace {

bool LooksLikeProgramFolder(const QString& dir) {
  return QFileInfo(dir + "/language").isDir();
}

}  // namespace

QString ResolveProgramFolder(const QString& homeOption) {
  if (!homeOption.isEmpty()) return QDir(homeOption).absolutePath();
  const QString env = qEnvironmentVariable("KT740_HOME");
  if (!env.isEmpty()) return QDir(env).absolutePath();
  const QString exeDir = QCoreApplication::applicationDirPath();
  const QString installed = QDir(exeDir + "/../share/kt740").absolutePath();
  if (LooksLikeProgramFolder(installed)) return installed;
#ifdef KT740_SOURCE_DATA_DIR
  return QStringLiteral(KT740_SOURCE_DATA_DIR);
#else
  return exeDir;
#endif
}

QString ResolveUserFolder() {
  const QString env = qEnvironmentVariable("KT740_CONFIG_DIR");
  if (!env.isEmpty()) return QDir(env).absolutePath();
  QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  if (dir.isEmpty()) dir = QDir::homePath() + "/.kt740";
  return dir;
}

Folders ResolveFolders(const QString& homeOption) {
  Folders f;
  f.programDir = ResolveProgramFolder(homeOption).toStdString();
  f.userDir = ResolveUserFolder().toStdString();
  return f;
}

QString SystemLocaleName() {
  return QLocale::system().name();
}

}  // namespace kt740
