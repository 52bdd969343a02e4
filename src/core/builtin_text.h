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
  TextReadCancelled,
  TextWriteCancelled,
  TextInfoCancelled,
  Count,  // the number of entries; the table is checked against it
};

// Chinese for LanguageId::Chinese, anything else English. UTF-8.
const std::string& BuiltInText(BuiltIn entry, int languageId);

}  // namespace kt740
