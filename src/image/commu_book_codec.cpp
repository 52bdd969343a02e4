// The DTMF communication book: 128 codes of 5 bytes at 0x1980, 128 names of 8 bytes at 0x1C00
// (seven written, the eighth left as the blank image has it).
#include <cstddef>
#include <string>

#include "image/codecs.h"
#include "image/encodings.h"
#include "image/run_encoder.h"
#include "image/text_bytes.h"

namespace kt740 {
namespace {

constexpr std::size_t kCodeBase = 0x1980;
constexpr std::size_t kCodeSize = 5;
constexpr std::size_t kNameBase = 0x1C00;
constexpr std::size_t kNameStride = 8;
constexpr std::size_t kNameSize = 7;

}  // namespace

// A code that is not all digits (letters from an imported book, for instance) is written as
// five 0x00 bytes, which the radio takes as no code.
bool SetCommDataByDTMFCommuBook(const CommuBook& book, MemoryImage& image, Notifier& notifier) {
  return RunEncoder(notifier, "SetCommDataByDTMFCommuBook", [&] {
    for (std::size_t a = 0; a < book.entries.size(); ++a) {
      const CommuBookEntry& e = book.entries[a];
      std::string code = e.CallCode.trimmed();
      if (!IsDecimalText(code)) code.clear();
      WriteTextBytes(image, kCodeBase + kCodeSize * a, code, kCodeSize, 0x00);
      WriteTextBytes(image, kNameBase + kNameStride * a, e.CallName.trimmed(), kNameSize, 0x00);
    }
  });
}

void GetCommDataByDTMFCommuBook(const MemoryImage& image, CommuBook& book) {
  for (std::size_t a = 0; a < book.entries.size(); ++a) {
    CommuBookEntry& e = book.entries[a];
    e.SlotNumber = static_cast<int16_t>(a);
    for (std::size_t i = 0; i < kCodeSize; ++i)
      e.CallCode.bytes[i] = static_cast<char>(image[kCodeBase + kCodeSize * a + i]);
    // 0x00 bytes are kept as NULs (TrimText cuts there); 0xFF ends the name.
    std::string name;
    for (std::size_t i = 0; i < kNameStride; ++i) {
      const uint8_t b = image[kNameBase + kNameStride * a + i];
      if (b == 0xFF) {
        name.push_back('\0');
        break;
      }
      name.push_back(static_cast<char>(b));
    }
    e.CallName = NulTerminatedText<kNameSize>(TrimText(name));
  }
}

}  // namespace kt740
