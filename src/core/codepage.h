// Windows-1252, the single-byte "system code page" of every text field, on every platform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kt740 {

// False for the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D):
// such a byte stands for no character, which the encoders treat as "no single-byte code".
bool HasSingleByteCode(unsigned char byte);
bool AllHaveSingleByteCode(std::string_view bytes);

// Undefined bytes become U+FFFD.
std::string Cp1252ToUtf8(std::string_view bytes);
// Nothing when a character has no single-byte code or the input is not valid UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

}  // namespace kt740
