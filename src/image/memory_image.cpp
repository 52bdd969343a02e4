#include "image/memory_image.h"

#include <algorithm>

namespace kt740 {

void ClearImage(MemoryImage& image) {
  auto fill = [&](std::size_t first, std::size_t last, uint8_t value) {
    std::fill(image.bytes.begin() + static_cast<std::ptrdiff_t>(first),
              image.bytes.begin() + static_cast<std::ptrdiff_t>(last) + 1, value);
  };
  fill(0x0010, 0x00FF, 0x00);
  fill(0x0100, 0x013F, 0xFF);
  fill(0x0140, 0x037F, 0x00);
  fill(0x0380, 0x039F, 0xFF);
  fill(0x03A0, 0x3FFF, 0x00);
}

}  // namespace kt740
