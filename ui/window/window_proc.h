// The skinned window's procedure helpers: presenting layered frames, the close effects,
// the work area and mouse-leave tracking.
#pragma once

#include <windows.h>

// The blend every fade and effect of the library goes through (AlphaBlend); tests watch it.
using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
extern AlphaBlendFunction AlphaBlendCall;
// The layered-window update PresentLayered goes through (UpdateLayeredWindowIndirect); tests watch it.
using UpdateLayeredFunction = BOOL(WINAPI*)(HWND, const UPDATELAYEREDWINDOWINFO*);
extern UpdateLayeredFunction UpdateLayeredWindowCall;

// A constant-alpha blend with no source alpha.
BOOL BlendConstant(HDC target, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                   int sourceHeight, int alpha);

void PaintFromFrame(HWND window, HDC frameDc);
// Shows a whole window-sized surface on a layered window with its per-pixel alpha. When
// only `dirty` changed since the last present, the system is told so and copies less;
// what the window shows is the whole surface either way.
void PresentLayered(HWND window, HDC source, int width, int height, const RECT* dirty = nullptr);
// Runs one close effect to its end; the window is fully transparent afterwards.
void PlayCloseEffect(int windowIndex, int effect);
// One frame of a wipe effect.
void WipeStep(int windowIndex, HDC dc, int width, int height, int alpha, int offset, int effect);

struct WorkArea {
  int Left;
  int Top;
  int Width;   // right - left + 1
  int Height;  // bottom - top + 1
};
WorkArea GetWorkArea();

BOOL TrackMouseLeave(HWND window, DWORD flags);
