#include "ui/render/frame_composition.h"

#include <string>

#include "ui/engine/engine_globals.h"
#include "ui/render/background.h"
#include "ui/window/window_properties.h"
#include "ui/render/colour.h"
#include "ui/render/drawing_primitives.h"
#include "ui/window/skin_window.h"
#include "ui/window/window_model.h"
#include "ui/window/window_proc.h"

namespace {

constexpr int kShadowMargin = 5;
constexpr int kIconSize = 16;

void CopyRect(HDC target, HDC source, const IntRect& r) {
  BitBlt(target, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, source, r.Left, r.Top, SRCCOPY);
}

HICON WindowIcon(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
  return icon;
}

}  // namespace

int FrameMarginOf(HWND window) { return IsZoomed(window) ? 0 : 5; }

int SkinWindow::Repaint(std::optional<std::span<const std::uint8_t>> picture, std::optional<int> themeColour,
                        bool deferred) {
  if (!IsValidIndex(WindowIndex, 0, false)) return 0;
  WindowRecord& record = RecordOf(WindowIndex);
  if (!record.WindowDc) return 0;
  HWND window = record.Hwnd;
  Busy = 1;

  if (picture) BackgroundImage.LoadFromMemory(*picture);
  DecideThemeColour(*this, themeColour);

  const int m = FrameMarginOf(window);
  const int W = WindowSize.Width;
  const int H = WindowSize.Height;
  Surface& background = record.BackgroundSurface;
  Surface& frame = record.FrameSurface;

  BuildBackgroundSurface(*this, m);
  if (OnBackgroundPainted) OnBackgroundPainted(window, background.Graphics, background.Dc, W, H);
  BitBlt(frame.Dc, 0, 0, W, H, background.Dc, 0, 0, SRCCOPY);

  GdipImage icon;  // released when the repaint ends
  if (FrameStyle != 1) {
    if (CaptionFlags != 0 && (CaptionFlags & CaptionIcon)) {
      if (HICON handle = WindowIcon(window)) icon.LoadFromIcon(handle);
      const int at = m + 6;
      if (icon.GetHandle()) {
        GdipDrawImageRectI(background.Graphics, icon.GetHandle(), at, at, kIconSize, kIconSize);
      }
      BitBlt(frame.Dc, at, at, kIconSize, kIconSize, background.Dc, at, at, SRCCOPY);
      IconControl.Move(static_cast<float>(at), static_cast<float>(at));
    }
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    DrawTitle(title, false, false);
  }

  LayoutCaptionButtons(*this, m);
  if (OnFramePainted) OnFramePainted(window, background.Graphics, background.Dc, W, H);
  PaintControls(WindowIndex);

  if (FrameStyle != 1) {
    if (record.LayerAlpha == -1) SetWindowShape(*this);
    DrawBorder(WindowIndex, W, H, m, FrameStyle);
    if (record.LayerAlpha != -1 && m > 0) {
      DrawShadow(frame.Graphics,
                 MakeRectF(static_cast<float>(m), static_cast<float>(m), static_cast<float>(W - 2 * m),
                           static_cast<float>(H - 2 * m)),
                 FrameStyle, 0);
    }
  }

  if (deferred) {
    // The fade-in shows the new frame step by step and ends the busy state.
    StartTimer(window, FadeTimerId);
    return 1;
  }

  if (record.LayerAlpha == -1) {
    BitBlt(record.WindowDc, 0, 0, W, H, frame.Dc, 0, 0, SRCCOPY);
  } else {
    BitBlt(record.PresentSurface.Dc, 0, 0, W, H, frame.Dc, 0, 0, SRCCOPY);
    PresentLayered(window, record.PresentSurface.Dc, W, H);
  }
  Busy = 0;
  return 1;
}

void PaintControls(int windowIndex) {
  WindowRecord& record = RecordOf(windowIndex);
  const SkinWindow* skin = record.Owner;
  const RectF whole = MakeRectF(0, 0, static_cast<float>(skin->WindowSize.Width),
                                static_cast<float>(skin->WindowSize.Height));
  for (std::size_t i = 0; i < record.ControlTable.size(); ++i) {
    const ControlRecord& control = *record.ControlTable[i];
    if ((control.Visible & 1) && RectsOverlap(control.Bounds, whole)) {
      SendToControl(windowIndex, static_cast<int>(i) + 1, record.Hwnd, WM_PAINT, 0, -1, 0, 0);
    }
  }
}

void RedrawRect(int windowIndex, const RectF& rect, int present, int restoreBackground) {
  SkinWindow* skin = SkinOf(windowIndex);
  if (!skin || skin->Busy == 1) return;
  WindowRecord& record = RecordOf(windowIndex);
  const IntRect r = RectFToIntRect(rect);
  if (restoreBackground != 0) CopyRect(record.FrameSurface.Dc, record.BackgroundSurface.Dc, r);

  for (std::size_t i = 0; i < record.ControlTable.size(); ++i) {
    const ControlRecord& control = *record.ControlTable[i];
    if (control.Visible != 0 && RectsOverlap(control.Bounds, rect)) {
      SendToControl(windowIndex, static_cast<int>(i) + 1, record.Hwnd, WM_PAINT, 0, -1, 0, 0);
    }
  }
  DrawFrameEdges(windowIndex, rect, 0);

  if (record.LayerAlpha == -1 && record.PresentSurface) CopyRect(record.PresentSurface.Dc, record.FrameSurface.Dc, r);
  if (present == 0) return;
  if (record.LayerAlpha == -1) {
    CopyRect(record.WindowDc, record.FrameSurface.Dc, r);
    return;
  }
  CopyRect(record.PresentSurface.Dc, record.FrameSurface.Dc, r);
  // Inside the border zone the whole margin ring may have changed; elsewhere only R did.
  const RECT dirty{r.Left, r.Top, r.Right, r.Bottom};
  PresentLayered(record.Hwnd, record.PresentSurface.Dc, record.WindowRect.right - record.WindowRect.left,
                 record.WindowRect.bottom - record.WindowRect.top, TouchesBorderZone(windowIndex, rect) ? nullptr : &dirty);
}

namespace {

// The frame margin and the window's size, as the frame edges use them.
struct FrameExtent {
  float Margin;
  float Width;
  float Height;
};

FrameExtent FrameExtentOf(const WindowRecord& record) {
  return {static_cast<float>(FrameMarginOf(record.Hwnd)),
          static_cast<float>(record.WindowRect.right - record.WindowRect.left),
          static_cast<float>(record.WindowRect.bottom - record.WindowRect.top)};
}

bool InBorderZone(const FrameExtent& e, const RectF& rect) {
  return FloatLess(rect.X, e.Margin + 3) || FloatLess(rect.Y, e.Margin + 3) ||
         FloatGreater(rect.X + rect.Width, e.Width - 3 - e.Margin) ||
         FloatGreater(rect.Y + rect.Height, e.Height - 3 - e.Margin);
}

}  // namespace

bool TouchesBorderZone(int windowIndex, const RectF& rect) {
  return InBorderZone(FrameExtentOf(RecordOf(windowIndex)), rect);
}

void DrawFrameEdges(int windowIndex, const RectF& rect, int redrawEdges) {
  SkinWindow* skin = SkinOf(windowIndex);
  if (!skin || skin->FrameStyle == 1) return;
  WindowRecord& record = RecordOf(windowIndex);
  const FrameExtent extent = FrameExtentOf(record);
  if (!InBorderZone(extent, rect)) return;
  const float m = extent.Margin;
  const float W = extent.Width;
  const float H = extent.Height;
  GpGraphics* graphics = record.FrameSurface.Graphics;
  if (redrawEdges != 0) {
    draw::SetClipRect(graphics, rect, CombineModeReplace);
    DrawBorder(windowIndex, static_cast<int>(W), static_cast<int>(H), static_cast<int>(m), skin->FrameStyle);
    draw::ResetClip(graphics);
  }
  if (record.LayerAlpha != -1 && m == kShadowMargin) {
    const RectF client = MakeRectF(5, 5, W - 10, H - 10);
    draw::SetClipRect(graphics, client, CombineModeExclude);
    GdipGraphicsClear(graphics, ColourToArgb(0xFFFFFF, 0));
    draw::ResetClip(graphics);
    if (redrawEdges != 0) DrawShadow(graphics, client, skin->FrameStyle, 0);
  }
}

void DrawBorder(int windowIndex, int width, int height, int margin, int frameStyle) {
  GpGraphics* graphics = RecordOf(windowIndex).FrameSurface.Graphics;
  RectF r = MakeRectF(static_cast<float>(margin), static_cast<float>(margin), static_cast<float>(width - 2 * margin),
                      static_cast<float>(height - 2 * margin));
  if (frameStyle == 0) {
    draw::DrawOutline(graphics, r, ColourToArgb(0x000000, 110));
    AdjustRect(1, 1, -2, -2, r);
    draw::DrawOutline(graphics, r, ColourToArgb(0xFFFFFF, 70));
  } else {
    draw::DrawRoundRect(graphics, r, 6, std::nullopt, ColourToArgb(0x000000, 120), 1.0f);
    AdjustRect(1, 1, -2, -2, r);
    draw::DrawRoundRect(graphics, r, 4, std::nullopt, ColourToArgb(0xFFFFFF, 70), 1.0f);
  }
}

void DrawShadow(GpGraphics* graphics, const RectF& rect, int frameStyle, std::uint32_t colour) {
  static constexpr float kSquareSizes[] = {4, 7, 11, 14};
  static constexpr float kRoundSizes[] = {11, 14, 17, 20};
  static constexpr int kAlphas[] = {75, 55, 25, 15};
  const float* sizes = frameStyle == 0 ? kSquareSizes : kRoundSizes;
  RectF ring = rect;
  for (int i = 0; i < 4; ++i) {
    AdjustRect(-1, -1, 2, 2, ring);
    draw::DrawRoundRect(graphics, ring, sizes[i], std::nullopt, ColourToArgb(colour, kAlphas[i]), 1.0f);
  }
}

UINT_PTR StartTimer(HWND window, UINT_PTR timerId, std::optional<UINT> interval) {
  return SetTimer(window, timerId, interval.value_or(static_cast<UINT>(DefaultTimerInterval)), nullptr);
}
