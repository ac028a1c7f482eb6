// SkinCaptionButton: one button of a skinned window's caption bar (close, maximise or
// restore, minimise, and the free buttons the application handles itself).
#pragma once

#include "ui/controls/skin_control.h"

// Caption button types: the CaptionFlags bit of each button.
enum CaptionButtonType : int {
  CaptionClose = 4,
  CaptionMaximise = 8,
  CaptionMinimise = 16,
  CaptionMenu = 32,
  CaptionSkin = 64,
  CaptionChat = 128,
  CaptionSettings = 256,
};

class SkinCaptionButton : public SkinControl {
 public:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int windowIndex,
                        int controlIndex, int present) override;
  // Registers the button on `host`; returns its ControlId.
  int Create(HWND host, int x, int y, int width, int height, int type, int visible = 1);
  int GetButtonType() const { return ButtonType; }

  int LastMessage = 0;
  int FadeLevel = 0;
  int ButtonType = 0;
};
