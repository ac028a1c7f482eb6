#include "ui/controls/skin_caption_button.h"

int SkinCaptionButton::Create(HWND host, int x, int y, int width, int height, int type, int visible) {
  ButtonType = type;
  Register(host, MakeRectF(static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
                           static_cast<float>(height)),
           ControlKind::CaptionButton, visible, 1);
  return ControlId;
}

LRESULT SkinCaptionButton::HandleMessage(HWND, UINT message, WPARAM, LPARAM, int, int, int) {
  LastMessage = static_cast<int>(message);
  return 0;
}
