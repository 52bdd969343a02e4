#include "app/embed_info_text.h"

#include "program/embed_info_lines.h"
#include "program/program_state.h"

namespace kt740 {

std::string EmbedInfoText(const ProgramState& state) {
  const int16_t language = state.app.LanguageId;
  std::string text = std::string(EmbedInfoTitle(language)) + "\n\n";
  for (int i = 0; i < static_cast<int>(EmbedInfoField::Count); ++i) {
    const auto field = static_cast<EmbedInfoField>(i);
    text += std::string(EmbedInfoLabel(field, language)) + ": " + EmbedInfoValue(state, field) + "\n";
  }
  return text;
}

}  // namespace kt740
