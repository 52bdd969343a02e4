#include "image/embed_info.h"

#include <cstdio>

#include "image/codecs.h"

namespace kt740 {
namespace {

std::string TwoDigits(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", v % 100);
  return b;
}

// Bytes from address up to length, stopping before the first 0x00 or 0xFF: an erased
// information area (all 0xFF) then reads as empty texts, as InfoCode does.
std::string InfoBytes(const MemoryImage& image, std::size_t address, std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) {
    const uint8_t b = image[address + i];
    if (b == 0x00 || b == 0xFF) break;
    text.push_back(static_cast<char>(b));
  }
  return text;
}

template <std::size_t N>
FixedText<N> InfoText(const MemoryImage& image, std::size_t address) {
  std::string text = TrimText(InfoBytes(image, address, N));
  text.push_back('\0');
  return FixedText<N>::From(text);
}

}  // namespace

std::string ShortDateText(const CivilDate& date) {
  char b[16];
  std::snprintf(b, sizeof b, "%04d-%02d-%02d", date.year, date.month, date.day);
  return b;
}

EmbedInfo DefaultEmbedInfo(const CivilDate& today) {
  EmbedInfo info;
  info.InfoByte = 0;
  info.InfoCode = "0595";
  char ymd[16];
  std::snprintf(ymd, sizeof ymd, "%04d%02d%02d", today.year, today.month, today.day);
  info.InfoText1 = FixedText<16>::From(std::string(ymd) + "00000001");
  const auto date = NulTerminatedText<16>(ShortDateText(today));
  info.InfoText2 = date;
  info.InfoText5 = date;
  info.InfoText7 = date;
  info.InfoText8 = date;
  info.InfoText3 = FixedText<8>::From(TwoDigits(today.month) + "-1-E-1");
  info.InfoText4 = FixedText<4>::From("001A");
  info.InfoText6 = NulTerminatedText<16>("");
  info.InfoText9 = NulTerminatedText<16>("");
  info.InfoText10 = NulTerminatedText<96>("");
  return info;
}

void GetCommDataByEmbedInfo(const MemoryImage& image, EmbedInfo& info) {
  info.InfoByte = image[0x0017];
  info.InfoCode = InfoBytes(image, 0x0019, 4) + '\0';
  info.InfoText1 = InfoText<16>(image, 0x0020);
  info.InfoText2 = InfoText<16>(image, 0x0030);
  info.InfoText3 = InfoText<8>(image, 0x0040);
  info.InfoText4 = InfoText<4>(image, 0x0048);
  info.InfoText5 = InfoText<16>(image, 0x0050);
  info.InfoText6 = InfoText<16>(image, 0x0060);
  info.InfoText7 = InfoText<16>(image, 0x0070);
  info.InfoText8 = InfoText<16>(image, 0x0080);
  info.InfoText9 = InfoText<16>(image, 0x0090);
  info.InfoText10 = InfoText<96>(image, 0x00A0);
}

}  // namespace kt740
