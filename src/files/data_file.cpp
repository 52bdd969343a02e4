#include "files/data_file.h"

#include <array>

#include "files/file_format.h"

namespace kt740 {

ConfigurationRead ReadConfigurationFiles(FileOps& ops, const std::string& path, Configuration& into) {
  ConfigurationRead result;
  const ReadResult dat = ops.Read(path, kDataFileSize);
  if (dat.status != ReadStatus::Ok) {
    result.error = ReadError(path, dat);
    return result;
  }
  int count = 0;
  if (const FileDamage damage = DecodeDataFile(dat.bytes, into.settings, count); damage != FileDamage::None) {
    const long long number =
        damage == FileDamage::ShortDataFile ? static_cast<long long>(dat.bytes.size()) : count;
    result.error = DamageError(path, damage, number);
    return result;
  }
  const std::string channelPath = ChannelFileName(path);
  const ReadResult fre = ops.Read(channelPath, kChannelFileRecordSize * static_cast<std::size_t>(count));
  // A channel file that exists but cannot be read is an error: loading it as empty would
  // make the next save overwrite the channels with nothing.
  if (fre.status == ReadStatus::Failed) {
    result.error = ReadError(channelPath, fre);
    return result;
  }
  result.channelFileMissing = fre.status == ReadStatus::Missing && count > 0;
  int badNumber = 0;
  if (const FileDamage damage = DecodeChannelFile(fre.bytes, count, into.channels, &badNumber);
      damage != FileDamage::None)
    result.error = DamageError(channelPath, damage, badNumber);
  return result;
}

FileError WriteConfigurationFiles(FileOps& ops, const std::string& path, const Configuration& config) {
  const std::string channelPath = ChannelFileName(path);
  // A data file named like its own channel file (x.fre) would be overwritten by it.
  if (channelPath == path) return {FileFailure::OwnChannelFile, path, {}, FileDamage::None, 0};
  // The data file goes last: until it is replaced the old pair stays whole.
  std::array<FileReplacement, 2> files{{
      {channelPath, EncodeChannelFile(config.channels)},
      {path, EncodeDataFile(config.settings, config.channels.ChannelCount)},
  }};
  ReplaceFailure failure;
  if (!ReplaceFiles(ops, files, &failure)) return ReplaceError(failure);
  return {};
}

FileError ReadBookFile(FileOps& ops, const std::string& path, CommuBook& book) {
  const ReadResult file = ops.Read(path, kBookFileSize);
  if (file.status != ReadStatus::Ok) return ReadError(path, file);
  CommuBook loaded = book;
  if (const FileDamage damage = DecodeBookFile(file.bytes, loaded); damage != FileDamage::None)
    return DamageError(path, damage, static_cast<long long>(file.bytes.size()));
  book = loaded;
  return {};
}

FileError WriteBookFile(FileOps& ops, const std::string& path, const CommuBook& book) {
  FileReplacement file{path, EncodeBookFile(book)};
  ReplaceFailure failure;
  if (!ReplaceFiles(ops, {&file, 1}, &failure)) return ReplaceError(failure);
  return {};
}

}  // namespace kt740
