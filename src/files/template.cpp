#include "files/template.h"

#include "core/utf8_path.h"

namespace kt740 {

std::string TemplatePath(const std::string& programDir, const std::string& name) {
  return PathToUtf8(PathFromUtf8(programDir) / "Init" / PathFromUtf8(name));
}

}  // namespace kt740
