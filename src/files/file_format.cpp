#include "files/file_format.h"

#include <array>
#include <cmath>

#include "files/record_bytes.h"

namespace kt740 {

std::string ChannelFileName(const std::string& dataFileName) {
  const std::size_t sep = dataFileName.find_last_of("/\\");
  const std::size_t nameStart = sep == std::string::npos ? 0 : sep + 1;
  if (dataFileName.size() - nameStart <= 3) return dataFileName + ".fre";
  return dataFileName.substr(0, dataFileName.size() - 3) + "fre";
}

std::string EncodeDataFile(const SettingsRecord& settings, int channelCount) {
  const auto count = static_cast<int16_t>(channelCount);
  const DataFileRecord<const SettingsRecord, const int16_t> record{settings, count};
  std::string out;
  out.reserve(kDataFileSize);
  AppendRecordBytes(out, record);
  return out;
}

std::string EncodeChannelFile(const ChannelList& channels) {
  std::string out;
  out.reserve(kChannelFileRecordSize * static_cast<std::size_t>(channels.ChannelCount));
  for (int i = 0; i < channels.ChannelCount; ++i)
    AppendRecordBytes(out, channels.records[static_cast<std::size_t>(i)]);
  return out;
}

std::string EncodeBookFile(const CommuBook& book) {
  std::string out;
  out.reserve(kBookFileSize);
  AppendRecordBytes(out, book);
  return out;
}

FileDamage DecodeDataFile(std::string_view bytes, SettingsRecord& settings, int& channelCount) {
  if (bytes.size() < kDataFileSize) return FileDamage::ShortDataFile;
  int16_t count = 0;
  const DataFileRecord<SettingsRecord, int16_t> record{settings, count};
  if (!ReadRecordBytes(bytes.substr(0, kDataFileSize), record)) return FileDamage::ShortDataFile;
  if (count < 0 || count > kChannelSlots) {
    channelCount = count;
    return FileDamage::ChannelCountRange;
  }
  const BandLimits& b = settings.Bands;
  for (double limit : {b.RxLow, b.RxHigh, b.TxLow, b.TxHigh}) {
    if (!std::isfinite(limit)) return FileDamage::BandLimitNotFinite;
  }
  channelCount = count;
  return FileDamage::None;
}

FileDamage DecodeChannelFile(std::string_view bytes, int count, ChannelList& channels, int* badNumber) {
  const auto whole = static_cast<int>(bytes.size() / kChannelFileRecordSize);
  const int loaded = std::min(count, whole);
  std::array<bool, kChannelSlots + 1> seen{};
  for (int i = 0; i < loaded; ++i) {
    ChannelRecord& r = channels.records[static_cast<std::size_t>(i)];
    ReadRecordBytes(bytes.substr(static_cast<std::size_t>(i) * kChannelFileRecordSize), r);
    // Numbers place records in the radio and index its maps: one outside the list or a
    // repeated one would corrupt an encode, so such a file is damaged.
    if (badNumber) *badNumber = r.Number;
    if (r.Number < 1 || r.Number > kChannelSlots) return FileDamage::ChannelNumberRange;
    if (seen[static_cast<std::size_t>(r.Number)]) return FileDamage::ChannelNumberRepeat;
    seen[static_cast<std::size_t>(r.Number)] = true;
  }
  channels.ChannelCount = loaded;
  return FileDamage::None;
}

FileDamage DecodeBookFile(std::string_view bytes, CommuBook& book) {
  if (bytes.size() < kBookFileSize) return FileDamage::ShortBookFile;
  ReadRecordBytes(bytes.substr(0, kBookFileSize), book);
  return FileDamage::None;
}

}  // namespace kt740
