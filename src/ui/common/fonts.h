// The forms name the fonts of the language files ("Arial", "Microsoft YaHei"); where a system
// lacks them, the nearest fonts it has stand in, so that Chinese shows in a Chinese face.
#pragma once

namespace kt740 {

void InstallFontSubstitutes();

}  // namespace kt740
