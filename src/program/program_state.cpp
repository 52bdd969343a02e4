#include "program/program_state.h"

#include "core/utf8_path.h"

namespace kt740 {

LanguageTexts TextsOf(const ProgramState& state) {
  return LanguageTexts(state.app.LanguageId, LanguageFilePath(state.app), state.texts);
}

std::string LanguageFilePath(const AppState& app) {
  return PathToUtf8(PathFromUtf8(app.folders.programDir) / PathFromUtf8(app.LanguagePath));
}

std::string LangText(const AppState& app, TextCatalog& catalog, int id) {
  return ReadProfileText(catalog.Document(LanguageFilePath(app)), "OTHER", std::to_string(id), 255);
}

std::string LangSectionText(const AppState& app, TextCatalog& catalog, std::string_view section,
                            std::string_view key) {
  return ReadProfileText(catalog.Document(LanguageFilePath(app)), section, key, 255);
}

std::string LangText(const ProgramState& state, int id) {
  return LangText(state.app, state.texts, id);
}

std::string LangSectionText(const ProgramState& state, std::string_view section, std::string_view key) {
  return LangSectionText(state.app, state.texts, section, key);
}

}  // namespace kt740
