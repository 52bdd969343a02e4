// The texts of the language in use: its id, its language file and the built-in messages. A
// small value that dialogs and messages take instead of the whole program state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/builtin_text.h"
#include "core/profile.h"

namespace kt740 {

enum class LanguageId : int16_t { English = 1, Chinese = 2 };

class LanguageTexts {
 public:
  // filePath: the full path of the language file; catalog: the parsed files, shared and kept by
  // the owner of the state.
  LanguageTexts(int16_t languageId, std::string filePath, TextCatalog& catalog)
      : languageId_(languageId), filePath_(std::move(filePath)), catalog_(&catalog) {}

  int16_t Id() const { return languageId_; }
  bool IsChinese() const { return languageId_ == static_cast<int16_t>(LanguageId::Chinese); }
  const std::string& FilePath() const { return filePath_; }

  // Section "OTHER", key = decimal id (values cut to 254 characters).
  std::string Text(int id) const;
  // The same read pattern for the sections "MSG" and "OPTION".
  std::string Section(std::string_view section, std::string_view key) const;
  const std::string& BuiltIn(kt740::BuiltIn entry) const { return BuiltInText(entry, languageId_); }

 private:
  int16_t languageId_;
  std::string filePath_;
  TextCatalog* catalog_;
};

}  // namespace kt740
