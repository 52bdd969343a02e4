#include "files/snapshot.h"

#include <algorithm>
#include <bit>
#include <span>
#include <string>
#include <type_traits>

#include "files/file_layout.h"
#include "files/record_bytes.h"

namespace kt740 {
namespace {

// The DTMF codes whose digits past their length are filler: code field -> its length field,
// which the layout lists right after it.
constexpr std::string_view kCountedCodes[] = {"CodeDigits", "PttIdBeginCode", "PttIdEndCode", "KillCode",
                                              "StunCode"};

bool Listed(std::span<const std::string_view> names, std::string_view name) {
  return std::ranges::find(names, name) != names.end();
}

// The bytes of a record as IsModified compares them: the file layout, member by member, less the
// fields left out, with trimmed channel texts and counted codes cut to their length.
class ComparisonKey {
 public:
  explicit ComparisonKey(bool channel) : channel_(channel) {}
  std::string bytes;

  template <typename T>
  void operator()(const char* name, const T& field) {
    if (channel_ && Listed(kChannelFieldsNotCompared, name)) return;
    if constexpr (layout_detail::IsStdArray<T>::value) {
      for (const auto& element : field) (*this)(name, element);
    } else if constexpr (layout_detail::IsFixedText<T>::value) {
      if (channel_) {
        Counted(field.trimmed());
      } else if (Listed(kCountedCodes, name)) {
        pendingCode_ = std::string(field.view());
        hasPendingCode_ = true;
      } else {
        bytes.append(field.view());
      }
    } else if constexpr (std::is_same_v<T, uint8_t>) {
      bytes.push_back(static_cast<char>(field));
    } else if constexpr (std::is_same_v<T, int16_t> || std::is_same_v<T, uint16_t>) {
      if (hasPendingCode_) {
        const auto n =
            static_cast<std::size_t>(std::clamp<int>(field, 0, static_cast<int>(pendingCode_.size())));
        Counted(pendingCode_.substr(0, n));
        hasPendingCode_ = false;
      }
      Word(static_cast<uint16_t>(field));
    } else if constexpr (std::is_same_v<T, double>) {
      const auto u = std::bit_cast<uint64_t>(field);
      for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    } else {
      Describe(*this, field);
    }
  }

 private:
  void Word(uint16_t u) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  // Length first, so that two texts never run into each other.
  void Counted(const std::string& text) {
    Word(static_cast<uint16_t>(text.size()));
    bytes += text;
  }

  bool channel_;
  std::string pendingCode_;
  bool hasPendingCode_ = false;
};

std::string SettingsKey(const SettingsRecord& settings, int16_t channelCount) {
  ComparisonKey key(false);
  Describe(key, DataFileRecord<const SettingsRecord, const int16_t>{settings, channelCount});
  return key.bytes;
}

std::string ChannelKey(const ChannelRecord& record) {
  ComparisonKey key(true);
  Describe(key, record);
  return key.bytes;
}

}  // namespace

void CopyConfiguration(const Configuration& from, Configuration& to) {
  to.settings = from.settings;
  const int count = std::clamp(from.channels.ChannelCount, 0, kChannelSlots);
  std::copy_n(from.channels.records.begin(), count, to.channels.records.begin());
  to.channels.ChannelCount = from.channels.ChannelCount;
}

bool IsModified(const Configuration& current, int16_t modelCode, const Configuration& snapshot) {
  const ChannelList& curList = current.channels;
  const ChannelList& snapList = snapshot.channels;
  if (curList.ChannelCount != snapList.ChannelCount) return true;

  SettingsRecord settings = current.settings;
  settings.ModelCode = modelCode;
  const auto count = static_cast<int16_t>(curList.ChannelCount);
  if (SettingsKey(settings, count) != SettingsKey(snapshot.settings, count)) return true;

  const int used = std::clamp(snapList.ChannelCount, 0, kChannelSlots);
  for (int i = 0; i < used; ++i) {
    const ChannelRecord& s = snapList.records[static_cast<std::size_t>(i)];
    const ChannelRecord* c = &curList.records[static_cast<std::size_t>(i)];
    if (c->Number != s.Number) c = curList.Find(s.Number);
    if (c == nullptr || ChannelKey(*c) != ChannelKey(s)) return true;
  }
  return false;
}

}  // namespace kt740
