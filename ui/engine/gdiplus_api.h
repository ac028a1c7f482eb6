// The GDI+ flat API, as the whole UI library uses it.
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

using namespace Gdiplus;
using namespace Gdiplus::DllExports;
