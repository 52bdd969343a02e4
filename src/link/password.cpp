#include "link/password.h"

#include "core/codepage.h"
#include "core/fixed_text.h"
#include "link/link_protocol.h"

namespace kt740 {

std::string RadioPassword(std::span<const uint8_t> blockData) {
  std::string raw(kPasswordLength, '\0');
  for (std::size_t i = 0; i < kPasswordLength; ++i) {
    const std::size_t at = kPasswordOffsetInBlock + i;
    if (at >= blockData.size() || blockData[at] == 0x00 || blockData[at] == 0xFF) break;
    raw[i] = static_cast<char>(blockData[at]);
  }
  return Cp1252ToUtf8(TrimText(raw));
}

bool PasswordAccepted(std::span<const uint8_t> blockData, const std::string& entered) {
  const std::string password = RadioPassword(blockData);
  return password.empty() || password == entered;
}

}  // namespace kt740
