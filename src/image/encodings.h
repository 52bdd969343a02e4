// Byte encodings that several blocks share: packed BCD, bit maps, the byte clamp, and the
// failure path of the encoders (trapped at each encoder's boundary, never thrown past it).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/memory_image.h"

namespace kt740 {

// Thrown inside an encoder only; RunEncoder turns it into the encoder's message.
struct CodecFailure {
  std::string what;
};

// A value outside 0..255 is a failure.
uint8_t CheckedByte(int value);
// A character that is not 0-9, A-F (either case) is a failure.
uint8_t HexDigitValue(char c);
// Two hexadecimal characters as one byte.
uint8_t HexPairValue(char high, char low);
// Upper-case two-digit hexadecimal text of a byte.
std::string HexByteText(uint8_t value);
// A text of one or more ASCII decimal digits.
bool IsDecimalText(std::string_view text);
// A text that the original number parser reads as a number: optional spaces and sign, digits
// with at most one decimal point. Used for the frequency texts of the files and editors.
bool IsNumericText(std::string_view text);

// The byte clamp of the "value minus one" fields: below 0 -> 0xFF, 256 or more -> 0x00.
uint8_t ByteClamp(int value);
inline uint8_t StoreMinusOne(int value) {
  return ByteClamp(value - 1);
}
inline uint8_t LoadPlusOne(uint8_t stored) {
  return static_cast<uint8_t>(stored + 1);
}

// Bit maps: entry n is bit (n mod 8) of the byte at base + n div 8, bit 0 the least significant.
bool MapBit(const MemoryImage& image, std::size_t base, int entry);
void SetMapBit(MemoryImage& image, std::size_t base, int entry, bool set);

// Eight decimal digits as four packed-BCD bytes at address; digits must be 0-9 or A-F pairs.
void WriteHexPairs(MemoryImage& image, std::size_t address, std::string_view digits);
// The text of count bytes as two hexadecimal digits each, in address order.
std::string ReadHexPairs(const MemoryImage& image, std::size_t address, std::size_t count);

}  // namespace kt740
