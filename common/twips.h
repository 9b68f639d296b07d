#pragma once
// Window layouts are given in twips (1440 to the inch); the screen wants pixels.

namespace pbw {

constexpr int kTwipsPerInch = 1440;

// A control's place in a layout.
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Rounds to the nearest pixel, so that adjacent controls keep their gaps at any DPI.
constexpr int TwipsToPixels(int twips, int dotsPerInch) {
  const long long scaled = static_cast<long long>(twips) * dotsPerInch;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace pbw
