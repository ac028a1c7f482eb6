#include "ui/controls/skin_picture.h"

int SkinPicture::Create(HWND host, int x, int y, int width, int height, const std::string& text) {
  Text = text;
  Register(host, MakeRectF(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                           static_cast<float>(height)),
           ControlKind::Picture, 1, 0);
  return ControlId;
}

LRESULT SkinPicture::HandleMessage(HWND, UINT, WPARAM, LPARAM, int, int, int) { return 0; }
