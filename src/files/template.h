// The model templates of the Init folder: their names and where they live. Loading one over the
// program state is program/model_template.h.
#pragma once

#include <string>

namespace kt740 {

enum class TemplateKind {
  Model,     // "<ModelDisplayName>.dat": keeps only its VFO unless FactoryFres or InitialSetupMode
  Fallback,  // "RB-5100.dat": its settings with the default VFO
};

constexpr const char* kFallbackTemplateName = "RB-5100.dat";

// "<programDir>/Init/<name>", UTF-8.
std::string TemplatePath(const std::string& programDir, const std::string& name);

}  // namespace kt740
