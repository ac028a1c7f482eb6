// Conversions between the library's RectF and the window system's RECT.
#pragma once

#include <windows.h>

#include "ui/render/geometry.h"

// {x, y, x + width, y + height}, each truncated toward zero (clamped to the 32-bit range).
RECT RectFToRect(const RectF& rect);

// {left, top, right - left, bottom - top}.
RectF RectToRectF(const RECT& rect);
