// Loading a model template over the program state, at the end of every reset.
#pragma once

#include <string>

#include "files/file_ops.h"
#include "files/template.h"

namespace kt740 {

struct ProgramState;

// "<programDir>/Init/<name>".
std::string TemplatePath(const ProgramState& state, const std::string& name);

// Loads a template over the reset configuration. Reports nothing: when the files cannot be
// read the configuration stays as it is and becomes the snapshot.
void LoadTemplate(ProgramState& state, const std::string& path, TemplateKind kind,
                  FileOps& ops = DiskFileOps());

// "<ModelDisplayName>.dat" when it exists, else "RB-5100.dat"; without either the reset
// configuration stays (and becomes the snapshot).
void LoadModelTemplate(ProgramState& state, FileOps& ops = DiskFileOps());

}  // namespace kt740
