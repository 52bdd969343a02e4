#include "app/embed_info_text.h"

#include "core/codepage.h"
#include "core/fixed_text.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

struct Line {
  const char* english;
  const char* chinese;
};

const Line kLines[] = {{"Area Code", "销售区号"},
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

std::string Shown(std::string_view bytes) {
  return Cp1252ToUtf8(TrimText(bytes));
}

}  // namespace

std::string EmbedInfoText(const ProgramState& state) {
  const EmbedInfo& e = state.embedInfo;
  const std::string values[] = {
      Shown(e.InfoCode),          Shown(e.InfoText3.view()), Shown(e.InfoText4.view()),
      state.app.ModelDisplayName, Shown(e.InfoText1.view()), Shown(e.InfoText2.view()),
      Shown(e.InfoText5.view()),  state.app.InfoVersionText, Shown(e.InfoText6.view()),
      Shown(e.InfoText7.view()),  Shown(e.InfoText8.view()), Shown(e.InfoText9.view()),
      Shown(e.InfoText10.view())};
  const bool chinese = state.app.LanguageId == kLanguageChinese;
  std::string text = chinese ? "嵌入信息\n\n" : "Embedded Message\n\n";
  for (std::size_t i = 0; i < std::size(kLines); ++i)
    text += std::string(chinese ? kLines[i].chinese : kLines[i].english) + ": " + values[i] + "\n";
  return text;
}

}  // namespace kt740
