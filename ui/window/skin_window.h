// SkinWindow: takes over an existing top-level window. The window loses its system frame,
// is painted entirely from off-screen surfaces (optionally as a layered window with
// per-pixel alpha) and hosts windowless drawn controls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/controls/skin_caption_button.h"
#include "ui/controls/skin_picture.h"
#include "ui/engine/gdip_image.h"

// Window timer of the fade-in of a freshly painted frame.
inline constexpr UINT_PTR FadeTimerId = 444660;
// wParam of the WM_LBUTTONDOWN that re-sends a double click.
inline constexpr WPARAM DblClickMarker = 10086;
// Private window messages.
inline constexpr UINT SKM_SETACCELERATOR = 0x2800;
inline constexpr UINT SKM_GETPICTURE = 0x2801;
inline constexpr UINT SKM_GETTHEMECOLOUR = 0x2802;

// CaptionFlags bits besides the caption-button types.
inline constexpr int CaptionIcon = 1;
inline constexpr int CaptionTitle = 2;
inline constexpr int CaptionFlagsAsGiven = 0x400;

inline constexpr const char* kSkinWindowProperty = "addr_wnd";

// Application routines. Those returning a result stop the library's own processing of the
// input when they return anything but -1.
using MessageRoutine = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using ControlEventRoutine = std::function<void(HWND, int controlId, SkinControl* control, int kind)>;
using ResizedRoutine = std::function<void(HWND, int width, int height)>;
using KeyRoutine = std::function<LRESULT(HWND, int controlId, WPARAM key, LPARAM lParam)>;
using PaintedRoutine = std::function<void(HWND, GpGraphics*, HDC, int width, int height)>;

struct Accelerator {
  int Key = 0;        // character code
  int ControlId = 0;
};

// What Create takes besides the window; absent values take their defaults.
struct SkinOptions {
  std::optional<std::span<const std::uint8_t>> Picture;  // an image file in memory
  std::optional<std::uint32_t> ThemeColour;              // 0x00BBGGRR; absent: sampled from the picture
  std::optional<int> CaptionFlags;                       // absent: icon, title, close + the window's boxes
  int LayerAlpha = -1;
  int StretchPicture = 0;
  int FrameStyle = 5;
  int AnimateControls = 1;
  int FixedSize = 0;
  int NoDrag = 0;
  int BlendPictureEdges = 1;
  std::optional<RECT> NineSliceRect;  // kept only for a picture-shaped window (FrameStyle 1)
};

struct WindowSizeRecord {
  int Width = 0;
  int Height = 0;
};

class SkinWindow {
 public:
  SkinWindow() = default;
  // Releases the member objects only; no window or GDI resource is touched.
  ~SkinWindow() = default;
  SkinWindow(const SkinWindow&) = delete;
  SkinWindow& operator=(const SkinWindow&) = delete;

  // Skins `window`; returns the tooltip window.
  HWND Create(HWND window, const SkinOptions& options = {});
  void Attach(HWND window, int stretchPicture, int animateControls, int layerAlpha);
  // Points the window property "addr_wnd" at this object and makes it the owner of its
  // record; returns the procedure to install.
  WNDPROC BindWindow(HWND window);
  // Undoes the skin when the window is destroyed: controls, record, surfaces.
  void Detach(HWND window);

  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT FinishMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        std::optional<LRESULT> result = std::nullopt);
  void HandleSize(HWND window, int width, int height);
  void HandleTimer(HWND window, WPARAM timerId, LPARAM lParam);

  // Input routing (mouse, keys, accelerators, wheel, borders).
  int RouteMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int* hitControl);
  void HandleKeyDown(HWND window, WPARAM key, LPARAM lParam);
  void HandleKeyUp(HWND window, WPARAM key, LPARAM lParam);
  void HandleChar(HWND window, WPARAM character, LPARAM lParam);
  void HandleSysKeyDown(HWND window, WPARAM key, LPARAM lParam);
  LRESULT SetAccelerator(WPARAM controlId, LPARAM key);
  void HandleMouseWheel(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Rebuilds and shows the whole frame. Returns 0 when the window is not attached.
  int Repaint(std::optional<std::span<const std::uint8_t>> picture = std::nullopt,
              std::optional<int> themeColour = std::nullopt, bool deferred = false);
  GpImage* BackgroundImageHandle() const { return BackgroundImage.GetHandle(); }
  // Draws the title into the frame surface.
  void DrawTitle(const std::string& title, bool restoreBackground, bool present);

  // Fields.
  WNDPROC OldWndProc = nullptr;
  int WindowIndex = 0;
  int FocusControl = 0;
  int HoverControl = 0;
  int PressedControl = 0;
  int Busy = 0;
  std::uint32_t ThemeColour = 0;
  int Pressing = 0;
  int FrameStyle = 0;
  int ShowFocusFrame = 0;
  HWND TooltipWindow = nullptr;
  int FadeLevel = 0;
  int CaptionFlags = 0;
  GdipImage BackgroundImage;
  WindowSizeRecord WindowSize;
  HMENU SystemMenu = nullptr;
  std::vector<std::unique_ptr<SkinCaptionButton>> CaptionButtons;
  SkinPicture IconControl;
  std::vector<Accelerator> Accelerators;
  std::optional<RECT> NineSliceRect;
  int CloseEffect = 0;
  int FixedSize = 0;
  int NoDrag = 0;
  int BlendPictureEdges = 0;
  ControlEventRoutine OnMouseEnter;
  ControlEventRoutine OnMouseLeave;
  ControlEventRoutine OnLButtonDown;
  ControlEventRoutine OnLButtonUp;
  ControlEventRoutine OnClick;
  ControlEventRoutine OnRButtonDown;
  ControlEventRoutine OnRButtonUp;
  ControlEventRoutine OnDoubleClick;
  ResizedRoutine OnResized;
  KeyRoutine OnKeyDown;
  PaintedRoutine OnBackgroundPainted;
  MessageRoutine OnMessage;
  ControlEventRoutine OnGotFocus;
  ControlEventRoutine OnLostFocus;
  KeyRoutine OnKeyUp;
  KeyRoutine OnChar;
  PaintedRoutine OnFramePainted;
  int MouseTracking = 0;

 private:
  void CreateCaptionButtons(HWND window, int margin);
  void RaiseControlEvent(const ControlEventRoutine& routine, HWND window, int controlIndex);
  void ShowSystemMenu(HWND window, LPARAM lParam);
};

// The procedure installed on every skinned window: finds the window's SkinWindow through
// the property "addr_wnd"; a window without it gets default handling.
LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Adds `bits` to the window's style (or extended style) unless one of them is set.
void AddWindowStyle(HWND window, LONG_PTR bits, bool extended);
