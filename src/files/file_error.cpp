#include "files/file_error.h"

#include "core/builtin_text.h"
#include "core/language_texts.h"

namespace kt740 {
namespace {

struct Wording {
  const char* english;
  const char* chinese;
};

// "{}" stands for the path, "#" for the number, "%" for the system's reason.
Wording WordingOf(const FileError& e) {
  switch (e.what) {
    case FileFailure::Missing:
      return {"{} was not found.", "找不到 {}。"};
    case FileFailure::CannotRead:
      return {"{} cannot be opened: %.", "无法打开 {}：%。"};
    case FileFailure::CannotWrite:
      return {"{} cannot be written: %.", "无法写入 {}：%。"};
    case FileFailure::CannotReplace:
      return {"{} cannot be replaced: %.", "无法替换 {}：%。"};
    case FileFailure::OwnChannelFile:
      return {"{} is named like its own channel file.", "{} 与其信道文件同名。"};
    case FileFailure::Damaged:
      break;
    case FileFailure::None:
      return {"", ""};
  }
  switch (e.damage) {
    case FileDamage::ShortDataFile:
      return {"{} is shorter than a configuration file: # of 8667 bytes.",
              "{} 比配置文件短：# / 8667 字节。"};
    case FileDamage::ChannelCountRange:
      return {"{}: channel count # out of range (0 to 203).", "{}：信道数 # 超出范围（0 至 203）。"};
    case FileDamage::BandLimitNotFinite:
      return {"{}: a band limit is not a number.", "{}：频段限制不是有效数字。"};
    case FileDamage::ChannelNumberRange:
      return {"{}: channel number # out of range (1 to 203).", "{}：信道号 # 超出范围（1 至 203）。"};
    case FileDamage::ChannelNumberRepeat:
      return {"{}: repeated channel number #.", "{}：信道号 # 重复。"};
    case FileDamage::ShortBookFile:
      return {"{} is shorter than a communication-book file: # of 1792 bytes.",
              "{} 比通讯录文件短：# / 1792 字节。"};
    case FileDamage::None:
      break;
  }
  return {"{} is damaged.", "{} 已损坏。"};
}

std::string Fill(std::string text, const FileError& e, bool chinese) {
  const auto put = [&text](const std::string& mark, const std::string& value) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), value);
  };
  put("{}", e.path);
  put("#", std::to_string(e.number));
  put("%", e.reason.empty() ? (chinese ? "原因不明" : "reason unknown") : e.reason);
  return text;
}

}  // namespace

FileError ReadError(const std::string& path, const ReadResult& read) {
  if (read.status == ReadStatus::Missing) return {FileFailure::Missing, path, {}, FileDamage::None, 0};
  return {FileFailure::CannotRead, path, read.reason, FileDamage::None, 0};
}

FileError DamageError(const std::string& path, FileDamage damage, long long number) {
  return {FileFailure::Damaged, path, {}, damage, number};
}

FileError ReplaceError(const ReplaceFailure& failure) {
  switch (failure.step) {
    case ReplaceStep::ReadOld:
      return {FileFailure::CannotRead, failure.path, failure.reason, FileDamage::None, 0};
    case ReplaceStep::Write:
      return {FileFailure::CannotWrite, failure.path, failure.reason, FileDamage::None, 0};
    case ReplaceStep::Rename:
      break;
  }
  return {FileFailure::CannotReplace, failure.path, failure.reason, FileDamage::None, 0};
}

std::string FileErrorText(const FileError& error, int16_t languageId) {
  const bool chinese = languageId == static_cast<int16_t>(LanguageId::Chinese);
  const std::string& first = BuiltInText(BuiltIn::TextFileError, languageId);
  if (!error) return first;
  const Wording w = WordingOf(error);
  return first + "\n" + Fill(chinese ? w.chinese : w.english, error, chinese);
}

std::string ChannelFileMissingText(const std::string& channelPath, int16_t languageId) {
  const bool chinese = languageId == static_cast<int16_t>(LanguageId::Chinese);
  const std::size_t sep = channelPath.find_last_of("/\\");
  const std::string name = sep == std::string::npos ? channelPath : channelPath.substr(sep + 1);
  return chinese ? "找不到信道文件 " + name + "，因此该配置没有信道。"
                 : "The channel file " + name + " was not found, so the configuration has no channels.";
}

}  // namespace kt740
