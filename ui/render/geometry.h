// The library's float rectangle and integer rectangle, and the little arithmetic around
// them. Platform-independent: no window-system header may be included here.
#pragma once

#include <cstdint>

// x, y, width, height in pixels.
struct RectF {
  float X;
  float Y;
  float Width;
  float Height;
};

// left, top, right, bottom; the same layout as the window system's RECT.
struct IntRect {
  std::int32_t Left;
  std::int32_t Top;
  std::int32_t Right;
  std::int32_t Bottom;
};

// Float comparisons of the library allow for this much noise.
inline constexpr float FloatTolerance = 1e-7f;

// a < b and a > b by more than FloatTolerance.
bool FloatLess(float a, float b);
bool FloatGreater(float a, float b);

RectF MakeRectF(float x, float y, float width, float height);

// Adds the four values to x, y, width and height of `rect`.
void AdjustRect(float dx, float dy, float dwidth, float dheight, RectF& rect);

// {x, y, x + width, y + height}, each truncated toward zero. Values outside the 32-bit
// range are clamped to it and NaN becomes 0, so any input gives a defined result.
IntRect RectFToIntRect(const RectF& rect);

// {left, top, right - left, bottom - top}; the differences are taken without overflow.
RectF IntRectToRectF(const IntRect& rect);

// True when the two rectangles share some area. Rectangles that only touch along an edge
// (within FloatTolerance) do not overlap.
bool RectsOverlap(const RectF& a, const RectF& b);
