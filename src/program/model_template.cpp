#include "program/model_template.h"

#include "files/data_file.h"
#include "program/program_state.h"
#include "program/snapshot_state.h"

namespace kt740 {

std::string TemplatePath(const ProgramState& state, const std::string& name) {
  return TemplatePath(state.app.folders.programDir, name);
}

void LoadTemplate(ProgramState& state, const std::string& path, TemplateKind kind, FileOps& ops) {
  Configuration loaded = state.snapshot;
  if (!ReadConfigurationFiles(ops, path, loaded)) {
    TakeSnapshot(state);
    return;
  }
  loaded.settings.ModelCode = state.app.ModelCode;
  state.snapshot = loaded;

  if (kind == TemplateKind::Fallback) {
    RestoreSnapshot(state);
    ChannelList& list = state.current.channels;
    list.ChannelCount = 1;
    list.records[0] = DefaultVfoChannel(state.current.settings.Bands);
    TakeSnapshot(state);
    return;
  }

  if (state.app.FactoryFres == 0 && !state.app.InitialSetupMode) {
    ChannelList& list = state.snapshot.channels;
    const ChannelRecord* vfo = list.Find(kChannelVFO);
    if (vfo != nullptr) {
      const ChannelRecord keep = *vfo;
      list.records[0] = keep;
      list.ChannelCount = 1;
    } else {
      list.ChannelCount = 0;
    }
  }
  RestoreSnapshot(state);
}

void LoadModelTemplate(ProgramState& state, FileOps& ops) {
  // Without a program folder there are no templates (tools that build configurations).
  if (state.app.folders.programDir.empty()) {
    TakeSnapshot(state);
    return;
  }
  const std::string model = TemplatePath(state, state.app.ModelDisplayName + ".dat");
  if (ops.Read(model, 0).status != ReadStatus::Missing) {
    LoadTemplate(state, model, TemplateKind::Model, ops);
  } else {
    LoadTemplate(state, TemplatePath(state, kFallbackTemplateName), TemplateKind::Fallback, ops);
  }
}

}  // namespace kt740
