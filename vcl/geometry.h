// Points, rectangles and the pixel arithmetic of the host's windowing system.
#pragma once

#include <cstdint>

namespace vcl {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle by its edges; Right and Bottom lie just outside it.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return TRect{left, top, left + width, top + height};
}

// number * numerator / denominator through a 64-bit product, rounded half away from zero;
// -1 when the denominator is 0 (as the host's MulDiv).
inline int MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = std::int64_t{number} * numerator;
  bool negative = (product < 0) != (denominator < 0);
  std::int64_t p = product < 0 ? -product : product;
  std::int64_t d = denominator < 0 ? -std::int64_t{denominator} : denominator;
  std::int64_t q = (p + d / 2) / d;
  return static_cast<int>(negative ? -q : q);
}

}  // namespace vcl
