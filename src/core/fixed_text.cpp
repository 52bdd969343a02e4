#include "core/fixed_text.h"

namespace kt740 {

std::string TrimText(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  std::string_view kept = text.substr(0, end);
  const std::size_t nul = kept.find('\0');
  if (nul != std::string_view::npos) kept = kept.substr(0, nul);
  return std::string(kept);
}

}  // namespace kt740
