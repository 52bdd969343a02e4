// Window coordinates of the forms are given in twips; the screen works in pixels.
#pragma once

namespace kt740 {

// A fixed conversion (96 dots per inch), so that layouts do not depend on the screen.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

// The smallest main window: 3000 twips either way.
constexpr int kMinimumWindowTwips = 3000;

}  // namespace kt740
