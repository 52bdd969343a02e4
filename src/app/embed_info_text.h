// The radio information as one readable text, shown after an information read until the
// information dialog is there.
#pragma once

#include <string>

namespace kt740 {

struct ProgramState;

std::string EmbedInfoText(const ProgramState& state);

}  // namespace kt740
