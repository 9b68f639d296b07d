#pragma once
// Reads pixels and sizes of bitmaps for the picture tests.

#include <windows.h>

#include <cstdlib>

namespace pbw::testing {

inline SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof(info), &info);
  return {info.bmWidth, info.bmHeight};
}

inline COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  const HDC dc = ::CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(dc, bitmap);
  const COLORREF pixel = ::GetPixel(dc, x, y);
  ::SelectObject(dc, previous);
  ::DeleteDC(dc);
  return pixel;
}

// JPEG and halftone stretching shift colours a little.
inline bool IsNear(COLORREF actual, COLORREF expected, int tolerance = 16) {
  return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
         std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
         std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

}  // namespace pbw::testing
