// SkinPicture: a picture, icon or animated GIF shown as a control; every skinned window's
// icon is one.
#pragma once

#include <string>

#include "ui/controls/skin_control.h"

class SkinPicture : public SkinControl {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int windowIndex,
                        int controlIndex, int present) override;
  // Registers the picture control on `host`; returns its ControlId.
  int Create(HWND host, int x, int y, int width, int height, const std::string& text);

  std::string Text;
};
