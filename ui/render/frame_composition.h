// Composing and showing frames of skinned windows: full repaints are SkinWindow::Repaint;
// these are the partial redraw and the frame edges (border and drop shadow).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "ui/engine/gdiplus_api.h"
#include "ui/render/geometry.h"

// Recomposes `rect` of an already built frame (background, overlapping controls, edges)
// and, with present, shows it. Dropped while the window is busy.
void RedrawRect(int windowIndex, const RectF& rect, int present = 1, int restoreBackground = 1);
// The border, and the shadow ring of a layered window, where `rect` reaches into the border zone.
void DrawFrameEdges(int windowIndex, const RectF& rect, int redrawEdges);
void DrawBorder(int windowIndex, int width, int height, int margin, int frameStyle);
void DrawShadow(GpGraphics* graphics, const RectF& rect, int frameStyle, std::uint32_t colour);
// Starts or restarts a window timer; the interval defaults to DefaultTimerInterval.
UINT_PTR StartTimer(HWND window, UINT_PTR timerId, std::optional<UINT> interval = std::nullopt);

// True when `rect` reaches within margin + 3 pixels of a window edge, where the border
// and the shadow ring lie.
bool TouchesBorderZone(int windowIndex, const RectF& rect);
// The frame margin: 0 for a maximised window, else 5.
int FrameMarginOf(HWND window);
// Sends every visible control that overlaps the window its paint message, drawing into
// the frame surface only.
void PaintControls(int windowIndex);
