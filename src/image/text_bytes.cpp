#include "image/text_bytes.h"

#include "core/codepage.h"
#include "image/encodings.h"

namespace kt740 {

uint8_t TextByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (!HasSingleByteCode(byte)) throw CodecFailure{"character without a single-byte code"};
  return byte;
}

void WriteTextBytes(MemoryImage& image, std::size_t address, std::string_view text, std::size_t size,
                    uint8_t fill) {
  for (std::size_t i = 0; i < size; ++i) image[address + i] = i < text.size() ? TextByte(text[i]) : fill;
}

std::string ReadTextBytes(const MemoryImage& image, std::size_t address, std::size_t size) {
  std::string text;
  for (std::size_t i = 0; i < size; ++i) {
    const uint8_t b = image[address + i];
    if (b == 0x00 || b == 0xFF) break;
    text.push_back(static_cast<char>(b));
  }
  return text;
}

}  // namespace kt740
