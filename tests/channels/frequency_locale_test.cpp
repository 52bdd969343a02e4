// The user's locale never changes how frequencies are read and written.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <string>

#include "channels/frequency.h"
#include "core/decimal_text.h"
#include "program/program_state.h"

namespace kt740 {
namespace {

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

// Puts the global C++ locale (and, when given, LC_NUMERIC) back however the test ends.
class LocaleGuard {
 public:
  LocaleGuard() : cxx_(std::locale()), c_(std::setlocale(LC_NUMERIC, nullptr)) {}
  ~LocaleGuard() {
    std::locale::global(cxx_);
    std::setlocale(LC_NUMERIC, c_.c_str());
    unsetenv("LOCPATH");
  }
  LocaleGuard(const LocaleGuard&) = delete;
  LocaleGuard& operator=(const LocaleGuard&) = delete;

 private:
  std::locale cxx_;
  std::string c_;
};

void ExpectPointFormats() {
  ProgramState state;
  EXPECT_EQ(FreqTextToStored("145.5"), "014550000");
  EXPECT_EQ(FreqTextToStored("145,5"), "");
  EXPECT_EQ(StoredToFreqText(state.app.WorkingLimits, "014550000", nullptr), "145.50000");
  EXPECT_EQ(StoredToOffsetText("000060000", nullptr), "0.60000");
  EXPECT_EQ(RxFreqText(state.app.WorkingLimits, "145.0031", {}), "145.00250");
  EXPECT_EQ(OffsetText(state.app.WorkingLimits, "10", "170", offset_dir::kPlus, {}), "004.00000");
  EXPECT_EQ(ParseDecimal("1234.5"), 1234.5);
  EXPECT_EQ(FormatFixed(1234.5, 3, 5), "1234.50000");
  state.app.WorkingLimits.RxLow = 136.5;
  EXPECT_EQ(StoredToFreqText(state.app.WorkingLimits, "damaged!!", nullptr), "136.5");
}

TEST(FrequencyLocale, CommaCxxLocaleChangesNothing) {
  LocaleGuard guard;
  // The locale owns and frees the facet.
  std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
  ExpectPointFormats();
}

TEST(FrequencyLocale, CommaCLocaleChangesNothing) {
  LocaleGuard guard;
  auto setCommaLocale = [] {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
      if (std::setlocale(LC_NUMERIC, name) != nullptr && std::localeconv()->decimal_point[0] == ',')
        return true;
    }
    return false;
  };
  bool found = setCommaLocale();
#ifdef KT740_COMMA_LOCALE_DIR
  if (!found) {
    setenv("LOCPATH", KT740_COMMA_LOCALE_DIR, 1);  // the locale the build made
    found = setCommaLocale();
  }
#endif
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is available";
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 1.5);
  ASSERT_STREQ(printed, "1,5");  // the C library really prints with a comma now
  ExpectPointFormats();
}

}  // namespace
}  // namespace kt740
