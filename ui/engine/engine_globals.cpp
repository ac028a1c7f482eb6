#include "ui/engine/engine_globals.h"

ULONG_PTR GdiplusToken = 0;
int OsMajorVersion = 0;
GpFont* DefaultFont = nullptr;
int DefaultTimerInterval = 0;
std::unique_ptr<GdipImage> CaptionButtonSprite;
