// Messages built into the program in both languages, chosen by LanguageId.
#pragma once

#include <string>

namespace kt740 {

enum class BuiltIn {
  TextReadTitle,
  TextWriteTitle,
  TextProgress,
  TextReadConfirm,
  TextWriteConfirm,
  TextModelWrong,
  TextRadioKilled,
  TextRadioStunned,
  TextVersionWrong,
  TextAllCleared,
  TextFileError,
  TextOverwrite,
  TextSaveModified,
  TextDataFile,
  TextClose,
  TextHelp,
};

// languageId 2 is Chinese, anything else English. UTF-8.
const std::string& BuiltInText(BuiltIn entry, int languageId);

}  // namespace kt740
