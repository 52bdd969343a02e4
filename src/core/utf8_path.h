// Paths as the program keeps them (UTF-8 texts) and as the file system takes them. Every path
// the program opens goes through PathFromUtf8, so a folder named in Chinese works whatever the
// system's narrow code page is.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kt740 {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace kt740
