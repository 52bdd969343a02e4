#include "core/codepage.h"

#include <array>
#include <cstdint>

namespace kt740 {
namespace {

// Code points of 0x80..0x9F; 0 marks the undefined bytes.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t ToCodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
  return b;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::optional<unsigned char> FromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

bool HasSingleByteCode(unsigned char byte) {
  return ToCodePoint(byte) != 0 || byte == 0;
}

bool AllHaveSingleByteCode(std::string_view bytes) {
  for (char c : bytes) {
    if (!HasSingleByteCode(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    const char32_t cp = ToCodePoint(b);
    AppendUtf8(out, (cp == 0 && b != 0) ? char32_t{0xFFFD} : cp);
  }
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp = 0;
    std::size_t len = 0;
    if (b < 0x80) {
      cp = b;
      len = 1;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else if ((b & 0xF8) == 0xF0) {
      cp = b & 0x07;
      len = 4;
    } else {
      return std::nullopt;
    }
    if (i + len > utf8.size()) return std::nullopt;
    for (std::size_t k = 1; k < len; ++k) {
      const auto cb = static_cast<unsigned char>(utf8[i + k]);
      if ((cb & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (cb & 0x3F);
    }
    const auto single = FromCodePoint(cp);
    if (!single) return std::nullopt;
    out.push_back(static_cast<char>(*single));
    i += len;
  }
  return out;
}

}  // namespace kt740
