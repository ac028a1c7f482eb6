#include "ui/window/surface.h"

#include <utility>

Surface::Surface(Surface&& other) noexcept
    : Dc(std::exchange(other.Dc, nullptr)),
      Bitmap(std::exchange(other.Bitmap, nullptr)),
      OldBitmap(std::exchange(other.OldBitmap, nullptr)),
      Graphics(std::exchange(other.Graphics, nullptr)) {}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    Release();
    Dc = std::exchange(other.Dc, nullptr);
    Bitmap = std::exchange(other.Bitmap, nullptr);
    OldBitmap = std::exchange(other.OldBitmap, nullptr);
    Graphics = std::exchange(other.Graphics, nullptr);
  }
  return *this;
}

void Surface::Open(HDC reference, int width, int height) {
  Release();
  Dc = CreateCompatibleDC(reference);
  CreateSurface(width, height, *this);
}

namespace {

// Deletes the graphics, puts the DC's old bitmap back and deletes the surface's bitmap.
void FreeBitmap(HDC dc, HBITMAP& bitmap, HBITMAP& oldBitmap, GpGraphics*& graphics) {
  if (graphics) GdipDeleteGraphics(graphics);
  if (dc && oldBitmap) SelectObject(dc, oldBitmap);
  if (bitmap) DeleteObject(bitmap);
  graphics = nullptr;
  oldBitmap = nullptr;
  bitmap = nullptr;
}

}  // namespace

void Surface::Release() {
  FreeBitmap(Dc, Bitmap, OldBitmap, Graphics);
  if (Dc) DeleteDC(Dc);
  Dc = nullptr;
}

void CreateSurface(int width, int height, HDC dc, HBITMAP& bitmap, HBITMAP& oldBitmap, GpGraphics*& graphics) {
  FreeBitmap(dc, bitmap, oldBitmap, graphics);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 32 / 8;
  bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
  oldBitmap = static_cast<HBITMAP>(SelectObject(dc, bitmap));
  GdipCreateFromHDC(dc, &graphics);
  GdipSetSmoothingMode(graphics, SmoothingModeAntiAlias);
  GdipSetTextRenderingHint(graphics, TextRenderingHintAntiAliasGridFit);
}
