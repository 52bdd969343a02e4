// Qt's own texts (the file dialog, standard buttons) in the program's language, where the
// system has Qt's translations.
#pragma once

namespace kt740 {

// 2: Chinese; anything else: Qt's English.
void UseQtTranslations(int languageId);

}  // namespace kt740
