#include "image/channel_record.h"

namespace kt740 {

ChannelRecord* ChannelList::Find(int number) {
  for (int i = 0; i < ChannelCount; ++i) {
    if (records[static_cast<std::size_t>(i)].Number == number) return &records[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

const ChannelRecord* ChannelList::Find(int number) const {
  return const_cast<ChannelList*>(this)->Find(number);
}

}  // namespace kt740
