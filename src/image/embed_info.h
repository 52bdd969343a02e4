// The radio information at 0x0017-0x00FF: decoded after a read, never encoded.
#pragma once

#include <cstdint>
#include <string>

#include "core/fixed_text.h"

namespace kt740 {

struct EmbedInfo {
  int InfoByte = 0;
  std::string InfoCode;      // up to 4 characters followed by one NUL
  FixedText<16> InfoText1;   // serial number
  FixedText<16> InfoText2;   // production date
  FixedText<8> InfoText3;    // manufacture code
  FixedText<4> InfoText4;    // user code
  FixedText<16> InfoText5;   // maintenance date
  FixedText<16> InfoText6;   // dealer code
  FixedText<16> InfoText7;   // stock date
  FixedText<16> InfoText8;   // sell date
  FixedText<16> InfoText9;   // seller
  FixedText<96> InfoText10;  // maintenance description

  bool operator==(const EmbedInfo&) const = default;
};

struct CivilDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

// The system's short date form; locale-independent here: yyyy-MM-dd.
std::string ShortDateText(const CivilDate& date);

// Start-up defaults, never written to the image.
EmbedInfo DefaultEmbedInfo(const CivilDate& today);

}  // namespace kt740
