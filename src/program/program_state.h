// Every process-wide record of the program, gathered in one object that main owns.
#pragma once

#include <string>
#include <string_view>

#include "core/language_texts.h"
#include "core/profile.h"
#include "image/embed_info.h"
#include "image/memory_image.h"
#include "image/settings_record.h"
#include "program/app_state.h"

namespace kt740 {

// What the last identify reply said beyond the model and version texts.
struct RadioStatus {
  int16_t ReportedModelCode = 0;
  bool Killed = false;
  bool Stunned = false;
};

struct ProgramState {
  AppState app;
  Configuration current;   // what the editors change; current.settings.Bands are the BandLimits
  Configuration snapshot;  // the last save, open, read or reset
  MemoryImage image;
  EmbedInfo embedInfo;
  bool CommDataOK = true;
  RadioStatus radio;
  ChannelRecord ChannelClipboard;  // InUse 0 when it holds nothing
  bool CopyMarker = false;
  std::string ProgrammingPassword;
  mutable TextCatalog texts;  // parsed language files
};

// The texts of the language the program uses now.
LanguageTexts TextsOf(const ProgramState& state);

// Full path of the language file in use.
std::string LanguageFilePath(const AppState& app);

// Section "OTHER", key = decimal id, buffer 255 (values cut to 254 characters).
std::string LangText(const AppState& app, TextCatalog& catalog, int id);
// The same read pattern for the sections "MSG" and "OPTION" (keys may be hexadecimal-looking).
std::string LangSectionText(const AppState& app, TextCatalog& catalog, std::string_view section,
                            std::string_view key);

// The same, with the state's own catalog.
std::string LangText(const ProgramState& state, int id);
std::string LangSectionText(const ProgramState& state, std::string_view section, std::string_view key);

}  // namespace kt740
