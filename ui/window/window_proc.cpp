#include "ui/window/window_proc.h"

#include <cmath>

#include "ui/render/colour.h"
#include "ui/render/frame_composition.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"

AlphaBlendFunction AlphaBlendCall = AlphaBlend;
UpdateLayeredFunction UpdateLayeredWindowCall = UpdateLayeredWindowIndirect;

namespace {

constexpr int kCaptionStripHeight = 25;

// Coordinates of a mouse message: the low and high words as signed 16-bit values.
int PointX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int PointY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace

BOOL BlendConstant(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                   int sourceHeight, int alpha) {
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
  return AlphaBlendCall(target, x, y, width, height, source, sx, sy, sourceWidth, sourceHeight, blend);
}

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* skin = static_cast<SkinWindow*>(GetPropA(window, kSkinWindowProperty));
  if (!skin) return DefWindowProcA(window, message, wParam, lParam);
  return skin->WindowProc(window, message, wParam, lParam);
}

void SkinWindow::RaiseControlEvent(const ControlEventRoutine& routine, HWND window, int controlIndex) {
  if (!routine || !IsValidIndex(WindowIndex, controlIndex, true)) return;
  const ControlRecord& record = ControlRecordOf(WindowIndex, controlIndex);
  routine(window, record.ControlId, record.Control, record.Kind);
}

LRESULT SkinWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY: {
      MouseTracking = 0;
      // The procedure the window had before still gets WM_DESTROY (the main window
      // ends the message loop there).
      const WNDPROC previous = OldWndProc;
      Detach(window);
      if (OnMessage) {
        const LRESULT r = OnMessage(window, message, wParam, lParam);
        if (r != -1) return r;
      }
      return previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                      : DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_MOVE:
      GetWindowRect(window, &RecordOf(WindowIndex).WindowRect);
      return FinishMessage(window, message, wParam, lParam);
    case WM_SIZE:
      GetWindowRect(window, &RecordOf(WindowIndex).WindowRect);
      HandleSize(window, LOWORD(lParam), HIWORD(lParam));
      return FinishMessage(window, message, wParam, lParam, 0);
    case WM_ACTIVATE:
      if (FocusControl != 0) {
        const int focus = FocusControl;
        if (wParam == 0) {
          SendToControl(WindowIndex, focus, window, WM_PAINT, 0, 2, 1, 0);
          RaiseControlEvent(OnLostFocus, window, focus);
        } else {
          SendToControl(WindowIndex, focus, window, WM_PAINT, 0, -1, 1, 0);
          RaiseControlEvent(OnGotFocus, window, focus);
        }
      }
      return FinishMessage(window, message, wParam, lParam);
    case WM_KILLFOCUS:
      if (FocusControl != 0 && GetActiveWindow() == window) {
        SkinControl* control = ControlOf(WindowIndex, FocusControl);
        if (control && control->Disabled == 0) {
          const int former = FocusControl;
          FocusControl = 0;
          SendToControl(WindowIndex, former, window, WM_PAINT, 0, 2, 1, 0);
        }
      }
      return FinishMessage(window, message, wParam, lParam);
    case WM_SETTEXT:
      DrawTitle(lParam ? reinterpret_cast<const char*>(lParam) : "", true, true);
      return FinishMessage(window, message, wParam, lParam);
    case WM_PAINT:
      PaintFromFrame(window, RecordOf(WindowIndex).FrameSurface.Dc);
      return FinishMessage(window, message, wParam, lParam, 0);
    case WM_CLOSE:
      if (CloseEffect != 0) PlayCloseEffect(WindowIndex, CloseEffect);
      return FinishMessage(window, message, wParam, lParam);
    case WM_GETMINMAXINFO: {
      GetWindowRect(window, &RecordOf(WindowIndex).WindowRect);
      const WorkArea area = GetWorkArea();
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMaxSize = {area.Width, area.Height - 1};
      info->ptMaxPosition = {area.Left, area.Top};
      info->ptMinTrackSize = {28 * static_cast<int>(CaptionButtons.size()) + ((CaptionFlags & CaptionClose) ? 11 : 0) + 40,
                              40};
      return FinishMessage(window, message, wParam, lParam, 0);
    }
    case WM_WINDOWPOSCHANGING: {
      auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
      const auto flags = static_cast<short>(position->flags & 0xFFFF);
      if (flags < 0 && !(position->flags & SWP_NOMOVE) && (position->flags & SWP_SHOWWINDOW)) {
        position->x = GetSystemMetrics(SM_CXSCREEN) - position->cx;
        position->y = GetSystemMetrics(SM_CYSCREEN);
        return FinishMessage(window, message, wParam, lParam, 0);
      }
      return FinishMessage(window, message, wParam, lParam);
    }
    case WM_NCCALCSIZE:
      // The whole window is client area.
      if (wParam == 1) return 1;
      return FinishMessage(window, message, wParam, lParam);
    case WM_NCACTIVATE:
      if (wParam == 0) return 1;
      if (!IsIconic(window)) return 0;
      return FinishMessage(window, message, wParam, lParam);
    case WM_KEYDOWN:
      HandleKeyDown(window, wParam, lParam);
      return FinishMessage(window, message, wParam, lParam);
    case WM_KEYUP:
      HandleKeyUp(window, wParam, lParam);
      return FinishMessage(window, message, wParam, lParam);
    case WM_CHAR:
      HandleChar(window, wParam, lParam);
      return FinishMessage(window, message, wParam, lParam);
    case WM_SYSKEYDOWN:
      HandleSysKeyDown(window, wParam, lParam);
      return FinishMessage(window, message, wParam, lParam);
    case WM_COMMAND:
      // Commands of the system menu the library shows come back here.
      SendMessageA(window, WM_SYSCOMMAND, wParam, 0);
      return FinishMessage(window, message, wParam, lParam);
    case WM_TIMER:
      HandleTimer(window, wParam, lParam);
      return FinishMessage(window, message, wParam, lParam);
    case WM_MOUSEMOVE:
      if ((MouseTracking & 1) == 0) MouseTracking = TrackMouseLeave(window, TME_LEAVE);
      RouteMouse(window, message, wParam, lParam, nullptr);
      return FinishMessage(window, message, wParam, lParam);
    case WM_LBUTTONDOWN: {
      int hit = 0;
      RouteMouse(window, message, wParam, lParam, &hit);
      if (hit == 0) {
        if (wParam == DblClickMarker && PointY(lParam) < kCaptionStripHeight && (CaptionFlags & CaptionMaximise)) {
          SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
          PostMessageA(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
          SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        }
      } else if (wParam == DblClickMarker) {
        SendToControl(WindowIndex, hit, window, WM_LBUTTONDBLCLK, DblClickMarker, lParam, 1, 0);
        RaiseControlEvent(OnDoubleClick, window, hit);
      } else {
        RaiseControlEvent(OnLButtonDown, window, hit);
      }
      return FinishMessage(window, message, wParam, lParam);
    }
    case WM_LBUTTONUP: {
      int hit = 0;
      RouteMouse(window, message, wParam, lParam, &hit);
      if (hit != 0) RaiseControlEvent(OnLButtonUp, window, hit);
      return FinishMessage(window, message, wParam, lParam);
    }
    case WM_LBUTTONDBLCLK:
      // A double click is handled as a second button-down that carries the marker.
      SendMessageA(window, WM_LBUTTONDOWN, DblClickMarker, lParam);
      return 0;
    case WM_RBUTTONDOWN: {
      int hit = 0;
      RouteMouse(window, message, wParam, lParam, &hit);
      if (hit != 0) {
        if (IsValidIndex(WindowIndex, hit, true) && IconControl.ControlId != 0 &&
            ControlRecordOf(WindowIndex, hit).ControlId == IconControl.ControlId) {
          ShowSystemMenu(window, lParam);
        }
        RaiseControlEvent(OnRButtonDown, window, hit);
      }
      return FinishMessage(window, message, wParam, lParam);
    }
    case WM_RBUTTONUP: {
      int hit = 0;
      RouteMouse(window, message, wParam, lParam, &hit);
      if (hit != 0) RaiseControlEvent(OnRButtonUp, window, hit);
      return FinishMessage(window, message, wParam, lParam);
    }
    case WM_MOUSEWHEEL:
      HandleMouseWheel(window, message, wParam, lParam);
      return FinishMessage(window, message, wParam, lParam);
    case WM_EXITSIZEMOVE:
      GetWindowRect(window, &RecordOf(WindowIndex).WindowRect);
      return FinishMessage(window, message, wParam, lParam);
    case WM_MOUSELEAVE:
      MouseTracking = 0;
      if (HoverControl != 0) {
        SendToControl(WindowIndex, HoverControl, window, WM_PAINT, 0, 1, 1, 0);
        HoverControl = 0;
      }
      ReleaseCapture();
      return FinishMessage(window, message, wParam, lParam);
    case SKM_SETACCELERATOR:
      return SetAccelerator(wParam, lParam);
    case SKM_GETPICTURE:
      return reinterpret_cast<LRESULT>(BackgroundImage.GetHandle());
    case SKM_GETTHEMECOLOUR:
      return static_cast<LRESULT>(ThemeColour);
    default:
      return FinishMessage(window, message, wParam, lParam);
  }
}

void SkinWindow::ShowSystemMenu(HWND window, LPARAM lParam) {
  const RECT& rect = RecordOf(WindowIndex).WindowRect;
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  TrackPopupMenu(SystemMenu, 0, rect.left + PointX(lParam) + 5, rect.top + PointY(lParam) + 10, 0, window, nullptr);
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

LRESULT SkinWindow::FinishMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  std::optional<LRESULT> result) {
  if (OnMessage) {
    const LRESULT r = OnMessage(window, message, wParam, lParam);
    if (r != -1) return r;
  }
  if (result) return *result;
  if (!OldWndProc) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(OldWndProc, window, message, wParam, lParam);
}

void SkinWindow::HandleSize(HWND window, int width, int height) {
  if (width == 0 && height == 0) return;
  WindowSize = {width, height};
  WindowRecord& record = RecordOf(WindowIndex);
  CreateSurface(width, height, record.BackgroundSurface);
  if (record.LayerAlpha != -1) CreateSurface(width, height, record.PresentSurface);
  if (OnResized) OnResized(window, width, height);
  Repaint(std::nullopt, static_cast<int>(ThemeColour), false);
}

void SkinWindow::HandleTimer(HWND window, WPARAM timerId, LPARAM lParam) {
  if (timerId == FadeTimerId) {
    WindowRecord& record = RecordOf(WindowIndex);
    HDC target = record.WindowDc;
    if (record.LayerAlpha != -1) {
      target = record.PresentSurface.Dc;
      PresentLayered(window, target, WindowSize.Width, WindowSize.Height);
    }
    if (FadeLevel >= 255) {
      Busy = 0;
      KillTimer(window, FadeTimerId);
      FadeLevel = 0;
      return;
    }
    FadeLevel += 51;
    BlendConstant(target, 0, 0, WindowSize.Width, WindowSize.Height, record.FrameSurface.Dc, 0, 0, WindowSize.Width,
                  WindowSize.Height, FadeLevel);
    return;
  }
  if (Busy & 1) return;
  const int windowIndex = LOWORD(timerId);
  const int controlIndex = HIWORD(timerId);
  if (IsValidIndex(windowIndex, controlIndex, true)) {
    SendToControl(windowIndex, controlIndex, window, WM_TIMER, timerId, lParam, 1, 0);
  }
}

void PaintFromFrame(HWND window, HDC frameDc) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const RECT& r = paint.rcPaint;
  BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, frameDc, r.left, r.top, SRCCOPY);
  EndPaint(window, &paint);
}

void PresentLayered(HWND window, HDC source, int width, int height, const RECT* dirty) {
  SIZE size{width, height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UPDATELAYEREDWINDOWINFO info{};
  info.cbSize = sizeof info;
  info.psize = &size;
  info.hdcSrc = source;
  info.pptSrc = &origin;
  info.pblend = &blend;
  info.dwFlags = ULW_ALPHA;
  info.prcDirty = dirty;
  UpdateLayeredWindowCall(window, &info);
}

void PlayCloseEffect(int windowIndex, int effect) {
  SkinWindow* skin = SkinOf(windowIndex);
  if (!skin) return;
  WindowRecord& record = RecordOf(windowIndex);
  HWND window = record.Hwnd;
  skin->Busy = 1;
  const int w = record.WindowRect.right - record.WindowRect.left;
  const int h = record.WindowRect.bottom - record.WindowRect.top;

  if (record.LayerAlpha == -1) {
    // A plain window becomes layered for the effect; the 5-pixel margin ring stays clear.
    record.PresentSurface.Open(nullptr, w, h);
    AddWindowStyle(window, WS_EX_LAYERED, true);
    BlendConstant(record.PresentSurface.Dc, 5, 5, w - 10, h - 10, record.FrameSurface.Dc, 5, 5, w - 10, h - 10, 255);
    record.LayerAlpha = 255;
  }
  const int a = record.LayerAlpha;
  HDC present = record.PresentSurface.Dc;

  Surface scratch;
  scratch.Open(nullptr, w, h);
  auto clear = [&] { GdipGraphicsClear(scratch.Graphics, 0x00FFFFFF); };
  const int step = a / 25;

  if (effect == 1) {
    for (int i = 1; i <= 25; ++i) {
      clear();
      BlendConstant(scratch.Dc, 0, 0, w, h, present, 0, 0, w, h, a - step * (i - 1));
      PresentLayered(window, scratch.Dc, w, h);
      Sleep(8);
    }
  } else if (effect == 2) {
    const int step2 = a / 20;
    int n = 0;
    for (int i = 1; i <= 20; ++i) {
      clear();
      const double s = 1.5 * i;
      const int alpha = a - step2 * (i - 1);
      if (s - 5 > 1e-7) {
        n += 2;
        const int d = n / 2 - 5;
        BlendConstant(scratch.Dc, d, d, w + 10 - n, h + 10 - n, present, 0, 0, w, h, alpha);
      } else {
        const int d = static_cast<int>(-s / 2);
        BlendConstant(scratch.Dc, d, d, static_cast<int>(w + s), static_cast<int>(h + s), present, 0, 0, w, h, alpha);
      }
      PresentLayered(window, scratch.Dc, w, h);
      Sleep(15 - i > 0 ? 15 - i : 1);
    }
  } else {
    const int dimension = (effect == 3 || effect == 4) ? w : h;
    const int v = dimension / 25;
    for (int i = 1; i <= 25; ++i) {
      clear();
      WipeStep(windowIndex, scratch.Dc, w, h, a - step * (i - 1), (i - 1) * v, effect);
      Sleep(8);
    }
  }
  clear();
  PresentLayered(window, scratch.Dc, w, h);
  scratch.Release();
  skin->Busy = 0;
}

void WipeStep(int windowIndex, HDC dc, int width, int height, int alpha, int offset, int effect) {
  WindowRecord& record = RecordOf(windowIndex);
  HDC present = record.PresentSurface.Dc;
  const int dimension = (effect == 3 || effect == 4) ? width : height;
  const int n = dimension - offset;
  const int f = n - 100;
  for (int i = 1; i <= n; ++i) {
    // The last 100 lines before the moving edge fade out.
    const int ai = i < f ? alpha : static_cast<int>(alpha / 100.0 * (n - i));
    switch (effect) {
      case 3:
        BlendConstant(dc, width - i, 0, 1, height, present, width - i, 0, 1, height, ai);
        break;
      case 4:
        BlendConstant(dc, i, 0, 1, height, present, i, 0, 1, height, ai);
        break;
      case 5:
        BlendConstant(dc, 0, height - i, width, 1, present, 0, height - i, width, 1, ai);
        break;
      default:
        BlendConstant(dc, 0, i, width, 1, present, 0, i, width, 1, ai);
        break;
    }
  }
  PresentLayered(record.Hwnd, dc, width, height);
}

WorkArea GetWorkArea() {
  RECT area{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
    // No work area: the primary monitor's rectangle.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    area = info.rcMonitor;
  }
  return {area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1};
}

BOOL TrackMouseLeave(HWND window, DWORD flags) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = flags;
  track.hwndTrack = window;
  track.dwHoverTime = 0;
  return TrackMouseEvent(&track);
}
