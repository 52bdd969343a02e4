#include "platform/program_startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/folders.h"
#include "platform/startup_environment.h"
#include "program/program_state.h"
#include "program/startup.h"

namespace kt740 {
namespace {

// RunStartup seeds the per-user folder and writes mysetup.ini back. Read-only, it runs on a
// scratch copy of the two settings files, so that it reads what is there and writes nowhere
// that lasts. Without room for a scratch folder it falls back to the real one.
void RunStartupReadOnly(ProgramState& state, const StartupEnvironment& env) {
  QTemporaryDir scratch;
  const Folders real = state.app.folders;
  if (scratch.isValid()) {
    const QDir user(QString::fromStdString(real.userDir));
    for (const char* name : {"mysetup.ini", "Setting.ini"}) {
      if (QFile::exists(user.filePath(name))) QFile::copy(user.filePath(name), scratch.filePath(name));
    }
    state.app.folders.userDir = scratch.path().toStdString();
  }
  RunStartup(state, env);
  state.app.folders = real;
}

}  // namespace

std::unique_ptr<SystemPortList> StartProgram(ProgramState& state, const QString& homeOption,
                                             StartupMode mode) {
  state.app.folders = ResolveFolders(homeOption);
  auto ports = std::make_unique<SystemPortList>(PortMapPath(state.app.folders.userDir));
  if (mode == StartupMode::Full) {
    RunStartup(state, MakeStartupEnvironment(ports.get()));
  } else {
    RunStartupReadOnly(state, MakeStartupEnvironment(nullptr));
  }
  return ports;
}

}  // namespace kt740
