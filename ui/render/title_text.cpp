// Window titles.
#include "ui/window/skin_window.h"

void SkinWindow::DrawTitle(const std::string&, bool, bool) {}
