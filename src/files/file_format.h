// The configuration files as bytes: the data file (.dat), its channel file (.fre) and the
// communication-book file (.cb). No file access here; file_layout.h holds the layouts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "image/settings_record.h"

namespace kt740 {

constexpr std::size_t kDataFileSize = 8667;
constexpr std::size_t kChannelFileRecordSize = 108;
constexpr std::size_t kBookFileSize = 1792;

// The data file's name with the last three characters of its file name replaced by "fre"
// (C:\x\abc.dat -> C:\x\abc.fre). A file name of three characters or fewer gets ".fre"
// appended instead, so the rule never reaches into the folder part of the path.
std::string ChannelFileName(const std::string& dataFileName);

std::string EncodeDataFile(const SettingsRecord& settings, int channelCount);
// Slots 0..ChannelCount-1, one 108-byte record each.
std::string EncodeChannelFile(const ChannelList& channels);
std::string EncodeBookFile(const CommuBook& book);

// Why a file was refused.
enum class FileDamage {
  None,
  ShortDataFile,        // fewer than 8667 bytes
  ChannelCountRange,    // the stored count is outside 0..203
  BandLimitNotFinite,   // a band limit is NaN or infinite
  ChannelNumberRange,   // a channel record's Number is outside 1..203
  ChannelNumberRepeat,  // two channel records share a Number
  ShortBookFile,        // fewer than 1792 bytes
};

// Record 1 of a data file: the settings and the stored channel count. Bytes past the first
// 8667 are ignored. On damage `settings` may be partly filled: decode into a copy. With
// ChannelCountRange, channelCount holds the stored count.
FileDamage DecodeDataFile(std::string_view bytes, SettingsRecord& settings, int& channelCount);

// Reads up to `count` records into slots 0.. of `channels` and sets its ChannelCount to the
// number of whole records the bytes hold (a missing or short channel file loads fewer
// channels, never a partial record). Slots past the loaded count keep their contents.
// With ChannelNumberRange or ChannelNumberRepeat, *badNumber is the Number of the record.
FileDamage DecodeChannelFile(std::string_view bytes, int count, ChannelList& channels,
                             int* badNumber = nullptr);

// The first 1792 bytes, entries taken as they are.
FileDamage DecodeBookFile(std::string_view bytes, CommuBook& book);

}  // namespace kt740
