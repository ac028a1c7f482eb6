// The GDI+ flat API, as the whole UI library uses it: the functions, the handle types and
// the enumerations, without the rest of the Gdiplus namespace (whose RectF is not ours).
#pragma once

#include <algorithm>
#include <windows.h>
#include <objidl.h>

// The GDI+ headers expect min/max, which NOMINMAX keeps out of <windows.h>.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

using namespace Gdiplus::DllExports;

using Gdiplus::ARGB;
using Gdiplus::BitmapData;
using Gdiplus::ColorMatrix;
using Gdiplus::GdiplusShutdown;
using Gdiplus::GdiplusStartup;
using Gdiplus::GdiplusStartupInput;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpLineGradient;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;
using Gdiplus::GpPen;
using Gdiplus::GpPoint;
using Gdiplus::GpPointF;
using Gdiplus::GpRect;
using Gdiplus::GpRectF;
using Gdiplus::GpRegion;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStringFormat;
using Gdiplus::GpTexture;
using Gdiplus::PixelFormat;
using Gdiplus::PropertyItem;
using Gdiplus::REAL;

// Each enumeration with its values.
#define MORVANE_GDIPLUS_ENUM(name) \
  using Gdiplus::name;             \
  using enum Gdiplus::name;
MORVANE_GDIPLUS_ENUM(GpStatus)
MORVANE_GDIPLUS_ENUM(ColorAdjustType)
MORVANE_GDIPLUS_ENUM(ColorMatrixFlags)
MORVANE_GDIPLUS_ENUM(CombineMode)
MORVANE_GDIPLUS_ENUM(CompositingMode)
MORVANE_GDIPLUS_ENUM(CompositingQuality)
MORVANE_GDIPLUS_ENUM(DashCap)
MORVANE_GDIPLUS_ENUM(DashStyle)
MORVANE_GDIPLUS_ENUM(FillMode)
MORVANE_GDIPLUS_ENUM(FlushIntention)
MORVANE_GDIPLUS_ENUM(FontStyle)
MORVANE_GDIPLUS_ENUM(HotkeyPrefix)
MORVANE_GDIPLUS_ENUM(ImageLockMode)
MORVANE_GDIPLUS_ENUM(InterpolationMode)
MORVANE_GDIPLUS_ENUM(LinearGradientMode)
MORVANE_GDIPLUS_ENUM(LineCap)
MORVANE_GDIPLUS_ENUM(LineJoin)
MORVANE_GDIPLUS_ENUM(MatrixOrder)
MORVANE_GDIPLUS_ENUM(PenAlignment)
MORVANE_GDIPLUS_ENUM(PixelOffsetMode)
MORVANE_GDIPLUS_ENUM(RotateFlipType)
MORVANE_GDIPLUS_ENUM(SmoothingMode)
MORVANE_GDIPLUS_ENUM(StringAlignment)
MORVANE_GDIPLUS_ENUM(StringFormatFlags)
MORVANE_GDIPLUS_ENUM(StringTrimming)
MORVANE_GDIPLUS_ENUM(TextRenderingHint)
MORVANE_GDIPLUS_ENUM(Unit)
MORVANE_GDIPLUS_ENUM(WrapMode)
#undef MORVANE_GDIPLUS_ENUM
