// Surface: a 32-bit DIB selected into a memory DC, with a GDI+ graphics on it.
#pragma once

#include "ui/engine/gdiplus_api.h"

struct Surface {
  HDC Dc = nullptr;
  HBITMAP Bitmap = nullptr;
  HBITMAP OldBitmap = nullptr;
  GpGraphics* Graphics = nullptr;

  Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;
  ~Surface() { Release(); }

  // Makes a memory DC compatible with `reference` (null: the screen) and builds the
  // surface on it.
  void Open(HDC reference, int width, int height);
  // Deletes the graphics, puts the old bitmap back, deletes the DC. Safe when empty.
  void Release();
  explicit operator bool() const { return Dc != nullptr; }
};

// (Re)builds one surface on an existing memory DC: the old graphics and bitmap go, a new
// bottom-up 32-bit DIB of width x height is selected, and a GDI+ graphics with anti-aliased
// drawing and anti-aliased grid-fitted text is made on the DC.
void CreateSurface(int width, int height, HDC dc, HBITMAP& bitmap, HBITMAP& oldBitmap, GpGraphics*& graphics);
inline void CreateSurface(int width, int height, Surface& surface) {
  CreateSurface(width, height, surface.Dc, surface.Bitmap, surface.OldBitmap, surface.Graphics);
}
