#include "program/program_state.h"

namespace kt740 {

LanguageTexts TextsOf(const ProgramState& state) {
  return LanguageTexts(state.app.LanguageId, LanguageFilePath(state.app), state.texts);
}

}  // namespace kt740
