// Fixed-length text fields as the radio image and the data files hold them: exactly N
// single-byte characters (Windows-1252), NUL and space fill included.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kt740 {

// Removes trailing spaces, then cuts the text before its first NUL, in that order.
std::string TrimText(std::string_view text);

template <std::size_t N>
struct FixedText {
  static constexpr std::size_t kSize = N;
  std::array<char, N> bytes;

  FixedText() { bytes.fill(' '); }

  // Left-aligned, padded with spaces, cut at N; the caller adds a NUL where the field wants one.
  static FixedText From(std::string_view text) {
    FixedText t;
    std::copy_n(text.begin(), std::min(text.size(), N), t.bytes.begin());
    return t;
  }

  std::string_view view() const { return {bytes.data(), N}; }
  std::string str() const { return std::string(view()); }
  std::string trimmed() const { return TrimText(view()); }

  bool operator==(const FixedText&) const = default;
};

// The text followed by one NUL when it is shorter than N: how most fields store a short text.
template <std::size_t N>
FixedText<N> NulTerminatedText(std::string_view text) {
  if (text.size() >= N) return FixedText<N>::From(text);
  std::string s(text);
  s.push_back('\0');
  return FixedText<N>::From(s);
}

}  // namespace kt740
