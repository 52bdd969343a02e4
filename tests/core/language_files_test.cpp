// Both language files hold every key the program uses, each with a text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/ini_file.h"
#include "core/profile.h"

namespace kt740 {
namespace {

TEST(LanguageFiles, EveryKeyPresentAndNonEmptyInBoth) {
  std::ifstream keys(std::string(KT740_TEST_DATA_DIR) + "/language-keys.txt");
  ASSERT_TRUE(keys) << "language-keys.txt missing";
  std::vector<std::pair<std::string, std::string>> wanted;
  std::string section, key;
  while (keys >> section >> key) wanted.emplace_back(section, key);
  ASSERT_FALSE(wanted.empty());
  for (const char* file : {"english.ini", "chinese.ini"}) {
    const IniDocument doc = IniDocument::Load(std::string(KT740_SOURCE_DATA_DIR) + "/language/" + file);
    for (const auto& [s, k] : wanted) {
      EXPECT_FALSE(ReadProfileText(doc, s, k, 255).empty()) << file << " [" << s << "] " << k;
    }
  }
}

TEST(LanguageFiles, FontSizeIsAWholeNumber) {
  for (const char* file : {"english.ini", "chinese.ini"}) {
    const IniDocument doc = IniDocument::Load(std::string(KT740_SOURCE_DATA_DIR) + "/language/" + file);
    const std::string size = ReadProfileText(doc, "OTHER", "21", 255);
    ASSERT_FALSE(size.empty());
    EXPECT_EQ(size.find_first_not_of("0123456789"), std::string::npos) << file;
  }
}

}  // namespace
}  // namespace kt740
