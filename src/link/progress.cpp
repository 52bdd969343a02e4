#include "link/progress.h"

namespace kt740 {

int CompletionPercent(int32_t current, int32_t start, int32_t end) {
  const int64_t num = static_cast<int64_t>(current - start) * 100;
  const int64_t den = static_cast<int64_t>(end - start) + 16;
  if (den <= 0) return 0;
  // Exact integer rounding: no floating-point surprises at the halves.
  const bool negative = num < 0;
  const int64_t n = negative ? -num : num;
  int64_t q = n / den;
  const int64_t twiceRest = 2 * (n % den);
  if (twiceRest > den || (twiceRest == den && q % 2 == 1)) ++q;
  return static_cast<int>(negative ? -q : q);
}

}  // namespace kt740
