// The radio-information fields as the information dialog and the command line show them: one
// label in each language and the value of each field, defined once.
#pragma once

#include <cstdint>
#include <string>

namespace kt740 {

struct ProgramState;

// In the information dialog's order.
enum class EmbedInfoField {
  AreaCode,
  ManufactureCode,
  UserCode,
  RadioType,
  SerialNumber,
  ProductedDate,
  MaintainedDate,
  Version,
  DealerCode,
  StockDate,
  SellDate,
  Seller,
  MaintainedDescription,
  Count,
};

// "Area Code" / "销售区号" ...
const char* EmbedInfoLabel(EmbedInfoField field, int16_t languageId);
// The heading of the information text: "Embedded Message" / "嵌入信息".
const char* EmbedInfoTitle(int16_t languageId);
// The field's value, UTF-8: the decoded texts of state.embedInfo, the model and version texts.
std::string EmbedInfoValue(const ProgramState& state, EmbedInfoField field);

}  // namespace kt740
