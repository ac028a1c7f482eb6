#include "ui/render/rect_conversions.h"

RECT RectFToRect(const RectF& rect) {
  const IntRect r = RectFToIntRect(rect);
  return RECT{r.Left, r.Top, r.Right, r.Bottom};
}

RectF RectToRectF(const RECT& rect) {
  return IntRectToRectF(IntRect{static_cast<std::int32_t>(rect.left), static_cast<std::int32_t>(rect.top),
                                static_cast<std::int32_t>(rect.right), static_cast<std::int32_t>(rect.bottom)});
}
