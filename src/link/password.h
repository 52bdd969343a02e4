// The programming password the radio keeps at 0x004C-0x004F, checked before every transfer.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kt740 {

// The radio's password from the data of the block at 0x0040: up to four characters, ending at
// the first 00 or FF, trimmed; empty when the radio has none. UTF-8.
std::string RadioPassword(std::span<const uint8_t> blockData);

// True when the radio has no password or `entered` (UTF-8) equals it exactly.
bool PasswordAccepted(std::span<const uint8_t> blockData, const std::string& entered);

}  // namespace kt740
