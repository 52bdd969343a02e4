#include "core/decimal_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kt740 {

namespace {

// The parts of "[spaces][sign]digits[.digits][spaces]".
struct DecimalParts {
  bool negative = false;
  std::string_view integer;
  std::string_view fraction;
};

std::optional<DecimalParts> SplitDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::size_t end = text.size();
  while (end > i && text[end - 1] == ' ') --end;
  DecimalParts parts;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    parts.negative = text[i] == '-';
    ++i;
  }
  const std::size_t intStart = i;
  while (i < end && text[i] >= '0' && text[i] <= '9') ++i;
  parts.integer = text.substr(intStart, i - intStart);
  if (i < end && text[i] == '.') {
    const std::size_t fracStart = ++i;
    while (i < end && text[i] >= '0' && text[i] <= '9') ++i;
    parts.fraction = text.substr(fracStart, i - fracStart);
  }
  if (i != end || (parts.integer.empty() && parts.fraction.empty())) return std::nullopt;
  return parts;
}

constexpr int kMaxDigits = 18;  // any 18-digit decimal fits int64

// integer and the first `decimals` fraction digits (missing ones are 0) as one number.
std::optional<int64_t> Compose(const DecimalParts& parts, int decimals) {
  std::string_view integer = parts.integer;
  while (!integer.empty() && integer.front() == '0') integer.remove_prefix(1);
  if (static_cast<int>(integer.size()) + decimals > kMaxDigits) return std::nullopt;
  int64_t value = 0;
  for (char c : integer) value = value * 10 + (c - '0');
  for (int k = 0; k < decimals; ++k) {
    const auto index = static_cast<std::size_t>(k);
    value = value * 10 + (index < parts.fraction.size() ? parts.fraction[index] - '0' : 0);
  }
  return value;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  const auto parts = SplitDecimal(text);
  if (!parts) return std::nullopt;
  // from_chars reads the plain "digits.digits" form in every locale.
  std::string body(parts->integer.empty() ? "0" : parts->integer);
  if (!parts->fraction.empty()) {
    body += '.';
    body += parts->fraction;
  }
  double value = 0;
  const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
  if (ec != std::errc() || ptr != body.data() + body.size()) return std::nullopt;
  return parts->negative ? -value : value;
}

std::optional<int64_t> ScaleTruncated(std::string_view text, int decimals) {
  const auto parts = SplitDecimal(text);
  if (!parts) return std::nullopt;
  const auto value = Compose(*parts, decimals);
  if (!value) return std::nullopt;
  return parts->negative ? -*value : *value;
}

std::optional<int64_t> ScaleHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return std::nullopt;
  // The shortest fixed form of a double has at most about 330 characters (5e-324).
  char buffer[400];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return std::nullopt;
  const auto parts = SplitDecimal(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  if (!parts) return std::nullopt;
  auto scaled = Compose(*parts, decimals);
  if (!scaled) return std::nullopt;

  const std::string_view fraction = parts->fraction;
  const auto d = static_cast<std::size_t>(decimals);
  if (fraction.size() > d) {
    const char next = fraction[d];
    const bool restNonZero = fraction.substr(d + 1).find_first_not_of('0') != std::string_view::npos;
    const bool up = next > '5' || (next == '5' && (restNonZero || (*scaled % 2) != 0));
    if (up) {
      if (*scaled == std::numeric_limits<int64_t>::max()) return std::nullopt;
      ++*scaled;
    }
  }
  return parts->negative ? -*scaled : *scaled;
}

std::string FormatScaled(int64_t scaled, int decimals, int integerDigits) {
  const bool negative = scaled < 0;
  const uint64_t magnitude =
      negative ? static_cast<uint64_t>(-(scaled + 1)) + 1 : static_cast<uint64_t>(scaled);
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
  std::string digits(buffer, end);
  if (magnitude == 0) digits.clear();
  const auto minimum = static_cast<std::size_t>(decimals + integerDigits);
  if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');
  const std::size_t integerSize = digits.size() - static_cast<std::size_t>(decimals);
  std::string text = negative ? "-" : "";
  text.append(digits, 0, integerSize);
  if (decimals > 0) {
    text += '.';
    text.append(digits, integerSize, std::string::npos);
  }
  return text;
}

std::string FormatFixed(double value, int integerDigits, int decimals) {
  return FormatScaled(ScaleHalfEven(value, decimals).value_or(0), decimals, integerDigits);
}

std::string ShortestDecimal(double value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

}  // namespace kt740
