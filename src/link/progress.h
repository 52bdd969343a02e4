// The completion percentage of a transfer.
#pragma once

#include <cstdint>

namespace kt740 {

// (current - start) * 100 / (end - start + 16), rounded to the nearest integer, halves to even.
// The divisor uses 16 whatever the block size, as the radio's progress always did.
int CompletionPercent(int32_t currentAddress, int32_t startAddress, int32_t endAddress);

}  // namespace kt740
