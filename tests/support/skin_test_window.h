// Plain top-level windows to skin in tests, a recording control, and pixel reads from a
// skinned window's surfaces.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ui/controls/skin_control.h"
#include "ui/window/surface.h"

// A visible top-level window whose own procedure records the messages it receives.
class TestHostWindow {
 public:
  explicit TestHostWindow(int width = 289, int height = 206, DWORD style = WS_POPUP | WS_MINIMIZEBOX,
                          int x = 50, int y = 50);
  ~TestHostWindow();
  TestHostWindow(const TestHostWindow&) = delete;
  TestHostWindow& operator=(const TestHostWindow&) = delete;

  HWND Handle() const { return window_; }
  operator HWND() const { return window_; }
  // Messages that reached the window's own procedure, oldest first.
  std::vector<UINT>& Received();
  bool ReceivedMessage(UINT message) const;
  void Destroy();

 private:
  HWND window_ = nullptr;
};

struct ControlMessage {
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;
  int ControlIndex;
  int Present;
};

// A control that logs what it is sent and paints its rectangle in one colour.
class RecordingControl : public SkinControl {
 public:
  explicit RecordingControl(ARGB colour = 0xFF20C040) : Colour(colour) {}
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int windowIndex, int controlIndex,
                        int present) override;
  int Count(UINT message) const;

  ARGB Colour;
  std::vector<ControlMessage> Log;
  // Shared log of WM_DESTROY deliveries across controls (ids in order).
  std::vector<int>* DestroyOrder = nullptr;
};

// The stored 0xAARRGGBB value (premultiplied) of a surface pixel; GDI work is flushed first.
std::uint32_t SurfacePixel(const Surface& surface, int x, int y);
std::uint32_t AlphaOf(std::uint32_t pixel);

// GDI objects the process holds now.
int GdiObjectCount();

// Runs the thread's message queue until it is empty.
void PumpMessages();
