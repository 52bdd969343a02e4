#include "core/language_texts.h"

namespace kt740 {

std::string LanguageTexts::Text(int id) const {
  return ReadProfileText(catalog_->Document(filePath_), "OTHER", std::to_string(id), 255);
}

std::string LanguageTexts::Section(std::string_view section, std::string_view key) const {
  return ReadProfileText(catalog_->Document(filePath_), section, key, 255);
}

}  // namespace kt740
