// Window property operations.
#include "ui/window/window_properties.h"

void LayoutCaptionButtons(SkinWindow&, int) {}
