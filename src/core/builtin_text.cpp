#include "core/builtin_text.h"

#include <array>

namespace kt740 {
namespace {

struct Pair {
  std::string english;
  std::string chinese;
};

const std::array<Pair, 16>& Table() {
  static const std::array<Pair, 16> table = {{
      {"Read data from radio", "从对讲机读取数据"},
      {"Write data to radio", "向对讲机写入数据"},
      {"Completion percentage:", "完成进度:"},
      {"Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？"},
      {"Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？"},
      {"Model type is wrong. Overwrite?", "机型类型错误。"},
      {"Radio is killed,can't be written!", "对讲机被遥毙，不能写入！"},
      {"Radio is fainted,can't be written!", "对讲机被遥晕，不能写入！"},
      {"Version is wrong. Overwrite?", "版本错误。"},
      {"All data will be cleared.", "所有数据将被清空。"},
      {"file error.", "文件错误。"},
      {"file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
      {"File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
      {"Data File", "数据文件"},
      {"&Close", "关闭(&C)"},
      {"&Help", "帮助(&H)"},
  }};
  return table;
}

}  // namespace

const std::string& BuiltInText(BuiltIn entry, int languageId) {
  const Pair& pair = Table()[static_cast<std::size_t>(entry)];
  return languageId == 2 ? pair.chinese : pair.english;
}

}  // namespace kt740
