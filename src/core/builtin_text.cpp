#include "core/builtin_text.h"

#include <array>

#include "core/language_texts.h"

namespace kt740 {
namespace {

struct Pair {
  const char* english;
  const char* chinese;
};

constexpr std::size_t kEntries = static_cast<std::size_t>(BuiltIn::Count);

// In the order of the enum.
constexpr Pair kTexts[] = {
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
    {"Reading from the radio was cancelled. The configuration open before is kept.",
     "已取消从对讲机读取数据。之前打开的配置保持不变。"},
    {"Writing to the radio was cancelled. The radio now holds part of the new configuration; "
     "writing again completes it.",
     "已取消向对讲机写入数据。对讲机现在只保存了部分新配置；再次写入即可完成。"},
    {"Reading the radio information was cancelled.", "已取消读取对讲机信息。"},
};
static_assert(std::size(kTexts) == kEntries, "one English and one Chinese text for every built-in entry");

struct Texts {
  std::string english;
  std::string chinese;
};

const std::array<Texts, kEntries>& Table() {
  static const std::array<Texts, kEntries> table = [] {
    std::array<Texts, kEntries> t;
    for (std::size_t i = 0; i < kEntries; ++i) t[i] = {kTexts[i].english, kTexts[i].chinese};
    return t;
  }();
  return table;
}

}  // namespace

const std::string& BuiltInText(BuiltIn entry, int languageId) {
  const Texts& pair = Table()[static_cast<std::size_t>(entry)];
  return languageId == static_cast<int>(LanguageId::Chinese) ? pair.chinese : pair.english;
}

}  // namespace kt740
