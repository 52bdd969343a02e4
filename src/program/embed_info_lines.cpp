#include "program/embed_info_lines.h"

#include <array>

#include "core/codepage.h"
#include "core/fixed_text.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

struct Label {
  const char* english;
  const char* chinese;
};

constexpr Label kLabels[] = {{"Area Code", "销售区号"},
                             {"Manufacture Code", "生产批号"},
                             {"User Code", "客户代码"},
                             {"Radio Type", "机型"},
                             {"Serial Number", "序列号"},
                             {"Producted Date", "出厂日期"},
                             {"Maintained Date", "维修日期"},
                             {"Version", "固件版本"},
                             {"Dealer Code", "经销商代码"},
                             {"Stock Date", "入库时间"},
                             {"Sell Date", "销售时间"},
                             {"Seller", "经手人"},
                             {"Maintained Description", "维修原因"}};
static_assert(std::size(kLabels) == static_cast<std::size_t>(EmbedInfoField::Count),
              "one label for every information field");

bool Chinese(int16_t languageId) {
  return languageId == kLanguageChinese;
}

std::string Shown(std::string_view bytes) {
  return Cp1252ToUtf8(TrimText(bytes));
}

}  // namespace

const char* EmbedInfoLabel(EmbedInfoField field, int16_t languageId) {
  const Label& l = kLabels[static_cast<std::size_t>(field)];
  return Chinese(languageId) ? l.chinese : l.english;
}

const char* EmbedInfoTitle(int16_t languageId) {
  return Chinese(languageId) ? "嵌入信息" : "Embedded Message";
}

std::string EmbedInfoValue(const ProgramState& state, EmbedInfoField field) {
  const EmbedInfo& e = state.embedInfo;
  switch (field) {
    case EmbedInfoField::AreaCode:
      return Shown(e.InfoCode);
    case EmbedInfoField::ManufactureCode:
      return Shown(e.InfoText3.view());
    case EmbedInfoField::UserCode:
      return Shown(e.InfoText4.view());
    case EmbedInfoField::RadioType:
      return state.app.ModelDisplayName;
    case EmbedInfoField::SerialNumber:
      return Shown(e.InfoText1.view());
    case EmbedInfoField::ProductedDate:
      return Shown(e.InfoText2.view());
    case EmbedInfoField::MaintainedDate:
      return Shown(e.InfoText5.view());
    case EmbedInfoField::Version:
      return state.app.InfoVersionText;
    case EmbedInfoField::DealerCode:
      return Shown(e.InfoText6.view());
    case EmbedInfoField::StockDate:
      return Shown(e.InfoText7.view());
    case EmbedInfoField::SellDate:
      return Shown(e.InfoText8.view());
    case EmbedInfoField::Seller:
      return Shown(e.InfoText9.view());
    case EmbedInfoField::MaintainedDescription:
      return Shown(e.InfoText10.view());
    case EmbedInfoField::Count:
      break;
  }
  return {};
}

}  // namespace kt740
