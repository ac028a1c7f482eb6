#include "ui/render/geometry.h"

#include <cmath>
#include <limits>

namespace {

// Truncation toward zero, saturating at the ends of the 32-bit range.
std::int32_t TruncateToInt32(float value) {
  if (std::isnan(value)) return 0;
  // 2^31 is exactly representable; every float below it truncates into range.
  constexpr float kLimit = 2147483648.0f;
  if (value >= kLimit) return std::numeric_limits<std::int32_t>::max();
  if (value <= -kLimit) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool FloatLess(float a, float b) { return b - a > FloatTolerance; }

bool FloatGreater(float a, float b) { return a - b > FloatTolerance; }

RectF MakeRectF(float x, float y, float width, float height) { return RectF{x, y, width, height}; }

void AdjustRect(float dx, float dy, float dwidth, float dheight, RectF& rect) {
  rect.X += dx;
  rect.Y += dy;
  rect.Width += dwidth;
  rect.Height += dheight;
}

IntRect RectFToIntRect(const RectF& rect) {
  return IntRect{TruncateToInt32(rect.X), TruncateToInt32(rect.Y), TruncateToInt32(rect.X + rect.Width),
                 TruncateToInt32(rect.Y + rect.Height)};
}

RectF IntRectToRectF(const IntRect& rect) {
  const auto width = static_cast<std::int64_t>(rect.Right) - rect.Left;
  const auto height = static_cast<std::int64_t>(rect.Bottom) - rect.Top;
  return RectF{static_cast<float>(rect.Left), static_cast<float>(rect.Top), static_cast<float>(width),
               static_cast<float>(height)};
}

bool RectsOverlap(const RectF& a, const RectF& b) {
  // The sums are taken in float, as the callers build adjacent rectangles, so that
  // a rectangle placed at another's right edge compares as touching.
  return FloatLess(a.X, b.X + b.Width) && FloatGreater(a.X + a.Width, b.X) && FloatGreater(a.Y + a.Height, b.Y) &&
         FloatLess(a.Y, b.Y + b.Height);
}
