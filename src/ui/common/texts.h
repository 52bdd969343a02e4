// What a window needs to show its texts: the language in use with its file, the built-in
// messages and the form font. Dialogs take this small value instead of the program state.
#pragma once

#include <QFont>
#include <QString>

#include "core/language_texts.h"

namespace kt740 {

struct ProgramState;

class Texts {
 public:
  explicit Texts(LanguageTexts language) : language_(std::move(language)) {}

  int16_t LanguageId() const { return language_.Id(); }
  bool IsChinese() const { return language_.IsChinese(); }
  const LanguageTexts& Language() const { return language_; }

  // Section "OTHER" of the language file, by number.
  QString Lang(int id) const;
  // Sections "MSG" and "OPTION".
  QString Section(const char* section, const QString& key) const;
  QString BuiltIn(kt740::BuiltIn entry) const;
  // English or Chinese, for the few texts the program carries itself.
  QString Pick(const QString& english, const QString& chinese) const {
    return IsChinese() ? chinese : english;
  }

  // Font name of language text 20, size of text 21.
  QFont FormFont() const;

 private:
  LanguageTexts language_;
};

Texts TextsFor(const ProgramState& state);

}  // namespace kt740
