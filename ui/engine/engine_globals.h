// What the engine prepares once for every skinned window of the process.
#pragma once

#include <cstdint>
#include <memory>

#include "ui/engine/gdip_image.h"

extern ULONG_PTR GdiplusToken;       // the GDI+ session (never shut down)
extern int OsMajorVersion;           // major version of the running system
extern GpFont* DefaultFont;          // 12 px regular; none when no face could be used
extern int DefaultTimerInterval;     // default timer period in milliseconds
extern std::unique_ptr<GdipImage> CaptionButtonSprite;  // the 729 x 20 caption-button strip
