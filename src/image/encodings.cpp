#include "image/encodings.h"

namespace kt740 {

uint8_t CheckedByte(int value) {
  if (value < 0 || value > 255) throw CodecFailure{"value outside 0..255"};
  return static_cast<uint8_t>(value);
}

uint8_t HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
  throw CodecFailure{"not a hexadecimal digit"};
}

uint8_t HexPairValue(char high, char low) {
  return static_cast<uint8_t>(HexDigitValue(high) * 16 + HexDigitValue(low));
}

std::string HexByteText(uint8_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

bool IsDecimalText(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

bool IsNumericText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  while (i < text.size() && text[i] == ' ') ++i;
  return digits && i == text.size();
}

uint8_t ByteClamp(int value) {
  if (value < 0) return 0xFF;
  if (value > 255) return 0x00;
  return static_cast<uint8_t>(value);
}

bool MapBit(const MemoryImage& image, std::size_t base, int entry) {
  const auto byte = image[base + static_cast<std::size_t>(entry / 8)];
  return ((byte >> (entry % 8)) & 1) != 0;
}

void SetMapBit(MemoryImage& image, std::size_t base, int entry, bool set) {
  auto& byte = image[base + static_cast<std::size_t>(entry / 8)];
  const auto mask = static_cast<uint8_t>(1u << (entry % 8));
  byte = set ? static_cast<uint8_t>(byte | mask) : static_cast<uint8_t>(byte & ~mask);
}

void WriteHexPairs(MemoryImage& image, std::size_t address, std::string_view digits) {
  for (std::size_t k = 0; k + 1 < digits.size(); k += 2) {
    image[address + k / 2] = HexPairValue(digits[k], digits[k + 1]);
  }
}

std::string ReadHexPairs(const MemoryImage& image, std::size_t address, std::size_t count) {
  std::string text;
  text.reserve(count * 2);
  for (std::size_t k = 0; k < count; ++k) text += HexByteText(image[address + k]);
  return text;
}

}  // namespace kt740
