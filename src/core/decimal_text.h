// Decimal numbers as texts, always with "." whatever the user's or the process's locale:
// parsing, exact scaling by powers of ten and fixed-point formatting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kt740 {

// A number as IsNumericText accepts it (surrounding spaces, a sign, digits with at most one
// point: "  -145.5 ", "145.", ".5"), or nothing.
std::optional<double> ParseDecimal(std::string_view text);

// text x 10^decimals with the places beyond `decimals` dropped (toward zero), computed on the
// digits themselves; nothing when the text is not numeric or the result passes int64.
std::optional<int64_t> ScaleTruncated(std::string_view text, int decimals);

// value x 10^decimals rounded half to even. The rounding works on the shortest decimal text
// that reads back as `value`, so a typed 145.00625 scales to exactly 14500625 although the
// double lies a hair below it. Nothing for NaN, infinities and results beyond int64.
std::optional<int64_t> ScaleHalfEven(double value, int decimals);

// scaled / 10^decimals as text with at least integerDigits integer digits (0 allowed, as the
// "#.00000" format has): (14550000, 5, 3) gives "145.50000", (50000, 5, 0) gives ".50000".
std::string FormatScaled(int64_t scaled, int decimals, int integerDigits);

// Shortest decimal form that reads back as the same double: 136, 136.5, 173.9975.
std::string ShortestDecimal(double value);

// value rounded half to even at `decimals` places and formatted as FormatScaled does; a value
// that cannot be scaled (NaN, infinite, huge) formats as zero.
std::string FormatFixed(double value, int integerDigits, int decimals);

}  // namespace kt740
